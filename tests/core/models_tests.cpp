#include <gtest/gtest.h>

#include "core/hex.h"
#include "core/models.h"

namespace wrk7 {
namespace {

// What a new row must get right: defaults inside the bands it opens, and the
// command the receiver answers to.
TEST(ModelTable, EveryRowIsConsistent) {
    for (int r = 0; r < kModelCount; ++r) {
        const ModelInfo& m = Model(r);
        EXPECT_EQ(m.name, ModelName[static_cast<std::size_t>(r)]);
        EXPECT_EQ(m.identification, "KV~" + std::string(m.name));
        ASSERT_EQ(static_cast<int>(m.vfoDefaults.size()), m.vfoBands) << m.name;
        for (int b = 0; b < m.vfoBands; ++b) {
            const Band& band = BandPlan(r, b);
            const double f = ParseDecimal(m.vfoDefaults[static_cast<std::size_t>(b)].freq);
            // The one default outside its band is the WR-K70E's band 12 (806 MHz,
            // the WR-K7J's value; the band starts at 870), kept as New has always
            // written it.
            const bool known = r == 1 && b == 12;
            EXPECT_EQ(f >= band.low && f <= band.high && !InCellularGap(m, f), !known) << m.name << " band " << b;
            EXPECT_FALSE(band.label.empty()) << m.name << " band " << b;
        }
        EXPECT_EQ(m.settingsBlock0.size(), 64u);
        EXPECT_EQ(m.settingsBlock1.size(), 64u);
    }
}

TEST(ModelTable, UnknownNumbersFallBack) {
    EXPECT_EQ(FindModel(4), nullptr);
    EXPECT_EQ(FindModel(-1), nullptr);
    EXPECT_EQ(&Model(4), &Model(3));
    EXPECT_EQ(&Model(-1), &Model(3));
    EXPECT_EQ(&NearestModel(-1), &Model(0));  // the band plans' lookup
    EXPECT_EQ(&NearestModel(7), &Model(3));
    EXPECT_TRUE(InCellularGap(Model(2), 824.0) && InCellularGap(Model(2), 894.995));
    EXPECT_FALSE(InCellularGap(Model(2), 850.0) || InCellularGap(Model(3), 835.0));
}

}  // namespace
}  // namespace wrk7
