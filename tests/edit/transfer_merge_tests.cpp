// The notes a transfer leaves on the image: the receiver sends none, so a
// read keeps the image's note only where it left the frequency as it was.
#include <gtest/gtest.h>

#include "edit/transfer_merge.h"

namespace wrk7 {
namespace {

using P = TransferPart;

// Slots 0 and 1, VFO bands 0 and 1, each with a note.
CloneImage Noted() {
    CloneImage image;
    const double slots[] = {145.0, 118.1};
    for (int s = 0; s < 2; ++s) {
        image.memory.slot[s].Set(kFreq, slots[s]);
        image.memory.slot[s].SetText(kNote, "slot " + std::to_string(s));
        image.memory.enabled[s] = true;
        image.vfo.bands[s].Set(kFreq, 30.0 * (s + 1));
        image.vfo.bands[s].SetText(kNote, "band " + std::to_string(s));
    }
    return image;
}

// The notes of slots 0 and 1, then of bands 0 and 1.
std::string Notes(const CloneImage& image) {
    std::string out;
    for (int i = 0; i < 2; ++i) out += image.memory.slot[i].Text(kNote) + "|";
    for (int i = 0; i < 2; ++i) out += image.vfo.bands[i].Text(kNote) + "|";
    return out;
}

TEST(TransferNotes, AReadKeepsANoteOnlyWhereTheFrequencyStayed) {
    // What the receiver sent: slot 0 and band 0 as they were, slot 1 and
    // band 1 moved to another frequency, and no note anywhere.
    CloneImage worked = Noted();
    DropNotes(worked);
    ASSERT_EQ(Notes(worked), "||||");
    worked.memory.slot[1].Set(kFreq, 119.0);
    worked.vfo.bands[1].Set(kFreq, 61.0);
    const struct { P part; const char* notes; } cases[] = {
        {P::kAll, "slot 0||band 0||"},
        {P::kMemory, "slot 0||band 0|band 1|"},
        {P::kSettings, "slot 0|slot 1|band 0||"},
        {P::kBank, "slot 0|slot 1|band 0|band 1|"},
    };
    for (const auto& c : cases) {
        CloneImage image = Noted();
        TakeReadAreas(image, worked, c.part);
        EXPECT_EQ(Notes(image), c.notes) << static_cast<int>(c.part);
    }
    // A note the read result carries (not the receiver's) never moves with a
    // changed frequency.
    worked.memory.slot[1].SetText(kNote, "stale");
    CloneImage image = Noted();
    TakeReadAreas(image, worked, P::kMemory);
    EXPECT_EQ(image.memory.slot[1].Text(kNote), "");
}

}  // namespace
}  // namespace wrk7
