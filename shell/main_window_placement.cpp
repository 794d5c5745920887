// Where the main window opens and what "prefinf.dat" keeps of it when it closes.
#include <QScreen>
#include <algorithm>

#include "model/window_placement.h"
#include "shell/logic/window_geometry.h"
#include "shell/main_window.h"
#include "shell/screen_fit.h"

namespace finplan {

// The place and size of the last run, never smaller than the default size; the window
// can be resized (not below that size) and maximised.
void MainWindow::placeWindow() {
    const double dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
    const QRect room = screen() ? screen()->availableGeometry() : QRect();
    const WindowGeometry at = startGeometry(loadPlacement(), dpi, room.width(), room.height());
    const WindowGeometry least = defaultWindowSize(dpi);
    resize(at.width, at.height);
    move(at.x, at.y);
    // The frame too must fit, at any scale: the least size gives way to the screen.
    keepOnScreen(*this);
    setMinimumSize(std::min(least.width, width()), std::min(least.height, height()));
}

// The frame's top-left corner (where move() puts it) and the size inside the frame
// (what resize() takes), so that the next start puts the window back exactly; for a
// maximised window, the place and size it goes back to.
// A maximised window may have a thinner frame than a normal one: the offset of the
// normal frame is the one last seen while the window was normal.
WindowPlacement MainWindow::currentPlacement() {
    const bool whole = isMaximized() || isFullScreen();
    if (!whole) noteFrameOffset();
    const QRect inside = whole ? normalGeometry() : geometry();
    const QPoint corner = inside.topLeft() - normalFrameOffset_;
    return {corner.x(), corner.y(), inside.width(), inside.height()};
}

void MainWindow::noteFrameOffset() {
    if (windowState() == Qt::WindowNoState)
        normalFrameOffset_ = geometry().topLeft() - frameGeometry().topLeft();
}

void MainWindow::moveEvent(QMoveEvent* e) {
    noteFrameOffset();
    QMainWindow::moveEvent(e);
}

} // namespace finplan
