// Where the main window opens and how large: the saved position and size of the last
// run ("prefinf.dat"), the screen's dots per inch and the room on the screen.
#pragma once

#include <vector>

#include "model/window_placement.h"

namespace finplan {

inline constexpr int kDefaultWindowWidth = 602;
inline constexpr int kDefaultWindowHeight = 510;
inline constexpr int kWindowMargin = 10; // the least distance from the screen's corner

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The size a window opens at when nothing else is known: 602 x 510, or on a screen of
// more than 96 dots an inch 602 scaled (fraction dropped) + 40 wide and 590 high.
WindowGeometry defaultWindowSize(double dotsPerInch);

// The saved position, at least (10, 10) (always (10, 10) above 96 dots an inch), and the
// saved size when it is at least the default size in both directions, else the default
// size. With the room on the screen known (above 0), the size is cut to it and the
// window moved back onto the screen when the saved place would put part of it outside.
WindowGeometry startGeometry(const WindowPlacement& saved, double dotsPerInch, int roomWidth = 0,
                             int roomHeight = 0);

// The window moved (and cut) so that all of it, frame included, lies inside the room
// (a rectangle of the screen); `frame` is what the frame adds to the width and height.
WindowGeometry keptInside(WindowGeometry window, const WindowGeometry& room, int frameWidth = 0,
                          int frameHeight = 0);

// How many buttons of these widths go in one row so that no row is wider than the room:
// all of them when they fit, else fewer per row (at least one).
int buttonsPerRow(const std::vector<int>& widths, int spacing, int room);

} // namespace finplan
