// A sample of the stop points of a Write All recovers by either remedy; the
// soak benchmark walks them all, this runs under Wine too.
#include <gtest/gtest.h>

#include "../../bench/write_stop_points.h"

namespace wrk7::soak {
namespace {

TEST(WriteStopPoints, ASampleRecoversByWritingAgainAndByRestoring) {
    const std::vector<StopFigures> figures = WalkWriteStopPoints(5);
    ASSERT_EQ(figures.size(), 2u) << "the clean write failed";
    for (const StopFigures& f : figures) {
        EXPECT_GE(f.tried, 10) << f.fault;
        EXPECT_EQ(f.recovered, f.tried) << f.fault << (f.failures.empty() ? "" : ": " + f.failures.front());
    }
}

}  // namespace
}  // namespace wrk7::soak
