// The COM Port Setup dialog and the About box.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/about_box.h"
#include "app/com_dialog.h"

namespace wrk7 {
namespace {

void MaybeScreenshot(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    w.show();
    QCoreApplication::processEvents();
    w.grab().save(QDir(folder).filePath(name));
    w.hide();
}

TEST(ComDialogTest, ShowsEachChoiceWithItsDeviceAndTakesOnlyOk) {
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString locked = dir.filePath(QStringLiteral("ttyNoAccess"));
    QFile lockedFile(locked);
    ASSERT_TRUE(lockedFile.open(QIODevice::WriteOnly));
    lockedFile.close();
    lockedFile.setPermissions(QFileDevice::ReadOwner);
    const bool permissionsApply = ::access(locked.toLocal8Bit().constData(), W_OK) != 0;  // not as root

    ComDialog dialog;
    dialog.deviceForPort = [&](int n) -> std::string {
        if (n == 1) return present.toStdString();
        if (n == 2) return locked.toStdString();
        if (n == 3) return dir.filePath(QStringLiteral("gone")).toStdString();
        return {};
    };
    dialog.Prepare(3, QStringLiteral("emulator"));
    EXPECT_EQ(dialog.Choice(1)->text(), "COM  1");
    EXPECT_EQ(dialog.Choice(16)->text(), "COM 16");
    EXPECT_TRUE(dialog.Choice(3)->isChecked());
    EXPECT_EQ(dialog.DeviceLabel(1)->text(), present);
    if (permissionsApply) {
        EXPECT_TRUE(dialog.DeviceLabel(2)->text().contains(QStringLiteral("no permission")));
    }
    EXPECT_TRUE(dialog.DeviceLabel(3)->text().contains(QStringLiteral("device missing")));
    EXPECT_EQ(dialog.DeviceLabel(4)->text(), "(no device on this machine)");
    auto* run = dialog.findChild<QLabel*>(QStringLiteral("lblRunPort"));
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(run->text().endsWith(QStringLiteral("emulator")));
    MaybeScreenshot(dialog, QStringLiteral("com-port-setup.png"));

    // Closing without OK chooses nothing; OK takes the checked choice.
    dialog.show();
    dialog.reject();
    EXPECT_EQ(dialog.ChosenPort(), 0);
    dialog.Prepare(3, QStringLiteral("COM3"));
    dialog.show();
    dialog.Choice(7)->click();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog.ChosenPort(), 7);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ComDialogTest, NamesAdaptersByIdTakesATypedPathAndCancelChangesNothing) {
    QTemporaryDir dir;
    for (const char* name : {"ttyUSB0", "ttyUSB1"}) {
        QFile device(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("by-id")));
    const QString stable = dir.filePath(QStringLiteral("by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../ttyUSB1"), stable));

    ComDialog dialog;
    dialog.byIdFolder = dir.filePath(QStringLiteral("by-id"));
    dialog.deviceForPort = [&](int n) -> std::string {
        if (n == 1) return dir.filePath(QStringLiteral("ttyUSB0")).toStdString();
        if (n == 2) return dir.filePath(QStringLiteral("ttyUSB1")).toStdString();
        return {};
    };
    dialog.Prepare(2, QStringLiteral("COM2"));
    EXPECT_EQ(dialog.StableNameLabel(2)->text(), "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(dialog.StableNameLabel(2)->toolTip(), stable);
    EXPECT_EQ(dialog.StableNameLabel(1)->text(), "");
    EXPECT_EQ(dialog.StableNameLabel(3)->text(), "");
    MaybeScreenshot(dialog, QStringLiteral("com-port-setup-by-id.png"));

    // Typing a path chooses it; an empty path cannot be confirmed.
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QTest::keyClicks(dialog.PathEdit(), QStringLiteral("/dev/x"));
    EXPECT_TRUE(dialog.PathChoice()->isChecked());
    dialog.PathEdit()->clear();
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(dialog.PathEdit(), QStringLiteral("  ") + stable);
    EXPECT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(dialog.ChosenDevicePath(), stable);
    EXPECT_EQ(dialog.ChosenPort(), 0);

    // The remembered path comes back selected; Cancel drops a new choice.
    dialog.Prepare(2, stable, stable);
    EXPECT_TRUE(dialog.PathChoice()->isChecked());
    EXPECT_EQ(dialog.PathEdit()->text(), stable);
    dialog.show();
    dialog.Choice(5)->click();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(dialog.ChosenPort(), 0);
    EXPECT_EQ(dialog.ChosenDevicePath(), "");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutBoxTest, NamesTheProgramItsVersionAndWhereBackupsGo) {
    AboutBox about(QStringLiteral("/somewhere/backups"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Korvan WR-K7/K70 Clone Utility")));
    EXPECT_TRUE(all.contains(QStringLiteral("Version")));
    EXPECT_TRUE(all.contains(QStringLiteral("/somewhere/backups")));
    MaybeScreenshot(about, QStringLiteral("about.png"));
}

}  // namespace
}  // namespace wrk7
