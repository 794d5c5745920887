#include "graphs/value_popup.h"

#include <algorithm>

#include "graphs/graph_palette.h"
#include "graphs/graph_parts.h"

namespace finplan {

Rect drawValuePopup(Surface& surface, const Rect& window, Point mouse,
                    const std::vector<std::string>& lines, Color face) {
    const int graphLine = std::max(surface.metrics().lineHeight(), 6);
    surface.setFont(FontSpec{"Tms Rmn", graphLine - 4, true, false});
    const FontMetrics m = surface.metrics();
    const int h = std::max(m.lineHeight(), 1);
    const int c = std::max(m.averageCharWidth, 1);
    int widest = 0;
    for (const std::string& l : lines)
        widest = std::max(widest, surface.textWidth(l));
    const int w = widest + 2 * c;
    const int boxH = static_cast<int>(lines.size()) * h + 2 * kPanelInset;
    // Left of the mouse, so the pointer does not hide the number, and one line up.
    int left = std::max(mouse.x - w - c, window.left + 2);
    int top = std::max(mouse.y - graphLine - boxH / 2, window.top + 2);
    left = std::min(left, std::max(window.right - w - 6, window.left));
    top = std::min(top, std::max(window.bottom - boxH - 6, window.top));
    const Rect box{left, top, left + w, top + boxH};
    surface.fillRect(box, face);
    drawFramedPanel(surface, box.left, box.top, box.width(), box.height());
    for (std::size_t i = 0; i < lines.size(); ++i)
        surface.text(Point{left + c, top + kPanelInset + static_cast<int>(i) * h}, lines[i], kBlack,
                     TextAlign::Left, std::nullopt);
    return box;
}

} // namespace finplan
