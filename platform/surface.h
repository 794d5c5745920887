// Port: a 2-D drawing surface in device units, y growing downwards. The graphs draw
// through it onto the screen, an image, a printer page, an SVG file or a recorder.
// Every call carries its own pen and fill, so a drawing leaves no state behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace finplan {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color rgb(int r, int g, int b) {
    return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inside, right and bottom just outside (a w x h box is {x, y, x+w, y+h}).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Pen {
    Color color;
    int width = 1;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct FontSpec {
    std::string face; // empty: the surface's own graph font
    int height = 0;   // cell height in device units; 0: the surface's default
    bool bold = false;
    bool fixedPitch = false;
    int charWidth = 0; // average character width in device units; 0: the face's own
};

struct FontMetrics {
    int height = 0; // ascent + descent
    int externalLeading = 0;
    int averageCharWidth = 0;
    int lineHeight() const { return height + externalLeading; }
};

enum class TextAlign { Left, Centre, Right };

class Surface {
  public:
    virtual ~Surface() = default;

    // The font used by text() and measured by metrics() and textWidth().
    virtual void setFont(const FontSpec& font) = 0;
    virtual FontMetrics metrics() const = 0;
    virtual int textWidth(const std::string& text) const = 0;

    virtual void line(Point from, Point to, const Pen& pen) = 0;
    // Filled without an outline.
    virtual void fillRect(const Rect& r, Color fill) = 0;
    // Outlined with the pen and filled; no fill when fill is empty.
    virtual void rect(const Rect& r, const Pen& pen, std::optional<Color> fill) = 0;
    virtual void ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) = 0;
    virtual void polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) = 0;
    // The sector of the ellipse in box from startAngle to endAngle (radians, growing
    // clockwise on the surface since y grows downwards; endAngle > startAngle).
    virtual void pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
                     Color fill) = 0;
    // Text whose top edge is at y; x is the left edge, the centre or the right edge as
    // align says. A background makes the text box opaque.
    virtual void text(Point at, const std::string& text, Color color, TextAlign align,
                      std::optional<Color> background) = 0;
};

} // namespace finplan
