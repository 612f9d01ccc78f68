// A window placement larger than the screen, or off it, comes back whole and
// on the screen's available area.
#include <QScreen>
#include <gtest/gtest.h>

#include "app/widgets/screen_fit.h"
#include "dialog_gallery.h"

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

TEST(PlaceOnScreens, AStoredPlacementComesBackOnTheScreenItOverlapsMostElseOnThePrimary) {
    // The primary on the right of a second screen, a panel above each.
    const QList<QRect> screens{{1280, 30, 1600, 970}, {0, 24, 1280, 1000}};
    const struct {
        const char* what;
        QRect stored;
        QRect placed;
    } cases[] = {
        {"inside the second", {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"mostly on the second", {600, 100, 800, 600}, {480, 100, 800, 600}},
        {"mostly on the primary", {1200, 100, 800, 600}, {1280, 100, 800, 600}},
        {"larger than the screen it is on", {1300, 0, 3000, 2000}, {1280, 30, 1600, 970}},
        {"off every screen", {-5000, 4000, 800, 600}, {1280, 400, 800, 600}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceOnScreens(c.stored, screens, 0), c.placed) << c.what;
    EXPECT_EQ(PlaceOnScreens({-5000, 4000, 800, 600}, screens, 1), QRect(0, 424, 800, 600));  // the other primary
    EXPECT_EQ(PlaceOnScreens({5, 5, 10, 10}, {}, 0), QRect(5, 5, 10, 10));  // no screen known: as it was
}

// How w falls short of opening whole within its screen's free area.
std::string Misfit(QWidget* w) {
    const QRect free = w->screen()->availableGeometry();
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    QStringList faults;
    if (!free.contains(w->frameGeometry())) faults << QStringLiteral("lies beyond the screen");
    if (w->width() < least.width() || w->height() < least.height()) faults << QStringLiteral("is clipped");
    return faults.isEmpty() ? std::string()
                            : QStringLiteral("%1 %2 on %3: %4")
                                  .arg(w->objectName())
                                  .arg(QStringLiteral("%1x%2").arg(w->width()).arg(w->height()))
                                  .arg(QStringLiteral("%1x%2").arg(free.width()).arg(free.height()))
                                  .arg(faults.join(QStringLiteral(", ")))
                                  .toStdString();
}

// Run again on a 1600 x 1000 screen at scale 1.5 and 2 (the app_fit_* tests).
class ScreenFitTest : public WindowTest {};

TEST_F(ScreenFitTest, EveryWindowAndDialogOpensWholeWithinTheScreen) { CheckEveryWindow(*window, Misfit); }

}  // namespace
}  // namespace wrk7
