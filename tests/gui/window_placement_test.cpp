#include "gui/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, FirstStartAndPlacementsOffTheScreens) {
    const QRect screen(0, 0, 1280, 800);
    const QRect first = MainWindowPlacement(QRect(0, 0, 640, 400), true, {screen});
    EXPECT_TRUE(screen.contains(first.adjusted(0, -30, 0, 0))); // its title bar too
    EXPECT_EQ(first.center().x(), screen.center().x());
    EXPECT_GE(first.width(), 900);

    const QRect inside(100, 120, 700, 500);
    EXPECT_EQ(MainWindowPlacement(inside, false, {screen}), inside);
    // Left on a screen that is gone, and larger than the screen there is.
    const QRect gone = MainWindowPlacement(QRect(3000, 2000, 700, 500), false, {screen});
    EXPECT_TRUE(screen.contains(gone));
    EXPECT_EQ(gone.size(), QSize(700, 500));
    const QRect large = MainWindowPlacement(QRect(-50, -50, 2600, 1600), false, {screen});
    EXPECT_TRUE(screen.contains(large.adjusted(0, -30, 0, 0)));
    // On a second screen it stays there.
    const QRect right(1280, 0, 1920, 1080);
    EXPECT_EQ(MainWindowPlacement(QRect(1500, 200, 800, 600), false, {screen, right}),
              QRect(1500, 200, 800, 600));
}
