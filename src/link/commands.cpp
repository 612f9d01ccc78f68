#include "link/commands.h"

#include "core/models.h"

namespace wrk7::link {

namespace {

std::string Hex5(int address) {
    static const char* digits = "0123456789ABCDEF";
    std::string out(5, '0');
    for (int i = 4; i >= 0; --i, address >>= 4) out[static_cast<std::size_t>(i)] = digits[address & 0xF];
    return out;
}

}  // namespace

std::string ReadCommand(int address) { return "KV~F" + Hex5(address) + "R\r"; }

std::string WriteCommand(int address, std::string_view data) {
    return "KV~F" + Hex5(address) + "W" + std::string(data) + "\r";
}

std::string ChannelWriteCommand(std::string_view bank, std::string_view position, std::string_view data) {
    return "KV~BC" + std::string(bank) + std::string(position) + "W" + std::string(data) + "\r";
}

std::string IdentificationCommand(int modelIndex) {
    return std::string(Model(modelIndex).identification) + "\r";
}

}  // namespace wrk7::link
