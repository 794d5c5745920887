#include "platform/pdf_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace finplan {

namespace {

// Courier: every glyph advances 600/1000 of the font size.
constexpr double kCourierAdvance = 0.6;
// The baseline lies this far down the cell.
constexpr double kAscent = 0.78;

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    // Trailing zeros only make the page longer.
    while (s.size() > 1 && s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string colour(Color c) {
    return num(c.r / 255.0) + " " + num(c.g / 255.0) + " " + num(c.b / 255.0);
}

// A PDF string: the bytes the Courier faces can show, brackets and backslashes escaped.
std::string pdfString(const std::string& text) {
    std::string s = "(";
    for (unsigned char ch : text) {
        if (ch == '\t') ch = ' ';
        if (ch < 32 || ch > 126) ch = '?';
        if (ch == '(' || ch == ')' || ch == '\\') s += '\\';
        s += static_cast<char>(ch);
    }
    return s + ")";
}

} // namespace

PdfSurface::PdfSurface(Point origin, int pageHeight, int cellDefault)
    : defaultHeight_(std::max(cellDefault, 1)) {
    // Device units, y down, from the printable corner: one point is 600/72 units.
    const double s = 72.0 / kPdfUnitsPerInch;
    out_ += num(s) + " 0 0 " + num(-s) + " 0 " + num(pageHeight * s) + " cm\n";
    out_ += "1 0 0 1 " + num(origin.x) + " " + num(origin.y) + " cm\n2 J 0 j\n";
    cellHeight_ = defaultHeight_;
}

void PdfSurface::setFont(const FontSpec& font) {
    cellHeight_ = font.height > 0 ? font.height : defaultHeight_;
    charWidth_ = std::max(font.charWidth, 0);
    bold_ = font.bold;
}

double PdfSurface::charAdvance() const {
    return charWidth_ > 0 ? charWidth_ : kCourierAdvance * cellHeight_;
}

FontMetrics PdfSurface::metrics() const {
    return FontMetrics{cellHeight_, 0, static_cast<int>(std::lround(charAdvance()))};
}

int PdfSurface::textWidth(const std::string& text) const {
    return static_cast<int>(std::lround(charAdvance() * static_cast<double>(text.size())));
}

void PdfSurface::stroke(const Pen& pen) {
    out_ += colour(pen.color) + " RG " + num(std::max(pen.width, 1)) + " w\n";
}

void PdfSurface::fill(Color c) {
    out_ += colour(c) + " rg\n";
}

void PdfSurface::line(Point from, Point to, const Pen& pen) {
    stroke(pen);
    out_ += num(from.x) + " " + num(from.y) + " m " + num(to.x) + " " + num(to.y) + " l S\n";
}

void PdfSurface::fillRect(const Rect& r, Color c) {
    if (r.width() <= 0 || r.height() <= 0) return;
    fill(c);
    out_ +=
        num(r.left) + " " + num(r.top) + " " + num(r.width()) + " " + num(r.height()) + " re f\n";
}

void PdfSurface::rect(const Rect& r, const Pen& pen, std::optional<Color> c) {
    if (r.width() <= 0 || r.height() <= 0) return;
    if (c) fillRect(r, *c);
    stroke(pen);
    // The outline stays inside the box, as on the screen.
    const double half = std::max(pen.width, 1) / 2.0;
    out_ += num(r.left + half) + " " + num(r.top + half) + " " + num(r.width() - 2 * half) + " " +
            num(r.height() - 2 * half) + " re S\n";
}

// Bezier pieces of at most a quarter turn from angle a0 to a1 (clockwise, y down),
// starting where the path already stands.
void PdfSurface::arc(double cx, double cy, double rx, double ry, double a0, double a1) {
    const int pieces = std::max(1, static_cast<int>(std::ceil((a1 - a0) / (std::numbers::pi / 2))));
    const double step = (a1 - a0) / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
        const double s = a0 + i * step;
        const double e = s + step;
        const double x0 = cx + rx * std::cos(s), y0 = cy + ry * std::sin(s);
        const double x3 = cx + rx * std::cos(e), y3 = cy + ry * std::sin(e);
        const double x1 = x0 - k * rx * std::sin(s), y1 = y0 + k * ry * std::cos(s);
        const double x2 = x3 + k * rx * std::sin(e), y2 = y3 - k * ry * std::cos(e);
        out_ += num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) + " " + num(x3) + " " +
                num(y3) + " c\n";
    }
}

void PdfSurface::ellipse(const Rect& box, const Pen& pen, std::optional<Color> c) {
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double rx = box.width() / 2.0, ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0) return;
    stroke(pen);
    if (c) fill(*c);
    out_ += num(cx + rx) + " " + num(cy) + " m\n";
    arc(cx, cy, rx, ry, 0, 2 * std::numbers::pi);
    out_ += c ? "b\n" : "s\n";
}

void PdfSurface::polygon(const std::vector<Point>& corners, const Pen& pen, Color c) {
    if (corners.size() < 2) return;
    stroke(pen);
    fill(c);
    for (std::size_t i = 0; i < corners.size(); ++i)
        out_ += num(corners[i].x) + " " + num(corners[i].y) + (i == 0 ? " m\n" : " l\n");
    out_ += "b\n";
}

void PdfSurface::pie(const Rect& box, double startAngle, double endAngle, const Pen& pen, Color c) {
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double rx = box.width() / 2.0, ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0 || !(endAngle > startAngle)) return;
    stroke(pen);
    fill(c);
    out_ += num(cx) + " " + num(cy) + " m " + num(cx + rx * std::cos(startAngle)) + " " +
            num(cy + ry * std::sin(startAngle)) + " l\n";
    arc(cx, cy, rx, ry, startAngle, endAngle);
    out_ += "b\n";
}

void PdfSurface::text(Point at, const std::string& text, Color color, TextAlign align,
                      std::optional<Color> background) {
    const int w = textWidth(text);
    int left = at.x;
    if (align == TextAlign::Centre) left -= w / 2;
    if (align == TextAlign::Right) left -= w;
    if (background) fillRect(Rect{left, at.y, left + w, at.y + cellHeight_}, *background);
    // The font size is the cell height; a set character width stretches the glyphs.
    const double size = cellHeight_;
    const double scale = charAdvance() / (kCourierAdvance * size) * 100.0;
    fill(color);
    out_ += "BT /" + std::string(bold_ ? "F2" : "F1") + " " + num(size) + " Tf " + num(scale) +
            " Tz 1 0 0 -1 " + num(left) + " " + num(at.y + kAscent * size) + " Tm " +
            pdfString(text) + " Tj ET\n";
}

} // namespace finplan
