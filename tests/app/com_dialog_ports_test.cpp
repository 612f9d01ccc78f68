// The port dialog with the ports Windows lists: rows by the system's own
// names, past COM16, each with what stands behind it; and back to Linux's
// sixteen numbers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/transfer/com_dialog.h"
#include "app/transfer/kept_adapter.h"
#include "files/preferences.h"

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

diagnostics::SerialDevice Ftdi(const std::string& port) {
    diagnostics::SerialDevice d;
    d.path = port;
    d.usb = "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000";
    d.vendor = 0x0403;
    d.product = 0x6001;
    d.serial = "A50285BIA";
    d.description = "USB Serial Port";
    d.chip = "FTDI";
    return d;
}

TEST(ComDialogPortsTest, KeepsTheChosenAdapterByWhatItIs) {
    ComDialog dialog;
    diagnostics::PortReport report{true, {Ftdi("COM7")}};
    dialog.listPorts = [&](int kept) { return diagnostics::WindowsPortListing({"COM1", "COM7"}, report, kept); };
    QCheckBox* keep = dialog.KeepAdapterBox();
    dialog.Prepare(7, QStringLiteral("COM7"));
    EXPECT_TRUE(dialog.DeviceLabel(7)->text().startsWith("USB Serial Port (FTDI, serial A50285BIA)"))
        << dialog.DeviceLabel(7)->text().toStdString();
    EXPECT_TRUE(keep->isEnabled());
    EXPECT_FALSE(keep->isChecked()) << "nothing kept yet";
    dialog.Choice(1)->click();
    EXPECT_FALSE(keep->isEnabled()) << "COM1 has no adapter to keep";
    dialog.Choice(7)->click();
    keep->click();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog.ChosenAdapter().serial, "A50285BIA");

    // Unplugged: its old number, with nothing behind it, keeps it kept.
    const diagnostics::AdapterIdentity kept = dialog.ChosenAdapter();
    report.devices.clear();
    dialog.Prepare(7, QStringLiteral("COM7"), {}, kept);
    EXPECT_TRUE(keep->isChecked());
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog.ChosenAdapter(), kept);
}

TEST(ComDialogPortsTest, TheKeptAdapterIsStoredAndFollowed) {
    QTemporaryDir dir;
    const diagnostics::AdapterIdentity kept = diagnostics::IdentityOf(Ftdi("COM7"));
    {
        QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
        SaveKeptAdapter(store, kept);
    }
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    EXPECT_EQ(LoadKeptAdapter(store), kept);
    store.setValue(SettingsKey(kAdapterUsbIdKey), "0403");
    EXPECT_TRUE(LoadKeptAdapter(store).Empty()) << "a damaged entry keeps nothing";

    diagnostics::PortReport now{true, {Ftdi("COM12")}};
    const PortSystem system{[&] { return now; }, [](int n) { return n == 3 ? std::string("COM3") : std::string(); },
                            [](const std::string& device) { return device == "COM12" ? 12 : 0; }};
    AdapterFollowUp follow = FollowKeptAdapter(kept, 7, system);
    EXPECT_EQ(follow.step, AdapterFollowUp::Step::kMoved);
    EXPECT_EQ(follow.number, 12);
    EXPECT_TRUE(follow.status.contains("COM12") && follow.status.contains("COM7")) << follow.status.toStdString();
    now.devices = {};
    EXPECT_EQ(FollowKeptAdapter(kept, 3, system).step, AdapterFollowUp::Step::kAsk) << "COM3 now leads elsewhere";
    EXPECT_EQ(FollowKeptAdapter(kept, 7, system).step, AdapterFollowUp::Step::kRefuse);
    EXPECT_EQ(FollowKeptAdapter({}, 7, system).step, AdapterFollowUp::Step::kGoOn);
}

}  // namespace
}  // namespace wrk7
