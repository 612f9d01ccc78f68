#pragma once
#include <string>
#include <string_view>

namespace wrk7::link {

// Command texts, CR included.
std::string ReadCommand(int address);                          // "KV~F00A00R\r"
std::string WriteCommand(int address, std::string_view data);  // "KV~F00100W...\r"
std::string ChannelWriteCommand(std::string_view bank, std::string_view position, std::string_view data);
std::string IdentificationCommand(int modelIndex);            // "KV~WR-K7J\r"; other values give K70K
inline constexpr std::string_view kOpeningWrite = "KV~F0FD01W00\r";
inline constexpr std::string_view kImCommand = "KV~IM\r";
inline constexpr std::string_view kFinishCommand = "KV~FINISH\r";

}  // namespace wrk7::link
