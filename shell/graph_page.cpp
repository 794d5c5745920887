#include "shell/graph_page.h"

#include <QPainter>

#include "graphs/draw_graph.h"
#include "graphs/graph_state.h"
#include "shell/logic/folder_tabs.h"
#include "shell/qt_surface.h"

namespace finplan {

namespace {

// One graph folder, or the Summary's four quarters, drawn from the last run's tables.
class GraphPage : public QWidget {
  public:
    GraphPage(PlannerParts& parts, int kind, int firstAccount, int accountCount, QWidget* parent)
        : QWidget(parent), parts(parts), kind(kind), first(firstAccount), count(accountCount) {
        setObjectName(kind == 0 ? "summary" : "graph");
        state.graphKind = kind == 0 ? GraphKind::NetWorth : kind;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtSurface surface(painter);
        const Rect window{0, 0, width(), height()};
        surface.fillRect(window, state.options.buttonFace);
        const Scenario& s = parts.scenario;
        if (!graphHasData(s.accounts.usableCount(), s.eventCount)) return;
        const GraphSource source{parts.plots, s};
        const int lastRow = parts.plots.plotRowCount;
        if (lastRow < 0) return;
        if (kind == 0) {
            drawSummary(surface, window, lastRow, state, source);
        } else {
            drawGraph(surface, window, kind, first, first + count, lastRow, state, source);
        }
    }

  private:
    PlannerParts& parts;
    int kind;
    int first;
    int count;
    GraphWindowState state;
};

} // namespace

QWidget* makeGraphPage(PlannerParts& parts, int kind, int firstAccount, int accountCount,
                       QWidget* parent) {
    return new GraphPage(parts, kind, firstAccount, accountCount, parent);
}

} // namespace finplan
