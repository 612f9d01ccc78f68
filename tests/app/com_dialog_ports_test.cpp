// The port dialog with the ports Windows lists: rows by the system's own
// names, past COM16, each with what stands behind it; and back to Linux's
// sixteen numbers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/transfer/com_dialog.h"

namespace wrk7 {
namespace {

std::vector<diagnostics::PortListing> WindowsLike(const std::vector<int>& numbers, int kept) {
    std::vector<std::string> names;
    for (const int n : numbers) names.push_back("COM" + std::to_string(n));
    diagnostics::PortReport report;
    diagnostics::SerialDevice adapter;
    adapter.path = "COM19";
    adapter.description = "USB-SERIAL CH340 (COM19)";
    report.devices = {adapter};
    return diagnostics::WindowsPortListing(names, report, kept);
}

TEST(ComDialogPortsTest, ListsEachWindowsPortByItsNameAndChoosesPastSixteen) {
    ComDialog dialog;
    dialog.listPorts = [](int kept) { return WindowsLike({3, 19, 200}, kept); };
    struct Case {
        int saved;
        std::vector<int> listed;
        const char* selected;
    };
    const Case cases[] = {
        {19, {3, 19, 200}, "COM19"},
        {200, {3, 19, 200}, "COM200"},
        {7, {3, 7, 19, 200}, "COM7"},  // the saved port, gone meanwhile, stays a choice
    };
    for (const Case& c : cases) {
        dialog.Prepare(c.saved, QStringLiteral("COM%1").arg(c.saved));
        EXPECT_EQ(dialog.ListedPorts(), c.listed) << c.saved;
        EXPECT_EQ(dialog.SelectedPortText(), QString::fromLatin1(c.selected)) << c.saved;
    }
    ASSERT_NE(dialog.Choice(19), nullptr);
    EXPECT_EQ(dialog.Choice(19)->text(), "COM19");
    EXPECT_EQ(dialog.Choice(4), nullptr);
    EXPECT_EQ(dialog.Choice(16), nullptr);
    // The adapter first; what the doctor says of it depends on the machine the test runs on.
    EXPECT_TRUE(dialog.DeviceLabel(19)->text().startsWith("USB-SERIAL CH340 (COM19)"))
        << dialog.DeviceLabel(19)->text().toStdString();
    EXPECT_EQ(dialog.DeviceLabel(7)->text(), "(no device on this machine)");

    dialog.Choice(200)->click();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog.ChosenPort(), 200);
    EXPECT_TRUE(dialog.ChosenDevicePath().isEmpty());
}

TEST(ComDialogPortsTest, ManyPortsScrollAndLinuxKeepsItsSixteen) {
    ComDialog dialog;
    std::vector<int> many;
    for (int n = 1; n <= 40; ++n) many.push_back(n * 6);  // COM6 ... COM240
    dialog.listPorts = [&many](int kept) { return WindowsLike(many, kept); };
    dialog.Prepare(240, QStringLiteral("COM240"));
    EXPECT_EQ(dialog.ListedPorts().size(), 40u);
    EXPECT_EQ(dialog.SelectedPortText(), "COM240");
    // Sixteen rows show, the rest scroll: far less than forty rows tall.
    EXPECT_LT(dialog.sizeHint().height(), 30 * dialog.Choice(6)->sizeHint().height());

    dialog.listPorts = {};
    dialog.deviceForPort = [](int n) { return n == 2 ? std::string("/dev/ttyUSB0") : std::string(); };
    dialog.Prepare(2, QStringLiteral("COM2"));
    std::vector<int> sixteen;
    for (int n = 1; n <= 16; ++n) sixteen.push_back(n);
    EXPECT_EQ(dialog.ListedPorts(), sixteen);
    EXPECT_EQ(dialog.Choice(2)->text(), "COM  2");
    EXPECT_EQ(dialog.Choice(2)->objectName(), "optCOM1");
    EXPECT_EQ(dialog.SelectedPortText(), "COM2");
    EXPECT_EQ(dialog.Choice(19), nullptr);
}

}  // namespace
}  // namespace wrk7
