// The main window's link choices: the port dialog's typed device path, kept
// in the settings store while the port file keeps the number; Quick Read;
// the serial traces of its transfers.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/com_dialog.h"
#include "app/main_window.h"
#include "app/serial_traces.h"
#include "recording_prompter.h"
#include "window_options.h"

namespace wrk7 {
namespace {

class WindowLinkTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> MakeWindow(std::optional<QString> port) {
        AppOptions options = testing::TestWindowOptions(dir);
        options.portOverride = std::move(port);
        options.portDirs = Dirs();
        options.settingsFile = SettingsFile();
        auto w = std::make_unique<MainWindow>(options, &prompts);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
    PortFileDirs Dirs() const { return PortFileDirs{dir.path(), dir.path()}; }
    QString SettingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }
    QString StoredValue(std::string_view key) const {
        return QSettings(SettingsFile(), QSettings::IniFormat).value(SettingsKey(key)).toString();
    }

    // Opens the port dialog from the menu command and lets act answer it.
    static void RunComDialog(MainWindow& window, const std::function<void(ComDialog&)>& act) {
        ComDialog* dialog = window.ComPortDialog();
        auto* poll = new QTimer(dialog);  // gone with the dialog at the latest
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [poll, dialog, act] {
            if (QApplication::activeModalWidget() != dialog) return;
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        });
        poll->start();
        window.ShowComDialog();
    }
    static void ClickOk(ComDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); }

    QTemporaryDir dir;
    RecordingPrompter prompts;
};

TEST_F(WindowLinkTest, ATypedDevicePathIsRememberedWhileThePortFileKeepsTheNumber) {
    const QString path = dir.filePath(QStringLiteral("ttyAdapter"));
    {
        auto window = MakeWindow(std::nullopt);
        RunComDialog(*window, [](ComDialog& d) {
            d.Choice(5)->click();
            ClickOk(d);
        });
        EXPECT_EQ(window->RunPortText(), "COM5");
        RunComDialog(*window, [&](ComDialog& d) {
            QTest::keyClicks(d.PathEdit(), path);
            ClickOk(d);
        });
        EXPECT_EQ(window->PortNumber(), 5);
        EXPECT_EQ(window->RunPortText(), path);
        RunComDialog(*window, [](ComDialog& d) {
            d.Choice(7)->click();
            d.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
        EXPECT_EQ(window->RunPortText(), path) << "Cancel changes nothing";
        window->close();
    }
    EXPECT_EQ(ReadPortFile(Dirs()), 5);
    EXPECT_EQ(StoredValue(kDevicePathKey), path);

    EXPECT_EQ(MakeWindow(QStringLiteral("emulator"))->RunPortText(), "emulator") << "--port wins for its run";
    auto window = MakeWindow(std::nullopt);
    EXPECT_EQ(window->RunPortText(), path);
    RunComDialog(*window, [](ComDialog& d) {
        EXPECT_TRUE(d.PathChoice()->isChecked());
        d.Choice(3)->click();
        ClickOk(d);
    });
    EXPECT_EQ(window->RunPortText(), "COM3");
    window->close();
    EXPECT_EQ(StoredValue(kDevicePathKey), "") << "a number chosen again forgets the path";
}

TEST_F(WindowLinkTest, QuickReadIsRememberedAndEveryTransferLeavesATraceToOpen) {
    QStringList opened;
    {
        auto window = MakeWindow(QStringLiteral("emulator"));
        window->openFile = [&](const QString& path) { return opened << path, true; };
        QAction* quick = window->Action(QStringLiteral("mnuQuickRead"));
        ASSERT_NE(quick, nullptr);
        EXPECT_EQ(quick->text(), "Quick Read (used channels only)");
        EXPECT_FALSE(quick->isChecked()) << "the full read is the default";
        window->Action(QStringLiteral("mnuOpenTrace"))->trigger();
        ASSERT_EQ(prompts.boxes.size(), 1u);
        EXPECT_EQ(prompts.boxes[0].lines, QStringList{"No transfer has left a trace yet."});

        quick->trigger();
        QSignalSpy done(window.get(), &MainWindow::transferFinished);
        window->StartRead(link::Part::kMemory);
        ASSERT_TRUE(done.wait(60000));
        EXPECT_EQ(done.takeFirst().at(0).toInt(), 0);
        const QString trace = LastSerialTrace(dir.filePath(QStringLiteral("traces")));
        ASSERT_FALSE(trace.isEmpty());
        QFile file(trace);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.startsWith(QStringLiteral("# wrk7 serial trace: read memory (quick)\n")));
        EXPECT_TRUE(text.endsWith(QStringLiteral("= Successed!!\n")));
        // Flags, bank table and groups are 12 reads; the bar counted the rest.
        const qsizetype reads = text.count(QRegularExpression(QStringLiteral("> KV~F[0-9A-F]{5}R")));
        EXPECT_EQ(window->Progress()->maximum(), reads - 12);
        EXPECT_LT(window->Progress()->maximum(), 1300);

        window->Action(QStringLiteral("mnuOpenTrace"))->trigger();
        EXPECT_EQ(opened, QStringList{trace});
        prompts.answers.push_back(Prompter::Answer::kNo);  // the read left the image modified
        EXPECT_TRUE(window->close());
    }
    EXPECT_EQ(StoredValue(kQuickReadKey), "true");
    EXPECT_TRUE(MakeWindow(std::nullopt)->QuickRead());
}

TEST(SerialTraces, TheNewestTenAreKept) {
    QTemporaryDir dir;
    const QDateTime start(QDate(2026, 12, 7), QTime(6, 0));
    QString last;
    for (int n = 0; n < 12; ++n) last = SaveSerialTrace("trace " + std::to_string(n) + "\n", dir.path(), start.addSecs(n));
    const QStringList kept = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), kTracesKept);
    EXPECT_EQ(kept.first(), "trace-20261207-060002-000.txt") << "the two oldest are gone";
    EXPECT_EQ(LastSerialTrace(dir.path()), last);
    // Two in the same millisecond keep both, the second as the newer.
    const QString twin = SaveSerialTrace("twin\n", dir.path(), start.addSecs(11));
    EXPECT_NE(twin, last);
    EXPECT_EQ(LastSerialTrace(dir.path()), twin);
}

}  // namespace
}  // namespace wrk7
