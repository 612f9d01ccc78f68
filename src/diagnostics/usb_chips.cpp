#include "diagnostics/usb_chips.h"

#include <cctype>

#include "diagnostics/system_view.h"

namespace wrk7::diagnostics {

namespace {

struct ChipRow {
    std::uint16_t vendor;
    std::uint16_t product;  // 0: every product of the vendor not named before
    const char* family;
    const char* driver;
};

// WCH's newer chips speak the modem class and need no driver of their own.
constexpr ChipRow kChips[] = {
    {0x1a86, 0x55d3, "WCH CH343", "cdc_acm"},
    {0x1a86, 0x55d4, "WCH CH9102", "cdc_acm"},
    {0x0403, 0, "FTDI", "ftdi_sio"},
    {0x067b, 0, "Prolific PL2303", "pl2303"},
    {0x1a86, 0, "WCH CH340/CH341", "ch341"},
    {0x10c4, 0, "Silicon Labs CP210x", "cp210x"},
};

const ChipRow* FindChip(std::uint16_t vendor, std::uint16_t product) {
    for (const ChipRow& row : kChips)
        if (row.vendor == vendor && (row.product == 0 || row.product == product)) return &row;
    return nullptr;
}

}  // namespace

std::string ChipFamily(std::uint16_t vendor, std::uint16_t product, const std::string& driver) {
    if (const ChipRow* row = FindChip(vendor, product)) return row->family;
    const std::string d = Lower(driver);
    return d == "cdc_acm" || d == "usbser" ? "CDC ACM" : "";
}

std::string ChipDriver(std::uint16_t vendor, std::uint16_t product) {
    const ChipRow* row = FindChip(vendor, product);
    return row ? row->driver : "";
}

bool KnownChip(std::uint16_t vendor, std::uint16_t product) { return FindChip(vendor, product) != nullptr; }

bool ParseHardwareId(const std::string& id, std::uint16_t& vendor, std::uint16_t& product) {
    const std::string upper = [&] {
        std::string u = id;
        for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return u;
    }();
    const auto v = upper.find("VID_");
    const auto p = upper.find("PID_");
    if (v == std::string::npos || p == std::string::npos) return false;
    const auto vid = ParseHexId(upper.substr(v + 4, 4));
    const auto pid = ParseHexId(upper.substr(p + 4, 4));
    if (!vid || !pid || upper.size() < p + 8 || upper.size() < v + 8) return false;
    vendor = *vid;
    product = *pid;
    return true;
}

std::string HexId(std::uint16_t id) {
    static const char digits[] = "0123456789abcdef";
    std::string out(4, '0');
    for (int i = 3; i >= 0; --i, id = static_cast<std::uint16_t>(id >> 4)) out[static_cast<std::size_t>(i)] = digits[id & 15];
    return out;
}

std::optional<std::uint16_t> ParseHexId(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace wrk7::diagnostics
