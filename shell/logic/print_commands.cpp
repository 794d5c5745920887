#include "shell/logic/print_commands.h"

#include "graphs/graph_print.h"
#include "model/file_names.h"
#include "results/schedule_print.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/graph_interaction.h"

namespace finplan {

namespace {

// Marks printing busy for as long as it lives.
class Busy {
  public:
    explicit Busy(ToolWindows& toolWindows) : tools(toolWindows) {
        toolWindows.open(kPrintingTool);
    }
    ~Busy() { tools.close(kPrintingTool); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    ToolWindows& tools;
};

} // namespace

void PrintCommands::printResults() {
    {
        Busy busy(p.tools);
        if (!p.runner.run(nullptr, RunMode::PrintFile, {})) return;
        const int pages = paginate(files::kPrintFile, "", p.messages);
        if (pages < 1) {
            p.messages.show("Cannot print file!", "Print Results", MessageIcon::Error);
        } else {
            // The print run has just written the date and time it ran into the tables.
            const PageHeading heading{p.files.displayName, p.plots.dateText, p.plots.timeText};
            printPages(*p.printer, pages, heading, "", p.messages);
        }
    }
    // The Results folder runs again to show the list as it was.
    view.dropResultsPage();
    view.switchFolder(tab::kResults);
}

void PrintCommands::printCurrentGraph() {
    if (const auto chart = view.shownFanChart()) {
        Busy busy(p.tools);
        if (const auto setup = pageSetup(*p.printer))
            printFanChart(*p.printer, *setup, *chart, p.messages);
        return;
    }
    if (!p.graphs || graphTab(view.currentTab()).kind == GraphKind::None) return;
    Busy busy(p.tools);
    const auto setup = pageSetup(*p.printer);
    if (!setup) return; // the graph window repaints itself once the dialog is gone
    const GraphInteraction& graphs = *p.graphs;
    const ShownGraph shown = graphs.shownGraph();
    const Scenario& s = p.scenario;
    const PrintedGraph graph{shown.kind, shown.firstAccount, shown.lastAccount,
                             p.plots.plotRowCount,
                             graphHasData(s.accounts.usableCount(), s.eventCount)};
    printGraph(*p.printer, *setup, graphs.windowState(), graph, GraphSource{p.plots, s},
               p.messages);
    view.dropResultsPage();
}

void PrintCommands::printSetup() {
    Busy busy(p.tools);
    pageSetup(*p.printer);
}

} // namespace finplan
