#pragma once

namespace wrk7 {

// The numbers a COM port can have. Linux counts its serial devices as COM
// 1..16, the port dialog's sixteen choices; Windows numbers its own ports,
// and USB adapters often get COM17 and above, up to the 256 its port names
// go to.
inline constexpr int kFirstComPort = 1;
inline constexpr int kLastLinuxComPort = 16;
inline constexpr int kLastWindowsComPort = 256;
#ifdef _WIN32
inline constexpr int kLastComPort = kLastWindowsComPort;
#else
inline constexpr int kLastComPort = kLastLinuxComPort;
#endif

}  // namespace wrk7
