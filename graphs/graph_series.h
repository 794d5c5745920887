// The series each graph kind draws, taken from the last run's plot series.
#pragma once

#include <string>
#include <vector>

#include "graphs/graph_state.h"
#include "graphs/plot_series.h"
#include "model/scenario.h"

namespace finplan {

// What the renderer reads: the plot series and, for the groups and the Summary
// legend, the scenario that was run.
struct GraphSource {
    const PlotSeries& series;
    const Scenario& scenario;
};

struct GraphSeriesSet {
    int kind = GraphKind::None;
    std::string title;
    std::vector<std::string> names;
    std::vector<std::vector<float>> values; // [series][row], drawn rows only
    int rowCount = 0;                       // columns of the plot
    int rowsDrawn = 0; // the incoming and outgoing kinds leave out the last row
    float minValue = 0;
    float maxValue = 0;
};

// Rows the renderer may read: lastRowIndex + 1 within the table.
int usableRowCount(int lastRowIndex);

// The title of a graph kind ("" for the pie).
std::string graphTitle(int kind);

GraphSeriesSet collectSeries(int kind, int firstAccount, int lastAccount, int lastRowIndex,
                             const GraphSource& source);

struct PieComponents {
    std::string caption;
    std::vector<std::string> names;
    std::vector<float> values;
    bool paletteFromZero = false; // modes 2, 5 and 7 colour component i with position i
};

// The slices of a pie in component mode 1..5 or 7 at one row.
PieComponents pieComponents(int mode, int row, int firstAccount, int lastAccount,
                            const GraphSource& source);

} // namespace finplan
