#include "graphs/recording_surface.h"

namespace finplan {

void RecordingSurface::setFont(const FontSpec& font) {
    SurfaceOp op;
    op.kind = OpKind::SetFont;
    op.font = font;
    ops_.push_back(op);
}

int RecordingSurface::textWidth(const std::string& text) const {
    return static_cast<int>(text.size()) * metrics_.averageCharWidth;
}

void RecordingSurface::line(Point from, Point to, const Pen& pen) {
    SurfaceOp op;
    op.kind = OpKind::Line;
    op.points = {from, to};
    op.pen = pen;
    ops_.push_back(op);
}

void RecordingSurface::fillRect(const Rect& r, Color fill) {
    SurfaceOp op;
    op.kind = OpKind::FillRect;
    op.box = r;
    op.fill = fill;
    ops_.push_back(op);
}

void RecordingSurface::rect(const Rect& r, const Pen& pen, std::optional<Color> fill) {
    SurfaceOp op;
    op.kind = OpKind::Rect;
    op.box = r;
    op.pen = pen;
    op.fill = fill;
    ops_.push_back(op);
}

void RecordingSurface::ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) {
    SurfaceOp op;
    op.kind = OpKind::Ellipse;
    op.box = box;
    op.pen = pen;
    op.fill = fill;
    ops_.push_back(op);
}

void RecordingSurface::polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) {
    SurfaceOp op;
    op.kind = OpKind::Polygon;
    op.points = corners;
    op.pen = pen;
    op.fill = fill;
    ops_.push_back(op);
}

void RecordingSurface::pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
                           Color fill) {
    SurfaceOp op;
    op.kind = OpKind::Pie;
    op.box = box;
    op.startAngle = startAngle;
    op.endAngle = endAngle;
    op.pen = pen;
    op.fill = fill;
    ops_.push_back(op);
}

void RecordingSurface::text(Point at, const std::string& text, Color color, TextAlign align,
                            std::optional<Color> background) {
    SurfaceOp op;
    op.kind = OpKind::Text;
    op.points = {at};
    op.text = text;
    op.color = color;
    op.align = align;
    op.fill = background;
    ops_.push_back(op);
}

std::vector<SurfaceOp> RecordingSurface::opsOfKind(OpKind kind) const {
    std::vector<SurfaceOp> out;
    for (const auto& op : ops_)
        if (op.kind == kind) out.push_back(op);
    return out;
}

std::vector<SurfaceOp> RecordingSurface::textsEqual(const std::string& s) const {
    std::vector<SurfaceOp> out;
    for (const auto& op : ops_)
        if (op.kind == OpKind::Text && op.text == s) out.push_back(op);
    return out;
}

} // namespace finplan
