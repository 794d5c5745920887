// The small box that shows the value under the mouse while a button is held.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace finplan {

// Draws the popup's lines in a framed box to the left of the mouse and one line up,
// kept inside the window; returns the box. The graph font must be set: the popup's
// bold font is one line height less four units.
Rect drawValuePopup(Surface& surface, const Rect& window, Point mouse,
                    const std::vector<std::string>& lines, Color face);

} // namespace finplan
