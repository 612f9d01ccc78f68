// COM Port Setup on its own (what each choice stands for on this machine),
// and Qt's own texts in the language of the captions.
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/transfer/com_dialog.h"
#include "app/window/qt_translations.h"

namespace wrk7 {
namespace {

TEST(ComDialogTest, ShowsWhatEachChoiceStandsForOnThisMachine) {
    QTemporaryDir dir;
    const QString names[] = {"ttyUSB0", "ttyUSB1", "ttyNoAccess", "gone"};
    for (int i = 0; i < 3; ++i) QFile(dir.filePath(names[i])).open(QIODevice::WriteOnly);  // the fourth has gone
    QFile::setPermissions(dir.filePath(names[2]), QFileDevice::ReadOwner);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("by-id")));
    const QString stable = dir.filePath(QStringLiteral("by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../ttyUSB1"), stable));
    ComDialog dialog;
    dialog.byIdFolder = dir.filePath(QStringLiteral("by-id"));
    dialog.deviceForPort = [&](int n) { return n <= 4 ? dir.filePath(names[n - 1]).toStdString() : std::string(); };
    dialog.Prepare(2, QStringLiteral("emulator"));
    EXPECT_TRUE(dialog.Choice(2)->isChecked());
    EXPECT_EQ(dialog.DeviceLabel(1)->text(), dir.filePath(names[0]));
    EXPECT_EQ(dialog.StableNameLabel(2)->text(), "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(dialog.StableNameLabel(1)->text(), "");
    if (::access(dir.filePath(names[2]).toLocal8Bit().constData(), W_OK) != 0) {  // not as root
        EXPECT_TRUE(dialog.DeviceLabel(3)->text().contains(QStringLiteral("no permission")));
    }
    EXPECT_TRUE(dialog.DeviceLabel(4)->text().contains(QStringLiteral("device missing")));
    EXPECT_EQ(dialog.DeviceLabel(5)->text(), "(no device on this machine)");
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblRunPort"))->text().endsWith(QStringLiteral("emulator")));
    dialog.show();
    const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
    if (!folder.isEmpty()) dialog.grab().save(QDir(folder).filePath(QStringLiteral("com-port-setup.png")));

}

TEST(QtTranslationsTest, JapaneseCaptionsGiveJapaneseStandardButtonsUntilReleased) {
    auto cancel = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"), QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(InstallQtTranslations(UiLanguage::kEnglish), nullptr);
    {
        const auto translator = InstallQtTranslations(UiLanguage::kJapanese);
        ASSERT_NE(translator, nullptr) << "qtbase_ja.qm not found (qt6-translations-l10n)";
        EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace wrk7
