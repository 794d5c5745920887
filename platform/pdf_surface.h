// The Surface port as the page description of a PDF file: device units of 600 to the
// inch, y growing downwards, the text in the PDF's own Courier faces, whose every
// character is 0.6 of the font size wide, so text is measured exactly without any
// font file.
#pragma once

#include <string>

#include "platform/surface.h"

namespace finplan {

inline constexpr int kPdfUnitsPerInch = 600;

class PdfSurface : public Surface {
  public:
    // origin: where device (0, 0) lies on the page, in device units from its top-left;
    // pageHeight: the page's height in device units; defaultHeight: the cell height of
    // a font asked for without one.
    PdfSurface(Point origin, int pageHeight, int defaultHeight);

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

    // The page's content stream.
    const std::string& content() const { return out_; }

  private:
    void stroke(const Pen& pen);
    void fill(Color c);
    void arc(double cx, double cy, double rx, double ry, double a0, double a1);
    double charAdvance() const;

    std::string out_;
    int cellHeight_ = 0;
    int charWidth_ = 0; // 0: 0.6 of the cell height
    bool bold_ = false;
    int defaultHeight_ = 100;
};

} // namespace finplan
