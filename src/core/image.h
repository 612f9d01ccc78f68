#pragma once
#include <array>
#include <string>

#include "core/set_mode_settings.h"
#include "core/tables.h"

namespace wrk7 {

// Field numbers of a memory slot and of a VFO band (VFO bands use 0..10).
enum Field : int {
    kFreq = 0,     // MHz, 0 = empty
    kMode = 1,     // ModeName index
    kStep = 2,     // StepName index
    kOption = 3,   // OptionName index, above 4 kept as received
    kSecret = 4,   // secret code 0..28
    kCarrier = 5,  // carrier code 0..28
    kTone = 6,     // ToneName index
    kShift = 7,    // ShiftName index
    kOffset = 8,   // MHz
    kNote = 9,     // text only
    kName = 10,    // text only
    kSkip = 11,    // number only: 1 skipped
};
inline constexpr int kFieldCount = 12;
inline constexpr int kVfoFieldCount = 11;
inline constexpr int kCodedFieldCount = 9;  // fields 0..8 carry number and text

inline constexpr int kSlotCount = 1300;
inline constexpr int kChannelCount = 1000;      // slots 0..999
inline constexpr int kFirstScanEdgeSlot = 1000;  // 1000..1099, pairs A/B
inline constexpr int kFirstSearchPassSlot = 1100;
inline constexpr int kFirstPrioritySlot = 1200;
inline constexpr int kBanks = 50;
inline constexpr int kGroups = 11;      // group 0 hidden, 1..10 shown
inline constexpr int kGroupBanks = 54;
inline constexpr int kDefaultBanks = 10;       // a new image's bank table:
inline constexpr int kDefaultBankSize = 100;   // 10 banks of 100 channels  // banks 50..53 never set by the user

// Longest note, name or skip text kept, in UTF-8 bytes; a longer text is cut
// at a character boundary. A note column shows a few dozen characters, and
// this bound is what lets a clone file have a largest possible size, so a
// reader can refuse anything far larger from its size alone.
inline constexpr std::size_t kMaxTextBytes = 4096;

// The display text of a coded field (0..8) for a number, exactly as the
// decoders write it. Other fields give "".
std::string FieldText(int field, double value);

// One memory slot or VFO band. Fields 0..8 are set by number only and their
// text follows, so the two can never disagree; notes and names (9, 10) are
// text only and the skip flag (11) is a number; the CSV import may also leave
// a text in field 11.
class SlotFields {
public:
    double Value(int field) const { return values_[field]; }
    const std::string& Text(int field) const { return texts_[field]; }

    // Fields 0..8: value and its text; field 11: value only; 9 and 10 ignore it.
    void Set(int field, double value);
    // Fields 9, 10 and 11 only, cut to kMaxTextBytes; a coded field keeps its
    // derived text.
    void SetText(int field, std::string text);
    void Clear(int field);  // value 0, text ""
    void ClearAll();

    // An empty slot has frequency 0 or no frequency text.
    bool IsEmpty() const { return values_[kFreq] == 0 || texts_[kFreq].empty(); }

    bool operator==(const SlotFields&) const = default;

private:
    std::array<double, kFieldCount> values_{};
    std::array<std::string, kFieldCount> texts_{};
};

// The parts of the image. An edit names the parts it changed, a transfer
// takes back the parts its areas cover, and the views repaint by them.
enum class ImagePart { kMemory, kVfo, kBanks, kGroups, kSettings, kFlags };

// Memory slots 0..1299 and whether each is in use.
struct MemorySlots {
    std::array<SlotFields, kSlotCount> slot;
    std::array<bool, kSlotCount> enabled{};  // true: slot in use
    bool operator==(const MemorySlots&) const = default;
};

// VFO bands 0..13, fields 0..10.
struct VfoBands {
    std::array<SlotFields, kBandCount> bands;
    bool operator==(const VfoBands&) const = default;
};

struct BankTable {
    // Banks 0..49 hold their channel counts; 50 the remainder to 1000 as
    // last computed by UpdateBankTotal.
    std::array<int, kBanks + 1> counts{};
    std::array<std::string, 4> blocks;  // transfer form
    // The bank page's Link boxes. Screen state only: no codec, file or
    // transfer reads or writes it; it lives here so that an undo takes a link
    // back together with the count that cleared it.
    std::array<bool, kBanks> links{};
    bool operator==(const BankTable&) const = default;
};

struct ScanGroups {
    std::array<std::array<bool, kGroupBanks>, kGroups> members{};
    std::string block = "00000000000000FFFFFFFFFFFFFFFFFF";  // transfer form
    bool operator==(const ScanGroups&) const = default;
};

struct SettingsBlocks {
    std::string block0;      // receiver address 00000, 64 hex digits
    std::string block1;      // receiver address 00020, 46 hex digits
    SetModeSettings values;  // the set-mode values the pages edit
    bool operator==(const SettingsBlocks&) const = default;
};

// The enable map in its transfer form.
struct FlagBlocks {
    std::array<std::string, 6> blocks;
    bool operator==(const FlagBlocks&) const = default;
};

// The whole receiver image the program edits, reads, writes and saves. The
// desktop program and the command-line tool each own one; operations take it
// by reference. A default-constructed image is the start-up state: every slot
// and band empty, banks 0..9 of 100, no groups, no settings blocks yet.
struct CloneImage {
    MemorySlots memory;
    VfoBands vfo;
    BankTable banks;
    ScanGroups groups;
    SettingsBlocks settings;
    FlagBlocks flags;

    int model = 0;  // 0 WR-K7J, 1 WR-K70E, 2 WR-K70T, 3 WR-K70K

    CloneImage();

    // The count of bank b as text, as the bank page's count boxes show it.
    std::string BankText(int bank) const { return std::to_string(banks.counts[bank]); }
    // Banks 0..9 of 100 channels each and the rest empty: the table a new
    // image starts with. Their sum is the whole channel space, so the
    // remainder (bank 50) is 0.
    void ResetBankTable();
    // Wipes slot: all twelve fields and its enable flag.
    void ClearSlot(int slot);

    bool operator==(const CloneImage&) const = default;
};

inline bool IsValidSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
inline bool IsValidBand(int band) { return band >= 0 && band < kBandCount; }

}  // namespace wrk7
