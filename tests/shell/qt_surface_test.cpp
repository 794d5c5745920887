// The Qt surface's fonts on the offscreen platform: a font asked for by cell height
// measures that height, and a fixed-pitch request without a face gets a fixed-pitch face.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "shell/qt_surface.h"

using namespace finplan;

class QtSurfaceTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void heightIsTheWholeCell();
    void fixedPitchWithoutFaceIsFixedPitch();
};

// The graph layout counts lines by metrics(); a cell taller than asked for would push
// every line lower than the caller planned.
void QtSurfaceTest::heightIsTheWholeCell() {
    QImage image = blankGraphImage(100, 100, Color{});
    QPainter painter(&image);
    QtSurface surface(painter);
    for (const int cell : {10, 14, 20, 28}) {
        surface.setFont(FontSpec{"", cell, false, false});
        const FontMetrics m = surface.metrics();
        QVERIFY2(m.height <= cell && m.height >= cell - 2, qPrintable(QString::number(cell)));
        surface.setFont(FontSpec{"", cell, false, true});
        QVERIFY2(surface.metrics().height <= cell, qPrintable(QString::number(cell)));
    }
}

void QtSurfaceTest::fixedPitchWithoutFaceIsFixedPitch() {
    QImage image = blankGraphImage(100, 100, Color{});
    QPainter painter(&image);
    QtSurface surface(painter);
    surface.setFont(FontSpec{"", 14, false, true});
    QCOMPARE(surface.textWidth("iiii"), surface.textWidth("MMMM"));
}

QTEST_MAIN(QtSurfaceTest)
#include "qt_surface_test.moc"
