// Print Current Graph: the page setup, then the graph of the current graph folder on
// one printer page per copy.
#pragma once

#include <optional>

#include "graphs/fan_chart.h"
#include "graphs/graph_series.h"
#include "graphs/graph_state.h"
#include "platform/messages.h"
#include "platform/printer.h"

namespace finplan {

// Margins of the page setup (thousandths of an inch) in that printer's device units.
PageMargins deviceMargins(const PageSetupMargins& m, const PrinterDevice& device);

struct GraphPageSetup {
    int copies = 1;
    PageMargins margins;
};

// The print dialog to choose the printer, then its page setup dialog; nothing when
// either is cancelled.
std::optional<GraphPageSetup> pageSetup(Printer& printer);

// The graph that is shown: its kind (the pie with its previous kind and selected row
// in screen), its account page and the last run's tables.
struct PrintedGraph {
    int kind = GraphKind::NetWorth;
    int firstAccount = 0;
    int lastAccount = 0;
    int lastRowIndex = -1;
    bool drawable = true; // false: the scenario has no events or no accounts
};

// Said when the page setup's margins leave no room for the plot or the pie.
inline constexpr const char* kNoRoomText =
    "The margins leave no room for the graph.\nChoose smaller margins in the page setup.";

// Prints the graph drawn as on the screen (style, legend, pie) but on a printer page,
// one document "Printing Graph" per copy. False when nothing was printed.
bool printGraph(Printer& printer, const GraphPageSetup& setup, const GraphWindowState& screen,
                const PrintedGraph& graph, const GraphSource& source, Messages& messages);

// Prints the fan chart of a many-trial analysis within the margins, in the same way.
bool printFanChart(Printer& printer, const GraphPageSetup& setup, const FanChart& chart,
                   Messages& messages);

} // namespace finplan
