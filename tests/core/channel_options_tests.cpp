#include <gtest/gtest.h>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "core/channel_options.h"
#include "edit/channel_rules.h"

namespace wrk7 {
namespace {

// Which model has which option, and that the receiver write, the grid and the
// channel editor all follow it: an option a model lacks is OFF in each.
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
        for (int code = 0; code < kChannelOptionCount; ++code) {
            const bool offers = offered[model][code];
            EXPECT_EQ(OffersOption(Model(model), *OptionOfCode(code)), offers) << model << " " << code;
            EXPECT_EQ(WrittenOptionCode(model, code), offers ? code : 0) << model << " " << code;
            EXPECT_EQ(OfferedOptions(model)[static_cast<std::size_t>(code)], offers) << model << " " << code;
            image.memory.slot[0].Set(kFreq, 145);
            image.memory.slot[0].Set(kOption, code);
            EXPECT_EQ(MemoryGridRow(image, 0)[kOption], offers ? OptionName[code] : "OFF") << model << " " << code;
        }
    }
    // A skip-marked code is no option of its own: written as it is.
    EXPECT_EQ(OptionOfCode(kOptionSkipBit + 4), std::nullopt);
    EXPECT_EQ(WrittenOptionCode(0, kOptionSkipBit + 4), kOptionSkipBit + 4);
}

}  // namespace
}  // namespace wrk7
