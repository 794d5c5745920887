#include "shell/logic/window_geometry.h"

#include <algorithm>

namespace finplan {

namespace {

// One direction of the window: its start within the room, its length no longer than it.
void fitInto(int room, int& start, int& length) {
    if (room <= 0) return;
    length = std::min(length, room);
    if (start + length > room) start = std::max(0, room - length);
}

} // namespace

WindowGeometry defaultWindowSize(double dotsPerInch) {
    if (dotsPerInch <= 96.0) return {0, 0, kDefaultWindowWidth, kDefaultWindowHeight};
    return {0, 0, static_cast<int>(kDefaultWindowWidth * (dotsPerInch / 96.0)) + 40, 590};
}

WindowGeometry startGeometry(const WindowPlacement& saved, double dotsPerInch, int roomWidth,
                             int roomHeight) {
    WindowGeometry g = defaultWindowSize(dotsPerInch);
    if (dotsPerInch > 96.0) {
        g.x = g.y = kWindowMargin;
    } else {
        g.x = std::max(kWindowMargin, saved.left);
        g.y = std::max(kWindowMargin, saved.top);
    }
    // A size smaller than the default (or none: a file with the position only) would
    // cut the folders short; the default is the least the window opens at.
    if (saved.width >= g.width && saved.height >= g.height) {
        g.width = saved.width;
        g.height = saved.height;
    }
    // A size or a place kept from a larger screen is brought onto this one.
    fitInto(roomWidth, g.x, g.width);
    fitInto(roomHeight, g.y, g.height);
    return g;
}

} // namespace finplan
