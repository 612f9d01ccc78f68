#pragma once
#include <string>

namespace wrk7::link {

// udev links every USB serial adapter under this folder by its make, model
// and serial number, and that name stays the same whichever ttyUSB number
// the kernel hands out on a given day.
inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

// The link in folder that resolves to the same device as device (a full
// path), or "" when none does, the folder is missing or device does not
// exist. When several links match, the first by name wins.
std::string StableNameForDevice(const std::string& device, const std::string& folder = kSerialByIdFolder);

}  // namespace wrk7::link
