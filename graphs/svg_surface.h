// A Surface that writes an SVG document. Text is set in a fixed-pitch face whose
// advance and line height are known without a font engine, so the layout measured
// here is the layout a browser shows.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

namespace finplan {

class SvgSurface : public Surface {
  public:
    // fontHeight: cell height of the graph font in device units.
    SvgSurface(int width, int height, int fontHeight = 14);

    void setFont(const FontSpec& font) override;
    FontMetrics metrics() const override;
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

    // The complete document.
    std::string document() const;

  private:
    double fontSize() const;

    int width_;
    int height_;
    int defaultFontHeight_;
    FontSpec font_;
    std::string body_;
};

} // namespace finplan
