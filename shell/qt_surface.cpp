#include "shell/qt_surface.h"
#include "model/whole_number.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace finplan {

namespace {

QColor toQt(Color c) {
    return QColor(c.r, c.g, c.b);
}

QRect toQt(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QString toQt(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Qt counts sixteenths of a degree anticlockwise; ours are radians clockwise (y down).
int sixteenths(double radians) {
    return wholeNumber(std::round(-radians * 180.0 / std::numbers::pi * 16.0));
}

} // namespace

void QtSurface::setFont(const FontSpec& spec) {
    QFont font = painter_.font();
    font.setStretch(QFont::Unstretched); // a width set for an earlier text is not kept
    if (!spec.face.empty()) {
        font.setFamily(toQt(spec.face));
    } else if (spec.fixedPitch) {
        // A style hint alone does not move a named family to a fixed-pitch face.
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }
    font.setBold(spec.bold);
    font.setFixedPitch(spec.fixedPitch);
    if (spec.fixedPitch) font.setStyleHint(QFont::TypeWriter);
    if (spec.height > 0) {
        // The height asked for is the whole cell, ascent plus descent, as metrics() reports
        // it; a pixel size sets the em only, whose cell is a few units taller.
        int pixels = spec.height;
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font, painter_.device()).height() > spec.height) {
            font.setPixelSize(--pixels);
        }
    }
    if (spec.charWidth > 0) {
        // A character width asked for narrows or widens the face to it.
        const int natural = QFontMetrics(font, painter_.device()).averageCharWidth();
        if (natural > 0) font.setStretch(std::clamp(spec.charWidth * 100 / natural, 1, 4000));
    }
    painter_.setFont(font);
}

FontMetrics QtSurface::metrics() const {
    const QFontMetrics m(painter_.font(), painter_.device());
    return FontMetrics{m.height(), m.leading() > 0 ? m.leading() : 0, m.averageCharWidth()};
}

int QtSurface::textWidth(const std::string& text) const {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(toQt(text));
}

void QtSurface::usePen(const Pen& pen, bool smooth) {
    QPen p(toQt(pen.color));
    p.setWidth(pen.width < 1 ? 1 : pen.width);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(p);
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
}

void QtSurface::line(Point from, Point to, const Pen& pen) {
    usePen(pen, false);
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtSurface::fillRect(const Rect& r, Color fill) {
    painter_.fillRect(toQt(r), toQt(fill));
}

void QtSurface::rect(const Rect& r, const Pen& pen, std::optional<Color> fill) {
    if (r.width() <= 0 || r.height() <= 0) return;
    if (fill) fillRect(r, *fill);
    usePen(pen, false);
    painter_.setBrush(Qt::NoBrush);
    // The outline stays inside the box, as a filled box of the same size.
    const int inset = pen.width / 2;
    painter_.drawRect(QRect(r.left + inset, r.top + inset, r.width() - 1 - 2 * inset,
                            r.height() - 1 - 2 * inset));
}

void QtSurface::ellipse(const Rect& box, const Pen& pen, std::optional<Color> fill) {
    usePen(pen, true);
    painter_.setBrush(fill ? QBrush(toQt(*fill)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(toQt(box));
    painter_.setBrush(Qt::NoBrush);
}

void QtSurface::polygon(const std::vector<Point>& corners, const Pen& pen, Color fill) {
    QPolygon poly;
    for (const auto& p : corners)
        poly << QPoint(p.x, p.y);
    usePen(pen, false);
    painter_.setBrush(QBrush(toQt(fill)));
    painter_.drawPolygon(poly);
    painter_.setBrush(Qt::NoBrush);
}

void QtSurface::pie(const Rect& box, double startAngle, double endAngle, const Pen& pen,
                    Color fill) {
    usePen(pen, true);
    painter_.setBrush(QBrush(toQt(fill)));
    painter_.drawPie(toQt(box), sixteenths(startAngle), sixteenths(endAngle - startAngle));
    painter_.setBrush(Qt::NoBrush);
}

void QtSurface::text(Point at, const std::string& text, Color color, TextAlign align,
                     std::optional<Color> background) {
    const QString s = toQt(text);
    const QFontMetrics m(painter_.font(), painter_.device());
    const int w = m.horizontalAdvance(s);
    int left = at.x;
    if (align == TextAlign::Centre) left -= w / 2;
    if (align == TextAlign::Right) left -= w;
    if (background)
        painter_.fillRect(QRect(left, at.y, w, m.height() + m.leading()), toQt(*background));
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setPen(toQt(color));
    painter_.drawText(QPoint(left, at.y + m.ascent()), s);
}

QImage blankGraphImage(int width, int height, Color background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQt(background));
    return image;
}

} // namespace finplan
