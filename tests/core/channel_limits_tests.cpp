#include <gtest/gtest.h>

#include "core/channel_limits.h"

namespace wrk7 {
namespace {

TEST(ChannelLimits, FrequencyRangeIncludesBothEdges) {
    for (const auto& [mhz, inside] : {std::pair{0.1, true}, {0.0999, false}, {1299.995, true}, {1299.996, false},
                                      {145.0, true}, {0.0, false}})
        EXPECT_EQ(InChannelRange(mhz), inside) << mhz;
    EXPECT_EQ(ChannelRangeText(), "0.1-1299.995");
}

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

}  // namespace
}  // namespace wrk7
