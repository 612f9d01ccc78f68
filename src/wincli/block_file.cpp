#include "wincli/block_file.h"

#include <cstdio>
#include <utility>

#include "core/hex.h"
#include "core/memory_map.h"
#include "link/link_operations.h"

namespace wrk7::wincli {

namespace {

constexpr std::size_t kFrameLength = 4 + kBlockDigits;  // CR LF, digits, CR LF
constexpr std::size_t kAddressDigits = 5;

// The address of "KV~F" + 5 digits + "R\r", -1 for any other command.
int ReadAddressOf(std::string_view command) {
    if (command.size() != 4 + kAddressDigits + 2 || command.substr(0, 4) != "KV~F" || command.substr(9) != "R\r")
        return -1;
    const std::string_view digits = command.substr(4, kAddressDigits);
    if (!IsUpperHex(digits)) return -1;
    return static_cast<int>(std::stoul(std::string(digits), nullptr, 16));
}

class RecordingPort final : public link::SerialPort {
public:
    RecordingPort(SerialPort& inner, Blocks& into) : inner_(inner), into_(into) {}
    bool Open() override { return inner_.Open(); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(std::string_view data) override {
        address_ = ReadAddressOf(data);
        answer_.clear();
        return inner_.Write(data);
    }
    std::string ReadAvailable() override {
        std::string got = inner_.ReadAvailable();
        if (address_ < 0 || got.empty()) return got;
        answer_ += got;
        // The answer follows the echo; only a whole frame at its end counts.
        if (answer_.size() >= kFrameLength) {
            const std::string_view frame = std::string_view(answer_).substr(answer_.size() - kFrameLength);
            const std::string_view digits = frame.substr(2, kBlockDigits);
            if (frame.substr(0, 2) == "\r\n" && frame.substr(kFrameLength - 2) == "\r\n" && IsUpperHex(digits))
                into_[address_] = std::string(digits);
        }
        return got;
    }
    Wait WaitForData(link::Clock::time_point deadline) override { return inner_.WaitForData(deadline); }
    void ExpectAtLeast(std::size_t count) override { inner_.ExpectAtLeast(count); }
    bool HasFault() const override { return inner_.HasFault(); }
    std::string ErrorText() const override { return inner_.ErrorText(); }
    std::string Name() const override { return inner_.Name(); }
    std::string LineNotes() const override { return inner_.LineNotes(); }

private:
    SerialPort& inner_;
    Blocks& into_;
    int address_ = -1;
    std::string answer_;
};

// A receiver that never waits: it echoes each command and answers a read
// from the blocks, anything else with OK.
class ReplayPort final : public link::SerialPort {
public:
    explicit ReplayPort(const Blocks& blocks) : blocks_(blocks) {}
    bool Open() override { return open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(std::string_view data) override {
        pending_ += data;
        const auto found = blocks_.find(ReadAddressOf(data));
        pending_ += found == blocks_.end() ? std::string("\r\nOK\r\n") : "\r\n" + found->second + "\r\n";
        return true;
    }
    std::string ReadAvailable() override { return std::exchange(pending_, {}); }
    Wait WaitForData(link::Clock::time_point) override { return pending_.empty() ? Wait::kTimeout : Wait::kData; }
    bool HasFault() const override { return false; }
    std::string ErrorText() const override { return {}; }
    std::string Name() const override { return "image file"; }

private:
    const Blocks& blocks_;
    std::string pending_;
    bool open_ = false;
};

}  // namespace

const std::vector<int>& FullReadAddresses() {
    static const std::vector<int> addresses = [] {
        std::vector<int> out;
        for (const MemoryArea& area : kMemoryMap)
            if (!area.readBy.Empty())
                for (int k = 0; k < area.blocks; ++k) out.push_back(BlockAddress(area.area, k));
        return out;
    }();
    return addresses;
}

std::unique_ptr<link::SerialPort> MakeRecordingPort(link::SerialPort& inner, Blocks& into) {
    return std::make_unique<RecordingPort>(inner, into);
}

std::string BlocksText(const Blocks& blocks) {
    std::string out;
    for (const auto& [address, digits] : blocks) {
        char head[16];
        std::snprintf(head, sizeof head, "%05X ", static_cast<unsigned>(address));
        out += head + digits + "\n";
    }
    return out;
}

std::optional<Blocks> ParseBlocksText(std::string_view text, std::string& why) {
    Blocks blocks;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::string_view digits = line.substr(std::min(line.size(), kAddressDigits + 1));
        if (line.size() != kAddressDigits + 1 + kBlockDigits || line[kAddressDigits] != ' ' ||
            !IsUpperHex(line.substr(0, kAddressDigits)) || !IsUpperHex(digits)) {
            why = "line " + std::to_string(number) + ": not ADDRESS and 64 hex digits";
            return std::nullopt;
        }
        blocks[ReadAddressOf("KV~F" + std::string(line.substr(0, kAddressDigits)) + "R\r")] = std::string(digits);
    }
    for (int address : FullReadAddresses()) {
        if (blocks.count(address)) continue;
        char text5[8];
        std::snprintf(text5, sizeof text5, "%05X", static_cast<unsigned>(address));
        why = std::string("block ") + text5 + " is missing";
        return std::nullopt;
    }
    return blocks;
}

bool ImageFromBlocks(CloneImage& image, const Blocks& blocks) {
    ReplayPort port(blocks);
    link::LinkOptions options;
    options.maxTries = 1;
    return link::RunRead(link::Part::kAll, image, port, options).ok();
}

}  // namespace wrk7::wincli
