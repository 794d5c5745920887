// Where and how large the main window opens, from the last run's "prefinf.dat".
#include <gtest/gtest.h>

#include "shell/logic/window_geometry.h"

namespace finplan {
namespace {

void expectGeometry(const WindowGeometry& g, int x, int y, int width, int height) {
    EXPECT_EQ(g.x, x);
    EXPECT_EQ(g.y, y);
    EXPECT_EQ(g.width, width);
    EXPECT_EQ(g.height, height);
}

TEST(WindowGeometry, DefaultSizeFollowsTheScreensDotsPerInch) {
    expectGeometry(defaultWindowSize(96), 0, 0, 602, 510);
    expectGeometry(defaultWindowSize(72), 0, 0, 602, 510);
    // 602 x 1.25 = 752.5, fraction dropped, + 40; 602 x 1.5 = 903, + 40.
    expectGeometry(defaultWindowSize(120), 0, 0, 792, 590);
    expectGeometry(defaultWindowSize(144), 0, 0, 943, 590);
}

TEST(WindowGeometry, SavedSizeComesBackUnlessBelowTheDefault) {
    // The size of the last run, at the saved place (at least 10 from the corner).
    expectGeometry(startGeometry({12, -4, 800, 600}, 96), 12, 10, 800, 600);
    expectGeometry(startGeometry({300, 200, 602, 510}, 96), 300, 200, 602, 510);
    // A file with only the position, and one never written.
    expectGeometry(startGeometry({40, 50, 0, 0}, 96), 40, 50, 602, 510);
    expectGeometry(startGeometry(WindowPlacement{}, 96), 100, 100, 602, 510);
    // Smaller than the default in either direction: the default in both.
    expectGeometry(startGeometry({40, 50, 601, 900}, 96), 40, 50, 602, 510);
    expectGeometry(startGeometry({40, 50, 1200, 509}, 96), 40, 50, 602, 510);
    // Above 96 dots an inch the window opens at (10, 10) and the default is larger.
    expectGeometry(startGeometry({300, 300, 1000, 700}, 120), 10, 10, 1000, 700);
    expectGeometry(startGeometry({300, 300, 800, 500}, 120), 10, 10, 792, 590);
}

TEST(WindowGeometry, WindowIsBroughtOntoASmallerScreen) {
    // Fits as saved.
    expectGeometry(startGeometry({200, 100, 1400, 900}, 96, 1600, 1000), 200, 100, 1400, 900);
    // Its bottom would be 50 below the screen: moved up by that.
    expectGeometry(startGeometry({200, 150, 1400, 900}, 96, 1600, 1000), 200, 100, 1400, 900);
    // Saved on a second screen to the right: brought back whole.
    expectGeometry(startGeometry({3000, 2000, 700, 600}, 96, 1600, 1000), 900, 400, 700, 600);
    // Larger than this screen: as large as the screen, at its corner.
    expectGeometry(startGeometry({20, 20, 2000, 1200}, 96, 1600, 1000), 0, 0, 1600, 1000);
    // A screen smaller than the default size.
    expectGeometry(startGeometry({100, 100, 0, 0}, 96, 500, 400), 0, 0, 500, 400);
}

TEST(WindowGeometry, KeptInsideTheRoomFrameAndAll) {
    const WindowGeometry room{0, 24, 800, 476}; // a panel above
    const struct {
        WindowGeometry in, out;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}}, // already inside
        {{-50, 0, 400, 300}, {0, 24, 400, 300}},      // off the left and under the panel
        {{600, 300, 400, 300}, {396, 176, 400, 300}}, // off the right and the bottom
        {{10, 10, 820, 1024}, {0, 24, 796, 452}},     // larger than the screen: cut
    };
    for (const auto& c : cases) {
        const WindowGeometry g = keptInside(c.in, room, 4, 24);
        EXPECT_EQ((std::vector<int>{g.x, g.y, g.width, g.height}),
                  (std::vector<int>{c.out.x, c.out.y, c.out.width, c.out.height}))
            << c.in.x << "," << c.in.y;
    }
}

TEST(WindowGeometry, ButtonsWrapOnlyWhenTheRowDoesNotFit) {
    const std::vector<int> seven(7, 100); // 7 buttons of 100 with 6 gaps of 6: 736
    EXPECT_EQ(buttonsPerRow(seven, 6, 800), 7);
    EXPECT_EQ(buttonsPerRow(seven, 6, 700), 6);
    EXPECT_EQ(buttonsPerRow(seven, 6, 420), 4);
    EXPECT_EQ(buttonsPerRow(seven, 6, 50), 1);
}

} // namespace
} // namespace finplan
