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
        Busy busy(p_.tools);
        if (!p_.runner.run(nullptr, RunMode::PrintFile, {})) return;
        const int pages = paginate(files::kPrintFile, "", p_.messages);
        if (pages < 1) {
            p_.messages.show("Cannot print file!", "Print Results", MessageIcon::Error);
        } else {
            // The print run has just written the date and time it ran into the tables.
            const PageHeading heading{p_.files.displayName, p_.plots.dateText, p_.plots.timeText};
            printPages(*p_.printer, pages, heading, "", p_.messages);
        }
    }
    // The Results folder runs again to show the list as it was.
    view_.dropResultsPage();
    view_.switchFolder(tab::kResults);
}

void PrintCommands::printCurrentGraph() {
    if (const auto chart = view_.shownFanChart()) {
        Busy busy(p_.tools);
        if (const auto setup = pageSetup(*p_.printer))
            printFanChart(*p_.printer, *setup, *chart, p_.messages);
        return;
    }
    if (!p_.graphs || graphTab(view_.currentTab()).kind == GraphKind::None) return;
    Busy busy(p_.tools);
    const auto setup = pageSetup(*p_.printer);
    if (!setup) return; // the graph window repaints itself once the dialog is gone
    const GraphInteraction& graphs = *p_.graphs;
    const ShownGraph shown = graphs.shownGraph();
    const Scenario& s = p_.scenario;
    const PrintedGraph graph{shown.kind, shown.firstAccount, shown.lastAccount,
                             p_.plots.plotRowCount,
                             graphHasData(s.accounts.usableCount(), s.eventCount)};
    printGraph(*p_.printer, *setup, graphs.windowState(), graph, GraphSource{p_.plots, s},
               p_.messages);
    view_.dropResultsPage();
}

void PrintCommands::printSetup() {
    Busy busy(p_.tools);
    pageSetup(*p_.printer);
}

} // namespace finplan
