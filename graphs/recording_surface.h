// A Surface that keeps the list of drawing operations, for tests: what was drawn,
// where, in which colours and in which order. Text is measured as fixed pitch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace finplan {

enum class OpKind { SetFont, Line, FillRect, Rect, Ellipse, Polygon, Pie, Text };

struct SurfaceOp {
    OpKind kind = OpKind::Line;
    std::vector<Point> points; // line ends, polygon corners, text anchor
    Rect box;                  // rectangles, ellipses, pies
    Pen pen;
    std::optional<Color> fill; // fill, or text background
    Color color;               // text colour
    double startAngle = 0;
    double endAngle = 0;
    std::string text;
    TextAlign align = TextAlign::Left;
    FontSpec font;
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(FontMetrics metrics = {16, 0, 8}) : metrics_(metrics) {}

    void setFont(const FontSpec& font) override;
    FontMetrics metrics() const override { return metrics_; }
    int textWidth(const std::string& text) const override;

    void line(Point from, Point to, const Pen& pen) override;
    void fillRect(const Rect& r, Color fill) override;
    void rect(const Rect& r, const Pen& pen, std::optional<Color> fill) override;
    void ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) override;
    void polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) override;
    void pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
             Color fill) override;
    void text(Point at, const std::string& text, Color color, TextAlign align,
              std::optional<Color> background) override;

    const std::vector<SurfaceOp>& ops() const { return ops_; }
    std::vector<SurfaceOp> opsOfKind(OpKind kind) const;
    // The text operations whose text equals s, in drawing order.
    std::vector<SurfaceOp> textsEqual(const std::string& s) const;
    void clear() { ops_.clear(); }

  private:
    FontMetrics metrics_;
    std::vector<SurfaceOp> ops_;
};

} // namespace finplan
