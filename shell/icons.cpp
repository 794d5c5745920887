#include "shell/icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace finplan {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 245);
const QColor kBlue(40, 90, 170);
const QColor kGreen(40, 140, 60);
const QColor kRed(190, 50, 40);
const QColor kGold(220, 170, 30);

void page(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void folder(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kGold);
    p.drawPolygon(QPolygon({{1, 4}, {5, 4}, {6, 5}, {14, 5}, {14, 13}, {1, 13}}));
}

void disk(QPainter& p, QColor body) {
    p.setPen(kInk);
    p.setBrush(body);
    p.drawRect(2, 2, 11, 11);
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 7, 4);
    p.setBrush(kInk);
    p.drawRect(5, 9, 5, 3);
}

void arrow(QPainter& p, QPoint from, QPoint to, QColor c) {
    p.setPen(QPen(c, 2));
    p.drawLine(from, to);
    QPointF d = QPointF(to - from);
    double len = std::max(1.0, std::hypot(d.x(), d.y()));
    QPointF u = d / len, n(-u.y(), u.x());
    QPointF tip = to, a = tip - 3 * u + 3 * n, b = tip - 3 * u - 3 * n;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({tip + u, a, b}));
}

void table(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(x, y, 8, 9);
    for (int r = 1; r < 3; ++r)
        p.drawLine(x, y + 3 * r, x + 8, y + 3 * r);
    p.drawLine(x + 4, y, x + 4, y + 9);
}

void chart(QPainter& p, QRect r) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(kGreen, 1.5));
    int x0 = r.left() + 1, y0 = r.bottom() - 1, w = r.width() - 2, h = r.height() - 2;
    p.drawPolyline(QPolygon(
        {{x0, y0}, {x0 + w / 3, y0 - h / 3}, {x0 + 2 * w / 3, y0 - h / 4}, {x0 + w, y0 - h}}));
}

void printer(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);
}

void house(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kRed);
    p.drawPolygon(QPolygon({{1, 8}, {8, 1}, {15, 8}}));
    p.setBrush(kPaper);
    p.drawRect(3, 8, 10, 7);
    p.setBrush(kBlue);
    p.drawRect(7, 10, 3, 5);
}

void letter(QPainter& p, const QString& text, QColor c, QRect r = QRect(0, 0, 16, 16),
            int px = 10) {
    QFont f("Sans");
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void paintImage(QPainter& p, int image) {
    switch (image) {
    case 0:
        page(p);
        break; // new
    case 1:
        folder(p);
        break; // open
    case 2:
        disk(p, kBlue);
        break; // save
    case 3:
        disk(p, kBlue);
        arrow(p, {9, 14}, {15, 8}, kRed);
        break; // save as
    case 4:
        table(p, 7, 4);
        arrow(p, {0, 8}, {6, 8}, kGreen);
        break; // import
    case 5:
        table(p, 1, 4);
        arrow(p, {9, 8}, {15, 8}, kRed);
        break; // export
    case 6:
        disk(p, kGreen);
        break; // write accounts
    case 7:
        folder(p);
        table(p, 6, 6);
        break; // read accounts
    case 8:
        printer(p);
        break; // print results
    case 9:
        chart(p, {1, 1, 10, 9});
        disk(p, kBlue);
        chart(p, {1, 1, 10, 8});
        break;
    case 10:
        printer(p);
        chart(p, {4, 1, 8, 6});
        break; // print graph
    case 11:
        chart(p, {1, 2, 14, 12});
        break; // graph window
    case 12:
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(1, 1, 14, 14);
        letter(p, "?", Qt::white);
        break; // help
    case 13:
        house(p);
        break; // mortgage
    case 14:
        house(p);
        arrow(p, {15, 15}, {15, 9}, kGreen);
        break; // refinance
    case 15:
        house(p);
        arrow(p, {0, 14}, {8, 14}, kGold);
        break; // accelerated
    case 16:
        letter(p, "%", kRed);
        arrow(p, {13, 14}, {13, 3}, kRed);
        break; // inflation
    case 17:
        letter(p, "T", kBlue, {0, 0, 9, 16});
        letter(p, "%", kRed, {6, 0, 10, 16});
        break;
    case 18: // trade-off: scales
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(8, 2, 8, 14);
        p.drawLine(3, 4, 13, 4);
        p.drawLine(5, 14, 11, 14);
        p.setBrush(kGold);
        p.drawChord(0, 3, 6, 6, 180 * 16, 180 * 16);
        p.drawChord(10, 3, 6, 6, 180 * 16, 180 * 16);
        break;
    case 19:
        chart(p, {0, 0, 9, 9});
        chart(p, {6, 6, 9, 9});
        break; // compare
    case 20:   // calculator
        p.setPen(kInk);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(2, 0, 11, 15);
        p.setBrush(QColor(200, 230, 200));
        p.drawRect(4, 2, 7, 3);
        p.setBrush(kInk);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(4 + 3 * c, 7 + 3 * r, 1, 1);
        break;
    case 21:
        p.setBrush(kGreen);
        p.setPen(Qt::NoPen);
        p.drawEllipse(1, 1, 14, 14);
        letter(p, "i", Qt::white);
        break; // about
    default:
        letter(p, "$", kGreen);
        break; // spare images
    }
}

} // namespace

QPixmap toolbarImage(int image) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paintImage(p, image);
    return pm;
}

QIcon programIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRoundedRect(1, 1, 30, 30, 4, 4);
    const int heights[] = {6, 10, 15, 21};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 3 ? kGreen : kBlue);
        p.drawRect(5 + 6 * i, 27 - heights[i], 4, heights[i]);
    }
    letter(p, "$", kGold, {16, 2, 14, 14}, 12);
    return QIcon(pm);
}

QPixmap splashPixmap() {
    QPixmap pm(350, 350);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 350);
    sky.setColorAt(0, QColor(230, 240, 252));
    sky.setColorAt(1, QColor(170, 200, 235));
    p.fillRect(pm.rect(), sky);
    // A rising bar chart with a growth curve: the plan at a glance.
    const int heights[] = {40, 55, 72, 95, 120, 150, 185};
    for (int i = 0; i < 7; ++i) {
        QLinearGradient bar(0, 0, 34, 0);
        bar.setColorAt(0, QColor(60, 110, 190));
        bar.setColorAt(1, QColor(30, 70, 140));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRect(40 + 40 * i, 300 - heights[i], 30, heights[i]);
    }
    QPainterPath curve;
    curve.moveTo(40, 250);
    curve.cubicTo(150, 240, 230, 190, 320, 100);
    p.setPen(QPen(QColor(40, 150, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(kInk, 2));
    p.drawLine(30, 300, 330, 300);
    QFont f("Serif");
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 40, 90));
    p.drawText(QRect(0, 20, 350, 40), Qt::AlignCenter, "Financial Planner");
    f.setPixelSize(14);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 58, 350, 22), Qt::AlignCenter,
               "Plan your savings, spending and retirement");
    p.drawText(QRect(0, 310, 350, 30), Qt::AlignCenter, "Version 6.0");
    return pm;
}

} // namespace finplan
