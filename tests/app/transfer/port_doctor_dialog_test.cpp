// What the Port Check dialog adds to the doctor (tests/link): it shows a
// fixture system's devices with their troubles, and Copy hands the whole
// report over.
#include <QClipboard>
#include <QPushButton>
#include <QTextEdit>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/transfer/port_doctor_dialog.h"

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
}

}  // namespace
}  // namespace wrk7
