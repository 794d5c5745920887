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

WindowGeometry keptInside(WindowGeometry w, const WindowGeometry& room, int frameWidth,
                          int frameHeight) {
    auto fit = [](int roomStart, int roomLength, int frame, int& start, int& length) {
        if (roomLength <= 0) return;
        length = std::max(1, std::min(length, roomLength - frame));
        start = std::clamp(start, roomStart, roomStart + roomLength - frame - length);
    };
    fit(room.x, room.width, frameWidth, w.x, w.width);
    fit(room.y, room.height, frameHeight, w.y, w.height);
    return w;
}

int buttonsPerRow(const std::vector<int>& widths, int spacing, int room) {
    const int n = static_cast<int>(widths.size());
    for (int perRow = n; perRow > 1; --perRow) {
        bool fits = true;
        for (int first = 0; first < n && fits; first += perRow) {
            int row = 0;
            for (int i = first; i < std::min(n, first + perRow); ++i)
                row += widths[static_cast<std::size_t>(i)] + (i > first ? spacing : 0);
            fits = row <= room;
        }
        if (fits) return perRow;
    }
    return 1;
}

} // namespace finplan
