#include "edit/bank.h"

#include <algorithm>
#include <cstdint>

#include "core/hex.h"
#include "core/slot_areas.h"

namespace wrk7 {

namespace {

constexpr int kBankTotal = 1000;
constexpr int kBanksPerBlock = 16;
constexpr int kDigitsPerCount = 4;
constexpr std::string_view kBankBlockTail = "6400640064001400";

constexpr int kRecordBits = 64;
constexpr int kGroupBits = 50;  // banks 0..49 per record
constexpr int kGroupRecordsWritten = kGroups;     // records 0..10
constexpr int kGroupMarkerBit = 53;               // always set in the last record

// A count as four hex digits, low byte first (0x012C -> "2C01").
std::string CountHex(int count) {
    const int v = std::clamp(count, 0, 0xFFFF);
    return ByteHex(v & 0xFF) + ByteHex(v >> 8);
}

// Four digits low byte first back to the count; a missing or bad byte reads 0.
int CountFromHex(std::string_view block, std::size_t pos) {
    const int lo = HexByteAt(block, pos).value_or(0);
    const int hi = HexByteAt(block, pos + 2).value_or(0);
    return hi * 256 + lo;
}

// Value of the hex digit at pos, 0 for a missing or bad digit.
int DigitAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    const char c = text[pos];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

std::string Padded(int value, int width) {
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

// The numbers a count box can hold, read the way the box is read: leading
// blanks, an optional sign, digits, optional decimals; anything after that is
// ignored and no number at all reads 0. The result is rounded half away from
// zero and saturated, so a digit string of any length cannot overflow.
long long ReadBoxNumber(std::string_view text) {
    constexpr long long kCap = 1'000'000'000'000LL;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long whole = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        whole = std::min(kCap, whole * 10 + (text[i] - '0'));
    if (i < text.size() && text[i] == '.' && i + 1 < text.size() && text[i + 1] >= '5' &&
        text[i + 1] <= '9')
        whole = std::min(kCap, whole + 1);
    return negative ? -whole : whole;
}

}  // namespace

int BankTotal(const CloneImage& image) {
    long long sum = 0;
    for (int b = 0; b < kBanks; ++b) sum += image.banks.counts[b];
    return static_cast<int>(std::clamp<long long>(sum, INT32_MIN, INT32_MAX));
}

std::optional<Message> BankTotalWarning(const CloneImage& image) {
    const int total = BankTotal(image);
    if (total == kBankTotal) return std::nullopt;
    return Say(MessageId::kBankTotalWarning, total, kBankTotal);
}

std::vector<Message> BankTotalRefusal(const CloneImage& image, TransferPart part) {
    if (part == TransferPart::kGroups) return {};
    const std::optional<Message> warning = BankTotalWarning(image);
    if (!warning) return {};
    return {Say(kTotalMustBe1000Message), *warning};
}

int UpdateBankTotal(CloneImage& image) {
    const int sum = BankTotal(image);
    image.banks.counts[kBanks] = sum >= kBankTotal ? 0 : kBankTotal - sum;
    return sum;
}

std::array<std::string, 4> EncodeBankTable(const CloneImage& image) {
    // A count below zero cannot come from the receiver or a file; it is taken
    // as an empty bank so the block never carries a wrapped value.
    std::array<int, kBanks> counts{};
    std::copy_n(image.banks.counts.begin(), kBanks, counts.begin());
    int running = 0;
    bool clamped = false;
    for (int b = 0; b < kBanks; ++b) {
        int& count = counts[b];
        if (count < 0) count = 0;
        if (clamped) {
            count = 0;
            continue;
        }
        if (count > kBankTotal - running) {
            count = kBankTotal - running;
            clamped = true;
        }
        running += count;
    }

    std::array<std::string, 4> blocks;
    for (int block = 0; block < 4; ++block) {
        std::string& text = blocks[block];
        for (int j = 0; j < kBanksPerBlock && block * kBanksPerBlock + j < kBanks; ++j)
            text += CountHex(counts[block * kBanksPerBlock + j]);
        if (block == 3) text += kBankBlockTail;
    }
    return blocks;
}

void DecodeBankTable(CloneImage& image) {
    for (int block = 0; block < 4; ++block) {
        for (int j = 0; j < kBanksPerBlock && block * kBanksPerBlock + j < kBanks; ++j) {
            image.banks.counts[block * kBanksPerBlock + j] = CountFromHex(
                image.banks.blocks[block], static_cast<std::size_t>(j * kDigitsPerCount));
        }
    }
    UpdateBankTotal(image);
}

std::string EncodeGroupBlock(const CloneImage& image) {
    std::string text;
    text.reserve(kGroupRecordsWritten * kRecordBits / 4);
    for (int g = 0; g < kGroupRecordsWritten; ++g) {
        std::uint64_t record = 0;  // bit k of the record is bit 63 - k here
        for (int b = 0; b < kGroupBits; ++b)
            if (image.groups.members[g][b]) record |= std::uint64_t{1} << (63 - b);
        if (g == kGroupRecordsWritten - 1) record |= std::uint64_t{1} << (63 - kGroupMarkerBit);
        for (int byte = 0; byte < 8; ++byte)
            text += ByteHex(static_cast<int>((record >> (56 - 8 * byte)) & 0xFF));
    }
    return text;
}

void DecodeGroupBlock(CloneImage& image) {
    const std::string_view text = image.groups.block;
    for (int g = 1; g < kGroups; ++g) {
        for (int b = 0; b < kGroupBits; ++b) {
            const int bit = g * kRecordBits + b;
            const int digit = DigitAt(text, static_cast<std::size_t>(bit / 4));
            image.groups.members[g][b] = ((digit >> (3 - bit % 4)) & 1) != 0;
        }
    }
}

std::array<std::string, kSlotCount> BuildRowLabels(const CloneImage& image) {
    std::array<std::string, kSlotCount> labels;
    int bank = 0;
    int inBank = 0;  // slot within the current bank
    for (int c = 0; c < kChannelCount; ++c) {
        while (bank < kBanks && inBank >= image.banks.counts[bank]) {
            ++bank;
            inBank = 0;
        }
        // Channels past a total below 1000 belong to no bank; their label
        // still tells the row apart.
        if (bank < kBanks) {
            labels[c] = Padded(bank, 2) + "-" + Padded(inBank++, 3);
        } else {
            labels[c] = "---";
            labels[c] += Padded(c, 3);
        }
    }
    for (int slot = kChannelCount; slot < kSlotCount; ++slot) labels[slot] = UpperRowLabel(slot);
    return labels;
}

std::optional<BankPosition> ChannelToBank(const CloneImage& image, int channel) {
    if (channel < 0 || channel >= kChannelCount) return std::nullopt;
    long long start = 0;
    for (int b = 0; b < kBanks; ++b) {
        const long long count = std::max(0, image.banks.counts[b]);
        if (channel < start + count) return BankPosition{b, static_cast<int>(channel - start)};
        start += count;
    }
    return std::nullopt;
}

std::optional<int> BankToChannel(const CloneImage& image, int bank, int slot) {
    if (bank < 0 || bank >= kBanks || slot < 0 || slot >= image.banks.counts[bank]) return std::nullopt;
    long long start = 0;
    for (int b = 0; b < bank; ++b) start += std::max(0, image.banks.counts[b]);
    const long long channel = start + slot;
    if (channel >= kChannelCount) return std::nullopt;
    return static_cast<int>(channel);
}

std::optional<CountMove> MoveCounts(const BankTable& banks, int bank, int wanted, std::optional<int> from) {
    const auto valid = [](int b) { return b >= 0 && b < kBanks; };
    if (!valid(bank) || wanted < 0 || wanted > kBankTotal || (from && (!valid(*from) || *from == bank)))
        return std::nullopt;
    CountMove move;
    long long total = 0;
    for (int b = 0; b < kBanks; ++b) {
        move.counts[static_cast<std::size_t>(b)] = std::max(banks.counts[static_cast<std::size_t>(b)], 0);
        if (b != bank) total += move.counts[static_cast<std::size_t>(b)];
    }
    move.counts[static_cast<std::size_t>(bank)] = wanted;
    long long excess = total + wanted - kBankTotal;
    for (int b = from ? *from : kBanks - 1; excess > 0 && b >= 0; --b) {
        if (b == bank) continue;
        int& count = move.counts[static_cast<std::size_t>(b)];
        const int taken = static_cast<int>(std::min<long long>(count, excess));
        if (taken > 0) {
            count -= taken;
            excess -= taken;
            move.takenFrom.emplace_back(b, taken);
        }
        if (from) break;
    }
    if (excess > 0) return std::nullopt;
    return move;
}

CountEntryResult ApplyCountEntry(CloneImage& image, int bank,
                                 const std::array<std::string, kBanks>& boxTexts) {
    CountEntryResult result;
    if (bank < 0 || bank >= kBanks) {
        result.outcome = CountEntryOutcome::kRestored;
        return result;
    }
    const long long v = ReadBoxNumber(boxTexts[bank]);
    if (v < 0 || v > kBankTotal) {
        result.outcome = CountEntryOutcome::kRestored;
        result.boxText = image.BankText(bank);
    } else {
        long long sum = 0;
        for (const auto& t : boxTexts) sum += ReadBoxNumber(t);
        if (sum <= kBankTotal) {
            image.banks.counts[bank] = static_cast<int>(v);
            result.outcome = CountEntryOutcome::kAccepted;
        } else {
            result.outcome = CountEntryOutcome::kRefused;
            for (const MessageId id : kBankTotalExceedsMessage) result.message.push_back(Say(id));
        }
        result.boxText = image.BankText(bank);
    }
    result.clearLink = ReadBoxNumber(result.boxText) == 0;
    UpdateBankTotal(image);
    return result;
}

}  // namespace wrk7
