// What a channel can hold: names and notes on any model, and the options
// each model has.
#include <gtest/gtest.h>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "edit/channel_rules.h"

namespace wrk7 {
namespace {

TEST(ChannelLimits, NamesAndNotes) {
    struct Case {
        std::string_view text;
        bool name, note;
    };
    const std::string thirtyUmlauts = [] {
        std::string t;
        for (int i = 0; i < 30; ++i) t += "\xC3\xA4";  // two bytes, one character
        return t;
    }();
    const std::string thirtyOne(31, 'x');
    for (const Case& c : {Case{"", true, true}, Case{"ABC~ 1", true, true}, Case{"ABCDEFG", false, true},
                          Case{"TAB\t", false, true}, Case{"\xC3\xA4", false, true}, Case{"\x7F", false, true},
                          Case{thirtyUmlauts, false, true},
                          Case{thirtyOne, false, false}})
        EXPECT_EQ(std::pair(NameFits(c.text), NoteFits(c.text)), std::pair(c.name, c.note)) << c.text;
    EXPECT_FALSE(NoteFits(thirtyUmlauts + "x"));
}

// Which model has which option, and that the record written to the receiver,
// the grid, the channel editor and a VFO band's choice all follow it: an
// option a model lacks is OFF in each.
TEST(ChannelOptions, EveryUseFollowsTheModel) {
    const bool offered[kModelCount][kChannelOptionCount] = {
        {true, true, true, true, false},   // WR-K7J: Train, no Secret
        {true, false, true, true, true},   // WR-K70E: Secret, no Train
        {true, false, true, true, false},  // WR-K70T
        {true, false, true, true, false},  // WR-K70K
    };
    for (int model = 0; model < kModelCount; ++model) {
        CloneImage image;
        image.model = model;
        image.memory.slot[0].Set(kFreq, 145);
        for (int code = 0; code < kChannelOptionCount; ++code) {
            const bool offers = offered[model][code];
            image.memory.slot[0].Set(kOption, code);
            EXPECT_EQ(OffersOption(Model(model), *OptionOfCode(code)), offers) << model << " " << code;
            EXPECT_EQ(EncodeChannel(image, 0).substr(22, 2), ByteHex(offers ? code : 0)) << model << " " << code;
            EXPECT_EQ(image.memory.slot[0].Value(kOption), code) << "the write leaves the image alone";
            EXPECT_EQ(OfferedOptions(model)[static_cast<std::size_t>(code)], offers) << model << " " << code;
            EXPECT_EQ(VfoOptionChoice(model, code), offers ? code : 0) << model << " " << code;
            EXPECT_EQ(MemoryGridRow(image, 0)[kOption], offers ? OptionName[code] : "OFF") << model << " " << code;
        }
    }
    // A skip-marked code is no option of its own: written as it is.
    EXPECT_EQ(OptionOfCode(kOptionSkipBit + 4), std::nullopt);
    EXPECT_EQ(WrittenOptionCode(0, kOptionSkipBit + 4), kOptionSkipBit + 4);
    EXPECT_EQ(VfoOptionChoice(0, 5), -1) << "no option code";
}

}  // namespace
}  // namespace wrk7
