// The graph window's answer to the mouse and the keys: the value under the mouse, the
// pie of one age, the drawing style, the legend and the Summary's selected age. The
// Qt page turns its events into calls and does what the response says.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graphs/graph_state.h"
#include "graphs/plot_series.h"
#include "model/scenario.h"
#include "platform/surface.h"

namespace finplan {

enum class GraphInputKind { MouseMove, ButtonDown, ButtonUp, DoubleClick, Key };
enum class MouseButton { Left, Right };
enum class GraphKey { Other, L, N, Left, Right, Up, Down };

struct GraphInput {
    GraphInputKind kind = GraphInputKind::MouseMove;
    Point at; // the mouse, in window units
    MouseButton button = MouseButton::Left;
    GraphKey key = GraphKey::Other;
};

// A value popup: one line over a graph or a legend entry, name and value over a slice.
struct ValuePopup {
    Point mouse;
    std::vector<std::string> lines;
};

struct GraphResponse {
    bool redraw = false;              // the whole window
    bool redrawLegendQuarter = false; // the Summary legend quarter only
    std::optional<ValuePopup> popup;  // show this popup
    bool hidePopup = false;
    std::optional<Point> moveMouse; // put the mouse here
};

// What a graph folder shows: its kind and its page of accounts.
struct ShownGraph {
    int kind = GraphKind::NetWorth; // GraphKind::Pie while a pie is shown
    int firstAccount = 0;
    int lastAccount = 0;
};

class GraphInteraction {
  public:
    GraphInteraction(const PlotSeries& plotSeries, const Scenario& plan)
        : series_(plotSeries), scenario_(plan) {}

    // A graph folder of that kind and account page, or (summary) the Summary folder,
    // which starts with the net worth graphs drawn as lines.
    void enterFolder(bool summary, int kind, int firstAccount = 0, int lastAccount = 0);
    // The window's client rectangle, for the Summary quarters.
    void setWindow(const Rect& window) { windowRect_ = window; }
    // Input is ignored while this says so (a tool window is open, a print is running).
    std::function<bool()> inputBlocked;

    GraphResponse handleGraphInput(const GraphInput& input);

    // The tooltip over a line or bar graph (a Summary quarter too): "Age 66", then a
    // "name: value" line for each series drawn at that age. Empty anywhere else.
    std::vector<std::string> hoverText(Point p) const;

    // The cross cursor is shown and the mouse captured.
    bool crossCursor() const { return cross_; }
    bool summary() const { return inSummary_; }
    ShownGraph shownGraph() const {
        return ShownGraph{state_.graphKind, firstAccount_, lastAccount_};
    }
    GraphWindowState& windowState() { return state_; }
    const GraphWindowState& windowState() const { return state_; }

  private:
    struct Target; // what lies under the mouse

    Target targetAt(Point p) const;
    GraphResponse mouseMove(Point p);
    GraphResponse buttonDown(Point p);
    GraphResponse doubleClick(Point p, MouseButton button);
    GraphResponse key(GraphKey k);
    GraphResponse summaryArrow(GraphKey k);
    void advanceStyle();
    int rowCount() const { return series_.rowsFilled(); }
    bool pieShown() const { return state_.graphKind == GraphKind::Pie; }

    const PlotSeries& series_;
    const Scenario& scenario_;
    GraphWindowState state_;
    Rect windowRect_;
    bool inSummary_ = false;
    int firstAccount_ = 0;
    int lastAccount_ = 0;
    bool cross_ = false;
    Point mouse_;
    bool mouseKnown_ = false;
};

// The value at height y of a plot drawn with that geometry.
float valueAtHeight(const PlotGeometry& plot, int y);
// The row a click at x selects: the column under it, or in flat-bar style the nearest
// column boundary.
int rowAtX(const PlotGeometry& plot, int x, bool flatBars);
// The slice of a pie at p (by its angle round the centre), or -1 for an empty pie.
int sliceAt(const PieGeometry& pie, Point p);

} // namespace finplan
