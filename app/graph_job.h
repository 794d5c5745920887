// What `finplan graph` and finplan-graph-png share: the options, the run of the
// scenario into the plot tables and the drawing onto a surface.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "engine/run_state.h"
#include "graphs/draw_graph.h"
#include "graphs/plot_series.h"
#include "model/scenario.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "results/ready_run.h"

namespace finplan::cli {

struct GraphRequest {
    std::string path;
    std::string kind = "networth";
    std::string pieOf = "networth"; // the graph a pie takes its slices from
    bool pies = false;              // the Summary with its pies
    int age = -1;                   // -1: the first plotted age
    int page = 1;                   // account page, ten accounts each
    std::string style = "lines";
    int hover = 0; // Summary legend section: 0/1 net worth, 2 incoming, 3 outgoing
    bool noLegend = false;
    bool legendAfter = false;
    bool printer = false; // draw as on a printer page
    int width = 1000;
    int height = 700;
    int fontHeight = 0; // 0: chosen from the height
};

// Adds the options shared by both programs to cmd.
void addGraphOptions(CLI::App& cmd, GraphRequest& r);

// The loaded scenario, its run and the window state to draw.
struct GraphJob {
    std::unique_ptr<ReadyRun> ready; // the loaded scenario and its plot tables
    Scenario& scenario() { return ready->scenario(); }
    PlotSeries& series() { return ready->series(); }
    GraphWindowState state;
    bool summary = false;
    int graphKind = GraphKind::NetWorth;
    int firstAccount = 0;
    int lastAccount = 0;
    bool drawable = true; // false when the scenario has no events or no accounts
    int fontHeight = 14;
};

// Loads and runs the scenario and sets the graph up as the request says. Problems
// are reported through messages and give false; a scenario with nothing to draw is
// noted on standard error and gives true.
bool prepareGraph(const GraphRequest& request, GraphJob& job, Messages& messages);

// Clears the window to the graph background and draws the graph.
void renderGraph(Surface& surface, GraphJob& job, const GraphRequest& request);

} // namespace finplan::cli
