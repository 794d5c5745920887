// Reads a plot file ("plotinf01.tmp", or a ".kvp" copy saved by Save Graphs) back into
// the tables the graph renderer draws, so our viewer programs show a run exactly as
// the planner's graph folders do.
#pragma once

#include <memory>
#include <string>

#include "graphs/graph_series.h"
#include "graphs/graph_state.h"
#include "graphs/plot_series.h"
#include "model/scenario.h"

namespace finplan {

struct PlotFileContents {
    int graphKind = GraphKind::NetWorth; // the kind last shown in the planner
    std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
    // The part of the run's scenario the graphs read besides the series: the account
    // count, each account's group and the group names.
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();

    int rowCount() const { return series->rowsFilled(); }
    int accountCount() const { return series->accountCount; }
    GraphSource source() const { return {*series, *scenario}; }
};

// A plot file of 101 rows and 50 accounts is well under this.
inline constexpr std::size_t kMaxPlotFileBytes = 2 * 1024 * 1024;

// Takes a whole plot file's text. Empty when it was read; otherwise what is wrong with
// it as a sentence, and out is left cleared.
std::string parsePlotFile(const std::string& text, PlotFileContents& out);

// Reads the plot file at path. Empty when it was read; otherwise the message to show.
std::string readPlotFile(const std::string& path, PlotFileContents& out);

} // namespace finplan
