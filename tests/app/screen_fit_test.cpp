// A window placement larger than the screen, or off it, comes back whole and
// on the screen's available area.
#include <gtest/gtest.h>

#include "app/widgets/screen_fit.h"

namespace wrk7 {
namespace {

TEST(FitWithin, APlacementIsMovedAndShrunkOnlyAsFarAsTheScreenNeeds) {
    const QRect screen(0, 30, 800, 470);  // a panel above
    const struct {
        const char* what;
        QRect placement;
        QRect fitted;
    } cases[] = {
        {"inside", {100, 100, 300, 200}, {100, 100, 300, 200}},
        {"taller and wider", {0, 0, 787, 667}, {0, 30, 787, 470}},
        {"past the right and bottom", {700, 400, 300, 200}, {500, 300, 300, 200}},
        {"on a screen since removed", {-2000, -900, 300, 200}, {0, 30, 300, 200}},
        {"larger than all of it", {-10, -10, 5000, 5000}, {0, 30, 800, 470}},
    };
    for (const auto& c : cases) EXPECT_EQ(FitWithin(c.placement, screen), c.fitted) << c.what;
}

}  // namespace
}  // namespace wrk7
