// What the Port Check dialog adds to the doctor (tests/link): it shows a
// fixture system's devices with their troubles, and Copy hands the whole
// report over.
#include <QClipboard>
#include <QPushButton>
#include <QTextEdit>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/transfer/port_doctor_dialog.h"
#include "app/translation/said.h"
#include "app/window/qt_translations.h"

namespace wrk7 {
namespace {

TEST(PortDoctorDialogTest, ShowsTheFixturesDevicesTheirTroublesAndCopiesTheReport) {
    PortDoctorDialog dialog;
    dialog.Examine(QStringLiteral(WRK7_TEST_DATA_DIR "/ports/ch340-brltty"));
    const QString shown = dialog.Report()->toPlainText();
    for (const char* part : {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "1a86:7523",
                             "WCH CH340/CH341", "/etc/udev/rules.d/99-wrk7-brltty-ignore-1a86-7523.rules",
                             "sudo udevadm control --reload-rules"})
        EXPECT_TRUE(shown.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(dialog.Report()->isReadOnly());
    EXPECT_TRUE(dialog.Report()->textInteractionFlags() & Qt::TextSelectableByKeyboard) << "a command can be selected";
    dialog.CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), dialog.ReportText());
    EXPECT_TRUE(dialog.ReportText().contains(QLatin1String("ENV{PRODUCT}==\"1a86/7523/*\", ENV{SYSTEMD_WANTS}=\"\"")));
    // A Windows machine written out shows as wrk7 ports prints it.
    dialog.Examine(QStringLiteral(WRK7_TEST_DATA_DIR "/ports-windows/ftdi-latency.txt"));
    for (const char* part : {"Serial number: A50285BI", "Driver package: FTDI 2.12.36.4 (2021-06-03)", "Latency timer: 16 ms",
                             "Slow adapter: The adapter's latency timer is 16 ms"})
        EXPECT_TRUE(dialog.ReportText().contains(QLatin1String(part))) << part << '\n' << dialog.ReportText().toStdString();
}

// A Japanese window translates the doctor's words, but hands over its
// commands and rules byte for byte, to be pasted into a terminal.
TEST(PortDoctorDialogTest, InJapaneseTheWordsAreTranslatedAndTheCommandsKeptAsTheyAre) {
    const Translations translations(UiLanguage::kJapanese);
    ASSERT_TRUE(translations.HasProgram());
    for (const char* fixture : {"ports/ch340-brltty", "ports/modemmanager", "ports/no-permission", "ports/held",
                                "ports/pl2303-no-port", "ports-windows/pl2303-refused.txt", "ports-windows/ch340-bad-driver.txt",
                                "ports-windows/no-driver.txt", "ports-windows/ftdi-latency.txt", "ports-windows/cp210x-held.txt"}) {
        SCOPED_TRACE(fixture);
        const std::string root = std::string(WRK7_TEST_DATA_DIR "/") + fixture;
        std::vector<std::string> faults;
        const diagnostics::PortReport report = diagnostics::ExamineCopyAt(root, faults);
        PortDoctorDialog dialog;
        dialog.Show(report);
        const QString& shown = dialog.ReportText();
        std::size_t troubles = 0;
        for (const diagnostics::SerialDevice& d : report.devices)
            for (const diagnostics::PortTrouble& t : d.troubles) {
                ++troubles;
                EXPECT_TRUE(shown.contains(Said(t.text)));
                EXPECT_FALSE(shown.contains(QString::fromStdString(t.text.English()))) << t.text.English();
                for (const Message& line : t.remedy) {
                    const QString english = QString::fromStdString(line.English());
                    if (diagnostics::RemedyCommand(line))
                        EXPECT_TRUE(shown.contains(QStringLiteral("    ") + english + '\n')) << line.English();
                    else
                        EXPECT_FALSE(shown.contains(english)) << line.English();
                }
            }
        EXPECT_GT(troubles, 0u);
    }
}

}  // namespace
}  // namespace wrk7
