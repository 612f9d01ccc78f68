#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace wrk7::diagnostics {

// The family of a USB serial chip: "FTDI", "Prolific PL2303", "WCH
// CH340/CH341", "Silicon Labs CP210x", or "CDC ACM" for a device of the
// modem class (driver cdc_acm on Linux, usbser on Windows); "" when
// unknown. One table for Linux and Windows, so both name a chip alike.
std::string ChipFamily(std::uint16_t vendor, std::uint16_t product, const std::string& driver);
// The Linux driver that makes ports for that chip ("ch341"), "" when unknown.
std::string ChipDriver(std::uint16_t vendor, std::uint16_t product);
// Whether the table knows the chip.
bool KnownChip(std::uint16_t vendor, std::uint16_t product);
// Vendor and product of a Windows hardware id ("USB\VID_1A86&PID_7523&REV_0264",
// or FTDI's own "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000"); false when
// it names none.
bool ParseHardwareId(const std::string& id, std::uint16_t& vendor, std::uint16_t& product);
std::string HexId(std::uint16_t id);  // "1a86", as sysfs and udev write it
// An id of up to four hex digits, either case ("1A86", "55d4").
std::optional<std::uint16_t> ParseHexId(const std::string& text);

}  // namespace wrk7::diagnostics
