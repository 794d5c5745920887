#include "shell/graph_page.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include "graphs/draw_graph.h"
#include "graphs/graph_state.h"
#include "graphs/summary_legend.h"
#include "graphs/value_popup.h"
#include "shell/logic/first_steps.h"
#include "shell/logic/folder_tabs.h"
#include "shell/qt_surface.h"

namespace finplan {

namespace {

GraphKey graphKey(int key) {
    switch (key) {
    case Qt::Key_L:
        return GraphKey::L;
    case Qt::Key_N:
        return GraphKey::N;
    case Qt::Key_Left:
        return GraphKey::Left;
    case Qt::Key_Right:
        return GraphKey::Right;
    case Qt::Key_Up:
        return GraphKey::Up;
    case Qt::Key_Down:
        return GraphKey::Down;
    default:
        return GraphKey::Other;
    }
}

// One graph folder, or the Summary's four quarters, drawn from the last run's tables.
// The drawing is kept in a pixmap: a popup is drawn over it and taken away by
// showing the kept drawing again.
class GraphPage : public QWidget {
  public:
    GraphPage(PlannerParts& theParts, GraphInteraction& theGraphs, int kind, int firstAccount,
              int accountCount, QWidget* parent)
        : QWidget(parent), parts(theParts), graphs(theGraphs) {
        const bool summary = kind == GraphKind::None;
        setObjectName(summary ? "summary" : "graph");
        theGraphs.enterFolder(summary, kind, firstAccount, firstAccount + accountCount);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (cache.size() != size() * devicePixelRatioF() || stale) render();
        QPainter painter(this);
        painter.drawPixmap(0, 0, cache);
        if (popup) {
            QtSurface surface(painter);
            drawValuePopup(surface, window(), popup->mouse, popup->lines,
                           graphs.windowState().options.buttonFace);
        }
    }

    void mouseMoveEvent(QMouseEvent* e) override { send(GraphInputKind::MouseMove, e); }
    void mousePressEvent(QMouseEvent* e) override {
        setFocus();
        send(GraphInputKind::ButtonDown, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override { send(GraphInputKind::ButtonUp, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { send(GraphInputKind::DoubleClick, e); }
    void keyPressEvent(QKeyEvent* e) override {
        const GraphKey k = graphKey(e->key());
        if (k == GraphKey::Other || e->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
            QWidget::keyPressEvent(e);
            return;
        }
        apply(graphs.handleGraphInput(GraphInput{GraphInputKind::Key, {}, MouseButton::Left, k}));
    }
    bool event(QEvent* e) override {
        if (e->type() != QEvent::ToolTip) return QWidget::event(e);
        auto* help = static_cast<QHelpEvent*>(e);
        QStringList lines;
        // The click popup stays the one value shown while a button is held.
        if (!popup && drawable())
            for (const std::string& l : graphs.hoverText(Point{help->pos().x(), help->pos().y()}))
                lines << QString::fromStdString(l);
        if (lines.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), lines.join('\n'), this);
        return true;
    }
    void hideEvent(QHideEvent*) override { setCross(false); }
    void leaveEvent(QEvent*) override {
        if (!grabbed) setCross(false);
    }

  private:
    Rect window() const { return Rect{0, 0, width(), height()}; }

    bool drawable() const {
        const Scenario& s = parts.scenario;
        return graphHasData(s.accounts.usableCount(), s.eventCount) &&
               parts.plots.plotRowCount >= 0;
    }

    void render() {
        cache = QPixmap(size() * devicePixelRatioF());
        cache.setDevicePixelRatio(devicePixelRatioF());
        stale = false;
        QPainter painter(&cache);
        painter.setFont(font());
        QtSurface surface(painter);
        GraphWindowState& state = graphs.windowState();
        surface.fillRect(window(), state.options.buttonFace);
        graphs.setWindow(window());
        if (!drawable()) {
            if (graphs.summary()) drawFirstSteps(painter);
            return;
        }
        const GraphSource source{parts.plots, parts.scenario};
        const int lastRow = parts.plots.plotRowCount;
        if (graphs.summary()) {
            drawSummary(surface, window(), lastRow, state, source);
        } else {
            const ShownGraph g = graphs.shownGraph();
            drawGraph(surface, window(), g.kind, g.firstAccount, g.lastAccount, lastRow, state,
                      source);
        }
    }

    // An empty plan (after New) is told where to begin instead of an empty folder.
    void drawFirstSteps(QPainter& painter) {
        const Scenario& s = parts.scenario;
        QStringList lines;
        for (const std::string& l : firstStepsText(s.accounts.usableCount(), s.eventCount))
            lines << QString::fromStdString(l);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         lines.join('\n'));
    }

    void redrawLegendQuarter() {
        if (!drawable() || cache.isNull()) return;
        QPainter painter(&cache);
        painter.setFont(font());
        QtSurface surface(painter);
        drawSummaryLegend(surface, window(), graphs.windowState(),
                          GraphSource{parts.plots, parts.scenario}, parts.plots.plotRowCount);
    }

    void send(GraphInputKind kind, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        const MouseButton b =
            e->button() == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
        apply(graphs.handleGraphInput(GraphInput{kind, Point{p.x(), p.y()}, b, GraphKey::Other}));
    }

    void apply(const GraphResponse& r) {
        setCross(graphs.crossCursor());
        if (r.redraw) {
            stale = true;
            // The plot file names the graph last shown, the pie included.
            if (!graphs.summary()) parts.runner.setGraphKind(graphs.windowState().graphKind);
        }
        if (r.redrawLegendQuarter && !r.redraw) redrawLegendQuarter();
        if (r.hidePopup) popup.reset();
        if (r.popup) popup = r.popup;
        if (r.moveMouse) QCursor::setPos(mapToGlobal(QPoint(r.moveMouse->x, r.moveMouse->y)));
        if (r.redraw || r.redrawLegendQuarter || r.popup || r.hidePopup) update();
    }

    // The cross over a plot, and the mouse kept while it is there, so leaving the
    // window also brings the arrow back.
    void setCross(bool on) {
        if (on == grabbed) return;
        grabbed = on;
        if (on) {
            setCursor(Qt::CrossCursor);
            if (isVisible()) grabMouse(Qt::CrossCursor);
        } else {
            unsetCursor();
            releaseMouse();
        }
    }

    PlannerParts& parts;
    GraphInteraction& graphs;
    QPixmap cache;
    bool stale = true;
    bool grabbed = false;
    std::optional<ValuePopup> popup;
};

} // namespace

QWidget* makeGraphPage(PlannerParts& parts, GraphInteraction& graphs, int kind, int firstAccount,
                       int accountCount, QWidget* parent) {
    return new GraphPage(parts, graphs, kind, firstAccount, accountCount, parent);
}

} // namespace finplan
