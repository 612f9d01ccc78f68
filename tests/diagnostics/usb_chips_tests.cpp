// One chip table for Linux's sysfs ids and Windows' hardware ids.
#include <gtest/gtest.h>

#include "diagnostics/usb_chips.h"

namespace wrk7::diagnostics {
namespace {

TEST(ChipFamilyTest, WindowsHardwareIdsNameTheChipAsLinuxDoes) {
    struct Row {
        const char* hardwareId;
        const char* service;
        std::uint16_t vendor, product;
        const char* chip;
    };
    const Row rows[] = {
        {"USB\\VID_1A86&PID_7523&REV_0264", "CH341SER_A64", 0x1a86, 0x7523, "WCH CH340/CH341"},
        {"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", "FTSER2K", 0x0403, 0x6001, "FTDI"},
        {"usb\\vid_067b&pid_2303&rev_0300", "Ser2pl", 0x067b, 0x2303, "Prolific PL2303"},
        {"USB\\VID_10C4&PID_EA60&REV_0100", "silabser", 0x10c4, 0xea60, "Silicon Labs CP210x"},
        {"USB\\VID_1A86&PID_55D4&REV_0443", "usbser", 0x1a86, 0x55d4, "WCH CH9102"},
        {"USB\\VID_2341&PID_0043&REV_0001", "usbser", 0x2341, 0x0043, "CDC ACM"},
        {"USB\\VID_0BDA&PID_8153&REV_3100", "rtux64w10", 0x0bda, 0x8153, ""},
    };
    for (const Row& r : rows) {
        std::uint16_t vendor = 0, product = 0;
        ASSERT_TRUE(ParseHardwareId(r.hardwareId, vendor, product)) << r.hardwareId;
        EXPECT_EQ(vendor, r.vendor) << r.hardwareId;
        EXPECT_EQ(product, r.product) << r.hardwareId;
        EXPECT_EQ(ChipFamily(vendor, product, r.service), r.chip) << r.hardwareId;
    }
    std::uint16_t vendor = 0, product = 0;
    for (const char* bad : {"ACPI\\PNP0501", "USB\\VID_1A8&PID_7523", "USB\\VID_1A86&PID_75", "USB\\VID_GGGG&PID_7523", ""})
        EXPECT_FALSE(ParseHardwareId(bad, vendor, product)) << bad;
    EXPECT_EQ(ChipFamily(0x1a86, 0x7523, "ch341"), "WCH CH340/CH341");
    EXPECT_EQ(ChipFamily(0x2341, 0x0043, "cdc_acm"), "CDC ACM");
    EXPECT_EQ(ChipDriver(0x067b, 0x2303), "pl2303");
    EXPECT_EQ(HexId(0x0403), "0403");
}

}  // namespace
}  // namespace wrk7::diagnostics
