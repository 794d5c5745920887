// A surface that keeps what is drawn on it for later and measures text on another
// surface meanwhile. A printer page is drawn on one, so that nothing reaches the
// printer until the whole document was drawn without an Abort or a failed page; the
// measuring surface has the printer's resolution, so the text is laid out as it prints.
#pragma once

#include <functional>
#include <vector>

#include "platform/surface.h"

namespace finplan {

class DeferredSurface : public Surface {
  public:
    explicit DeferredSurface(Surface& theMeasuring) : measuring_(theMeasuring) {}

    // Draws everything kept, in order, on target.
    void replay(Surface& target) const {
        for (const auto& op : ops)
            op(target);
    }

    void setFont(const FontSpec& font) override {
        measuring_.setFont(font);
        keep([font](Surface& s) { s.setFont(font); });
    }
    FontMetrics metrics() const override { return measuring_.metrics(); }
    int textWidth(const std::string& text) const override { return measuring_.textWidth(text); }

    void line(Point from, Point to, const Pen& pen) override {
        keep([=](Surface& s) { s.line(from, to, pen); });
    }
    void fillRect(const Rect& r, Color fill) override {
        keep([=](Surface& s) { s.fillRect(r, fill); });
    }
    void rect(const Rect& r, const Pen& pen, std::optional<Color> fill) override {
        keep([=](Surface& s) { s.rect(r, pen, fill); });
    }
    void ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) override {
        keep([=](Surface& s) { s.ellipse(box, pen, fill); });
    }
    void polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) override {
        keep([=](Surface& s) { s.polygon(corners, pen, fill); });
    }
    void pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
             Color fill) override {
        keep([=](Surface& s) { s.pie(box, startAngle, endAngle, pen, fill); });
    }
    void text(Point at, const std::string& text, Color color, TextAlign align,
              std::optional<Color> background) override {
        keep([=](Surface& s) { s.text(at, text, color, align, background); });
    }

  private:
    void keep(std::function<void(Surface&)> op) { ops.push_back(std::move(op)); }

    Surface& measuring_;
    std::vector<std::function<void(Surface&)>> ops;
};

} // namespace finplan
