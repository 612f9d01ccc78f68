// Adapters' stable names: the by-id link that resolves to a device.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/serial_by_id.h"

namespace wrk7::link {
namespace {

namespace fs = std::filesystem;

TEST(SerialById, FindsTheLinkThatResolvesToTheDevice) {
    const fs::path root = fs::temp_directory_path() / ("wrk7-by-id-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "by-id");
    std::ofstream(root / "ttyUSB0").put('x');
    std::ofstream(root / "ttyUSB1").put('x');
    // udev makes relative links; a pulled adapter can leave one dangling.
    fs::create_symlink("../ttyUSB1", root / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    fs::create_symlink("../ttyUSB9", root / "by-id" / "usb-Prolific_gone-if00-port0");
    fs::create_symlink(root / "ttyUSB1", root / "alias");
    const std::string folder = (root / "by-id").string();
    const std::string ftdi = (root / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0").string();

    EXPECT_EQ(StableNameForDevice((root / "ttyUSB1").string(), folder), ftdi);
    EXPECT_EQ(StableNameForDevice((root / "alias").string(), folder), ftdi) << "the device given through a link";
    EXPECT_EQ(StableNameForDevice(ftdi, folder), ftdi) << "a by-id path names itself";
    EXPECT_EQ(StableNameForDevice((root / "ttyUSB0").string(), folder), "") << "no link to it";
    EXPECT_EQ(StableNameForDevice((root / "ttyUSB9").string(), folder), "") << "no such device";
    EXPECT_EQ(StableNameForDevice("", folder), "");
    EXPECT_EQ(StableNameForDevice((root / "ttyUSB1").string(), (root / "none").string()), "") << "no by-id folder";
    fs::remove_all(root);
}

}  // namespace
}  // namespace wrk7::link
