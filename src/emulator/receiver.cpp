#include "emulator/receiver.h"

#include <algorithm>
#include <charconv>

#include "core/hex.h"
#include "core/memory_map.h"
#include "core/models.h"
#include "core/tables.h"

namespace wrk7::emu {

namespace {

constexpr std::string_view kOk = "\r\nOK\r\n";
constexpr std::string_view kRe = "\r\nRE\r\n";
constexpr std::size_t kLongestLine = 256;  // a longer line without CR is noise

// The enable map's bytes: 1300 bits, the last byte half used.
constexpr int kFlagBytes = (AreaOf(Area::kChannelFlags).dataDigits + 1) / 2;

bool ParseCount(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool ParseHexNumber(std::string_view text, int& value) {
    if (text.empty() || !IsUpperHex(text)) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseDecimalDigits(std::string_view text, int& value) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return ParseCount(text, value);
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

bool AddFault(FaultPlan& plan, std::string_view text, std::string& error) {
    const auto eq = text.find('=');
    const std::string_view name = text.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : text.substr(eq + 1);
    const bool hasValue = eq != std::string_view::npos;
    auto number = [&](int& out) {
        if (!hasValue || !ParseCount(value, out)) {
            error = "fault " + std::string(name) + " needs a whole number: " + std::string(text);
            return false;
        }
        return true;
    };
    int n = 0;
    if (name == "refuse-id" && !hasValue) {
        plan.refuseId = true;
    } else if (name == "split" && !hasValue) {
        plan.split = true;
    } else if (name == "silent-after") {
        if (!number(n)) return false;
        plan.silentAfter = n;
    } else if (name == "drop") {
        if (!number(n)) return false;
        plan.drop.insert(n);
    } else if (name == "garbage") {
        if (!number(n)) return false;
        plan.garbage.insert(n);
    } else if (name == "delay-ms") {
        if (!number(n)) return false;
        plan.delayMs = n;
    } else if (name == "hangup-after") {
        if (!number(n)) return false;
        plan.hangupAfter = n;
    } else if (name == "keep-wrong") {
        if (!number(n) || n == 0) {
            error = "fault keep-wrong needs a channel write's number from 1: " + std::string(text);
            return false;
        }
        plan.keepWrong = n;
    } else if (name == "re-on") {
        const std::string key = Upper(value);
        int dummy = 0;
        const bool address = key.size() == 5 && ParseHexNumber(key, dummy);
        const bool channel = key.size() == 7 && key.rfind("BC", 0) == 0 &&
                             ParseDecimalDigits(std::string_view(key).substr(2), dummy);
        if (!address && !channel) {
            error = "fault re-on needs a 5-digit hex address or BCbbppp: " + std::string(text);
            return false;
        }
        plan.reOn.insert(key);
    } else {
        error = "unknown fault: " + std::string(text);
        return false;
    }
    return true;
}

Receiver::Receiver(int model) : model_(model) {
    memory_.fill(0xFF);
    LatchBankTable();
}

void Receiver::LatchBankTable() {
    const int table = AreaOf(Area::kBankTable).address;
    for (int b = 0; b < kBanks; ++b) latchedCounts_[b] = memory_[table + 2 * b] | (memory_[table + 2 * b + 1] << 8);
}

int Receiver::SlotOf(int bankCode, int position) const {
    if (position < 0) return -1;
    if (bankCode >= kBanks) return UpperSlotOf(bankCode, position);
    if (bankCode < 0) return -1;
    int first = 0;
    for (int b = 0; b < bankCode; ++b) first += latchedCounts_[b];
    if (position >= latchedCounts_[bankCode] || first + position >= kChannelCount) return -1;
    return first + position;
}

std::vector<Piece> Receiver::Receive(std::string_view bytes) {
    std::vector<Piece> out;
    auto emit = [&](std::string_view text, std::chrono::microseconds delay) {
        if (text.empty()) return;
        if (delay.count() == 0 && !out.empty()) {
            out.back().bytes += text;
            return;
        }
        out.push_back({std::string(text), delay});
    };
    for (char c : bytes) {
        if (hungUp_) break;
        // The command being received; past the silent limit nothing comes back,
        // not even the echo, but the command is still logged as received.
        const bool silent = faults_.silentAfter >= 0 && CommandCount() + 1 > faults_.silentAfter;
        if (!silent) emit(std::string_view(&c, 1), std::chrono::microseconds(0));
        if (c != '\r') {
            line_ += c;
            if (line_.size() > kLongestLine) line_.clear();
            continue;
        }
        const std::string command = std::move(line_);
        line_.clear();
        log_.push_back(command);
        const int number = CommandCount();
        // A dropped command is ignored as a whole: no answer and no effect.
        std::string reply = silent || faults_.drop.count(number) ? std::string() : Answer(command);
        if (!reply.empty() && faults_.garbage.count(number)) {
            // The frame still ends in CR LF, so the host stops waiting at once
            // and has to judge the content.
            reply[0] = '?';
            reply[1] = '?';
            if (reply.size() == kOk.size()) reply[3] = 'X';
        }
        const auto delay = std::chrono::microseconds(1000LL * faults_.delayMs);
        if (faults_.split && !reply.empty()) {
            std::uniform_int_distribution<int> size(1, 7), gap(50, 400);
            std::size_t pos = 0;
            bool first = true;
            while (pos < reply.size()) {
                const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size(random_)), reply.size() - pos);
                out.push_back({reply.substr(pos, n),
                               (first ? delay : std::chrono::microseconds(0)) + std::chrono::microseconds(gap(random_))});
                first = false;
                pos += n;
            }
        } else if (!reply.empty()) {
            out.push_back({reply, delay});
        }
        if (faults_.hangupAfter >= 0 && number >= faults_.hangupAfter) hungUp_ = true;
    }
    return out;
}

bool Receiver::RefusedByFault(const std::string& key) const { return faults_.reOn.count(key) != 0; }

std::string Receiver::Answer(const std::string& command) {
    if (command.rfind("KV~WR-", 0) == 0) {
        identified_ = command == wrk7::Model(model_).identification && !faults_.refuseId;
        return std::string(identified_ ? kOk : kRe);
    }
    if (!identified_) return std::string(kRe);
    if (command == "KV~IM") {
        const MemoryArea& channels = AreaOf(Area::kChannelRecords);
        std::fill_n(memory_.begin() + channels.address, channels.blocks * kBlockBytes, 0xFF);
        std::fill_n(memory_.begin() + AreaOf(Area::kChannelFlags).address, kFlagBytes, 0);
        LatchBankTable();
        return std::string(kOk);
    }
    if (command == "KV~FINISH") {
        identified_ = false;
        return std::string(kOk);
    }
    if (command.rfind("KV~F", 0) == 0) return HandleBlock(command);
    if (command.rfind("KV~BC", 0) == 0) return HandleChannel(command);
    return std::string(kRe);
}

std::string Receiver::HandleBlock(const std::string& command) {
    // KV~F aaaaa R | KV~F aaaaa W dd...
    if (command.size() < 10) return std::string(kRe);
    const std::string addressText = command.substr(4, 5);
    int address = 0;
    if (!ParseHexNumber(addressText, address) || address >= static_cast<int>(kMemorySize)) return std::string(kRe);
    const char op = command[9];
    if (op == 'R' && command.size() == 10) {
        std::string reply = "\r\n";
        for (int k = 0; k < kBlockBytes; ++k)
            reply += ByteHex(memory_[static_cast<std::size_t>(address + k) % kMemorySize]);
        return reply + "\r\n";
    }
    if (op != 'W') return std::string(kRe);
    const std::string_view data = std::string_view(command).substr(10);
    if (data.empty() || data.size() % 2 != 0 || data.size() > 64 || !IsUpperHex(data)) return std::string(kRe);
    if (RefusedByFault(addressText)) return std::string(kRe);
    for (std::size_t k = 0; k < data.size() / 2; ++k)
        memory_[(static_cast<std::size_t>(address) + k) % kMemorySize] = static_cast<std::uint8_t>(*HexByteAt(data, 2 * k));
    return std::string(kOk);
}

std::string Receiver::HandleChannel(const std::string& command) {
    // KV~BC bb ppp W + 64 digits
    if (command.size() != 5 + 2 + 3 + 1 + 64 || command[10] != 'W') return std::string(kRe);
    int bank = 0, position = 0;
    if (!ParseDecimalDigits(std::string_view(command).substr(5, 2), bank) ||
        !ParseDecimalDigits(std::string_view(command).substr(7, 3), position))
        return std::string(kRe);
    const std::string_view data = std::string_view(command).substr(11);
    if (!IsUpperHex(data)) return std::string(kRe);
    if (RefusedByFault(command.substr(3, 7))) return std::string(kRe);
    const int slot = SlotOf(bank, position);
    if (slot < 0) return std::string(kRe);
    const std::size_t base = static_cast<std::size_t>(BlockAddress(Area::kChannelRecords, slot));
    for (std::size_t k = 0; k < 32; ++k) memory_[base + k] = static_cast<std::uint8_t>(*HexByteAt(data, 2 * k));
    // A few hertz off, as a record garbled on its way into the memory would
    // be: the acknowledgement cannot tell, only a read back can.
    if (++channelWrites_ == faults_.keepWrong) memory_[base] ^= 0x10;
    const bool used = data.substr(0, 8) != "FFFFFFFF";
    std::uint8_t& flags = memory_[static_cast<std::size_t>(AreaOf(Area::kChannelFlags).address + slot / 8)];
    const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (slot % 8));
    flags = used ? static_cast<std::uint8_t>(flags | bit) : static_cast<std::uint8_t>(flags & ~bit);
    return std::string(kOk);
}

}  // namespace wrk7::emu
