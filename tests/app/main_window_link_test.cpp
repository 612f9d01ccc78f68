// The main window's link choices: the port dialog's typed device path, kept
// in the settings store while the port file keeps the number.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/com_dialog.h"
#include "app/main_window.h"
#include "recording_prompter.h"

namespace wrk7 {
namespace {

class WindowLinkTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> MakeWindow(std::optional<QString> port) {
        AppOptions options;
        options.portOverride = std::move(port);
        options.portDirs = Dirs();
        options.settingsFile = SettingsFile();
        options.backupFolder = dir.filePath(QStringLiteral("backups"));
        options.traceFolder = dir.filePath(QStringLiteral("traces"));
        options.language = UiLanguage::kEnglish;
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
        auto* poll = new QTimer;
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

}  // namespace
}  // namespace wrk7
