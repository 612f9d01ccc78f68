#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "core/message.h"

namespace wrk7 {

// Bank table: 50 counts that add up to 1000 channels; transfer form is four
// blocks of 16-bit little-endian counts (block 3: banks 48, 49 and four fixed
// words).

// The four blocks of the counts, a total above 1000 clamped at the first bank
// that exceeds it (later banks go as 0) and a count below 0 as 0: what the
// receiver and a clone file take. The image keeps its own counts.
[[nodiscard]] std::array<std::string, 4> EncodeBankTable(const CloneImage& image);
// banks.blocks -> banks.counts (banks 0..49); a missing or bad byte reads as 0 and
// counts above 1000 are kept until the next encode clamps them. Also refreshes
// the remainder in banks.counts[50].
void DecodeBankTable(CloneImage& image);

// Sum of banks 0..49; also stores the remainder to 1000 in banks.counts[50].
int UpdateBankTotal(CloneImage& image);
int BankTotal(const CloneImage& image);
// "The bank table adds up to N; the receiver takes only 1000." for a table
// the receiver would refuse (said before a save, after an open and for a
// write); empty when it adds up to 1000.
std::optional<Message> BankTotalWarning(const CloneImage& image);
// Why a write of part would be refused before anything is sent: the receiver
// takes a write of the settings, the memory or the bank table only with a
// table of 1000 ("Total CH must be 1000" and BankTotalWarning). Empty when
// the write may go.
std::vector<Message> BankTotalRefusal(const CloneImage& image, TransferPart part);

// Scan groups: GroupMember <-> GroupBlock (11 records written, 12 read).
[[nodiscard]] std::string EncodeGroupBlock(const CloneImage& image);
void DecodeGroupBlock(CloneImage& image);

// Row labels of all 1300 slots: "07-012" for bank 7 slot 12, "0A".."49B",
// "S0".."S99", "Pr0".."Pr99". Channels beyond a total below 1000 belong to no
// bank and are labelled "--" + "-" + slot ("---412").
std::array<std::string, kSlotCount> BuildRowLabels(const CloneImage& image);

struct BankPosition {
    int bank = 0;
    int slot = 0;
    bool operator==(const BankPosition&) const = default;
};
std::optional<BankPosition> ChannelToBank(const CloneImage& image, int channel);
std::optional<int> BankToChannel(const CloneImage& image, int bank, int slot);

// Leaving a bank's count box: what the box shows afterwards and whether the
// entry was taken.
enum class CountEntryOutcome {
    kAccepted,  // stored (text normalised: "0050" -> "50")
    kRestored,  // out of 0..1000: box restored silently
    kRefused,   // total would exceed 1000: box restored after the message
};
struct CountEntryResult {
    CountEntryOutcome outcome = CountEntryOutcome::kAccepted;
    std::string boxText;               // the text the box shows now
    std::vector<Message> message;      // lines of the error box, empty if none
    bool clearLink = false;            // the box now reads 0: clear its Link box
};
// boxTexts holds what the 50 count boxes show, with the entry in boxTexts[bank].
// Updates the count and the total in every case, as leaving a count box
// always does. Texts read like the box's digits: empty
// is 0, decimals round half up, any length is safe. A bank outside 0..49
// changes nothing and gives kRestored with an empty text.
CountEntryResult ApplyCountEntry(CloneImage& image, int bank,
                                 const std::array<std::string, kBanks>& boxTexts);

// Raising bank to wanted channels while the total would pass 1000: the
// channels it passes by are taken from from, or when none is named, from the
// last banks that hold any (the last first, never bank itself), so channels
// move between banks in one step. None when bank or from is no bank, wanted
// is outside 0..1000, or those banks hold too few; with nothing to take,
// counts with bank at wanted and no bank taken from.
struct CountMove {
    std::array<int, kBanks> counts{};
    std::vector<std::pair<int, int>> takenFrom;  // (bank, channels), in the order taken
};
std::optional<CountMove> MoveCounts(const BankTable& banks, int bank, int wanted, std::optional<int> from = {});

inline constexpr std::array<MessageId, 2> kBankTotalExceedsMessage{MessageId::kBankTotalExceeds,
                                                                   MessageId::kBankTotalSetBelow};
inline constexpr MessageId kTotalMustBe1000Message = MessageId::kTotalMustBe1000;

}  // namespace wrk7
