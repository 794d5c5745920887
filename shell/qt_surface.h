// The Surface port on a QPainter: the graph window, an offscreen image or a printer
// page, whatever the painter was opened on.
#pragma once

#include <QImage>
#include <QPainter>

#include "platform/surface.h"

namespace finplan {

class QtSurface : public Surface {
  public:
    // The painter must outlive the surface; its font is the graph font until
    // setFont() chooses another.
    explicit QtSurface(QPainter& painter) : painter_(painter) {}

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

  private:
    void usePen(const Pen& pen, bool smooth);

    QPainter& painter_;
};

// An image of width x height filled with the background colour, ready to draw on.
QImage blankGraphImage(int width, int height, Color background);

} // namespace finplan
