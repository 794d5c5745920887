#include "graphs/svg_surface.h"

#include <cmath>
#include <numbers>

#include "model/whole_number.h"
#include "text/format.h"

namespace finplan {

namespace {

// DejaVu Sans Mono: advance 1233/2048 em, ascent 1901/2048 em, cell 2384/2048 em.
constexpr double kAdvance = 0.602;
constexpr double kAscent = 0.928;
constexpr double kCell = 1.164;

std::string colour(Color c) {
    return format("rgb(%d,%d,%d)", c.r, c.g, c.b);
}

std::string stroke(const Pen& pen) {
    return format(" stroke=\"%s\" stroke-width=\"%d\"", colour(pen.color).c_str(),
                  pen.width < 1 ? 1 : pen.width);
}

std::string fillOf(std::optional<Color> fill) {
    return fill ? format(" fill=\"%s\"", colour(*fill).c_str()) : std::string(" fill=\"none\"");
}

std::string escaped(const std::string& s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML.
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t') out += ch;
        }
    }
    return out;
}

std::size_t glyphCount(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

// Thin strokes sit on pixel centres so that one-unit lines stay crisp.
double offset(const Pen& pen) {
    return pen.width % 2 == 1 ? 0.5 : 0.0;
}

} // namespace

SvgSurface::SvgSurface(int width, int height, int fontHeight)
    : width_(width), height_(height), defaultFontHeight_(fontHeight > 0 ? fontHeight : 14) {}

void SvgSurface::setFont(const FontSpec& font) {
    font_ = font;
}

double SvgSurface::fontSize() const {
    const int cell = font_.height > 0 ? font_.height : defaultFontHeight_;
    return cell / kCell;
}

FontMetrics SvgSurface::metrics() const {
    const double size = fontSize();
    FontMetrics m;
    m.height = wholeNumber(std::round(size * kCell));
    m.externalLeading = 0;
    m.averageCharWidth = wholeNumber(std::round(size * kAdvance));
    return m;
}

int SvgSurface::textWidth(const std::string& text) const {
    return wholeNumber(std::round(static_cast<double>(glyphCount(text)) * fontSize() * kAdvance));
}

void SvgSurface::line(Point from, Point to, const Pen& pen) {
    const double o = offset(pen);
    body_ += format("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"%s/>\n", from.x + o,
                    from.y + o, to.x + o, to.y + o, stroke(pen).c_str());
}

void SvgSurface::fillRect(const Rect& r, Color fill) {
    if (r.width() <= 0 || r.height() <= 0) return;
    body_ += format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>\n", r.left,
                    r.top, r.width(), r.height(), colour(fill).c_str());
}

void SvgSurface::rect(const Rect& r, const Pen& pen, std::optional<Color> fill) {
    // The outline lies inside the box, as on the other surfaces.
    const double inset = pen.width / 2.0;
    const double w = r.width() - pen.width;
    const double h = r.height() - pen.width;
    if (w < 0 || h < 0) return;
    body_ += format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"%s%s/>\n",
                    r.left + inset, r.top + inset, w, h, fillOf(fill).c_str(), stroke(pen).c_str());
}

void SvgSurface::ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) {
    body_ += format("<ellipse cx=\"%.1f\" cy=\"%.1f\" rx=\"%.1f\" ry=\"%.1f\"%s%s/>\n",
                    (box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0, box.width() / 2.0,
                    box.height() / 2.0, fillOf(fill).c_str(), stroke(pen).c_str());
}

void SvgSurface::polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) {
    if (corners.empty()) return;
    std::string points;
    for (const auto& p : corners)
        points += format("%d,%d ", p.x, p.y);
    points.pop_back();
    body_ += format("<polygon points=\"%s\" fill=\"%s\"%s stroke-linejoin=\"round\"/>\n",
                    points.c_str(), colour(fill).c_str(), stroke(pen).c_str());
}

void SvgSurface::pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
                     Color fill) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    const double span = endAngle - startAngle;
    if (span <= 0) return;
    if (span >= 2 * std::numbers::pi) {
        ellipse(box, pen, fill);
        return;
    }
    const double x0 = cx + rx * std::cos(startAngle);
    const double y0 = cy + ry * std::sin(startAngle);
    const double x1 = cx + rx * std::cos(endAngle);
    const double y1 = cy + ry * std::sin(endAngle);
    // Sweep flag 1 runs clockwise on a y-down canvas: the direction of growing angles.
    body_ += format("<path d=\"M%.2f,%.2f L%.2f,%.2f A%.2f,%.2f 0 %d 1 %.2f,%.2f Z\" "
                    "fill=\"%s\"%s stroke-linejoin=\"round\"/>\n",
                    cx, cy, x0, y0, rx, ry, span > std::numbers::pi ? 1 : 0, x1, y1,
                    colour(fill).c_str(), stroke(pen).c_str());
}

void SvgSurface::text(Point at, const std::string& text, Color color, TextAlign align,
                      std::optional<Color> background) {
    const int w = textWidth(text);
    int left = at.x;
    const char* anchor = "start";
    if (align == TextAlign::Centre) {
        left = at.x - w / 2;
        anchor = "middle";
    } else if (align == TextAlign::Right) {
        left = at.x - w;
        anchor = "end";
    }
    if (background)
        fillRect(Rect{left, at.y, left + w, at.y + metrics().lineHeight()}, *background);
    const double size = fontSize();
    body_ += format("<text x=\"%d\" y=\"%.1f\" font-family=\"DejaVu Sans Mono, monospace\" "
                    "font-size=\"%.2f\"%s fill=\"%s\" text-anchor=\"%s\" "
                    "xml:space=\"preserve\">%s</text>\n",
                    at.x, at.y + size * kAscent, size, font_.bold ? " font-weight=\"bold\"" : "",
                    colour(color).c_str(), anchor, escaped(text).c_str());
}

std::string SvgSurface::document() const {
    return format("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\">\n",
                  width_, height_, width_, height_) +
           body_ + "</svg>\n";
}

} // namespace finplan
