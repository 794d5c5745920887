// "prefinf.dat": where the main window was, so the next run opens it there.
#pragma once

#include <string>

#include "model/file_names.h"

namespace finplan {

struct WindowPlacement {
    int left = 100;
    int top = 100;
    int width = 0; // 0: not in the file
    int height = 0;
};

// Left and top from the first two lines, each one missing or unreadable keeping 100;
// width and height from the next two, each one missing or unreadable giving 0.
WindowPlacement loadPlacement(const std::string& path = files::kWindowPosition);

// Four lines "%d": left, top, width, height. A file that cannot be written is skipped.
void savePlacement(const WindowPlacement& p, const std::string& path = files::kWindowPosition);

} // namespace finplan
