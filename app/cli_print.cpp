// finplan print FILE.ret --pdf OUT.pdf [--details] [--accounts] [--copies N]
//     Print Results into a PDF file: the print file and the page files are written in a
//     scratch folder of the command's own, removed afterwards
// finplan print-graph FILE.ret --kind KIND [graph options] --pdf OUT.pdf
//                      [--margins L,T,R,B] [--copies N]
//     Print Current Graph into a PDF file; margins in thousandths of an inch
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "app/graph_job.h"
#include "graphs/graph_print.h"
#include "graphs/plot_file.h"
#include "model/atomic_file.h"
#include "model/file_names.h"
#include "model/scenario_ops.h"
#include "platform/pdf_printer.h"
#include "results/schedule_print.h"
#include "results/schedule_runs.h"

namespace finplan::cli {

namespace {

struct PrintOptions {
    std::string path;
    std::string pdf;
    bool details = false;
    bool accounts = false;
    int copies = 1;
};

struct GraphPrintOptions {
    GraphRequest graph;
    std::string pdf;
    std::vector<int> margins{1000, 1000, 1000, 1000};
    int copies = 1;
};

PdfPrinter::FileWriter atomicWriter() {
    return [](const std::string& path, const std::string& bytes, std::string& reason) {
        const FileResult r = saveTextFile(path, bytes);
        reason = r.reason;
        return r.ok;
    };
}

bool printCommand(const PrintOptions& o) {
    StderrMessages messages(true);
    // Never in the working folder: a user's file named "page1" stays theirs.
    ScratchFolder scratch;
    if (!scratch.create(messages)) return false;
    const std::string printFile = scratch.file(baseNameOf(files::kPrintFile));

    RunSetup setup;
    setup.plotFile = scratch.file(files::kPlotFile);
    setup.seed = 1; // the accounts' own rates: the generator is not drawn from
    setup.view = ViewSettings{o.details, o.accounts};
    ScenarioFiles files;
    const auto ready = openRun(o.path, setup, files, messages);
    if (!ready) return false;
    if (!writePrintFile(ready->session(), RunFlags{}, printFile)) return false;
    const PlotSeries* series = &ready->series();

    const int pages = paginate(printFile, scratch.path(), messages);
    if (pages < 1) {
        messages.show("Cannot print file!", "Print Results", MessageIcon::Error);
        return false;
    }
    PdfPrinter printer(o.pdf, atomicWriter());
    printer.copies = o.copies;
    return printPages(printer, pages,
                      PageHeading{files.displayName, series->dateText, series->timeText},
                      scratch.path(), messages);
}

bool printGraphCommand(const GraphPrintOptions& o) {
    StderrMessages messages(true);
    if (o.graph.kind == "summary") {
        messages.show("The Summary folder is not printed: choose a graph kind.", "Print Error",
                      MessageIcon::Error);
        return false;
    }
    GraphJob job;
    if (!prepareGraph(o.graph, job, messages)) return false;
    PdfPrinter printer(o.pdf, atomicWriter());
    printer.copies = o.copies;
    printer.margins = PageSetupMargins{o.margins[0], o.margins[1], o.margins[2], o.margins[3]};
    const auto setup = pageSetup(printer);
    if (!setup) return false;
    const PrintedGraph graph{job.graphKind, job.firstAccount, job.lastAccount,
                             job.series().plotRowCount, job.drawable};
    return printGraph(printer, *setup, job.state, graph, GraphSource{job.series(), job.scenario()},
                      messages);
}

} // namespace

void addPrintCommands(CLI::App& app) {
    auto o = std::make_shared<PrintOptions>();
    CLI::App* print = app.add_subcommand("print", "Print a scenario's results into a PDF file");
    print->add_option("file", o->path, "Scenario file (.ret)")->required();
    print->add_option("--pdf", o->pdf, "Write the pages to this .pdf file")->required();
    print->add_flag("--details", o->details, "Show detailed results");
    print->add_flag("--accounts", o->accounts, "Show accounts");
    print->add_option("--copies", o->copies, "Number of copies")->check(CLI::Range(1, 99));
    print->callback([o] {
        if (!printCommand(*o)) throw CLI::RuntimeError(1);
    });

    auto g = std::make_shared<GraphPrintOptions>();
    CLI::App* graph = app.add_subcommand("print-graph", "Print a scenario's graph into a PDF file");
    addGraphOptions(*graph, g->graph);
    graph->add_option("--pdf", g->pdf, "Write the page to this .pdf file")->required();
    graph->add_option("--margins", g->margins, "Page margins L,T,R,B in thousandths of an inch")
        ->delimiter(',')
        ->expected(4)
        ->check(CLI::Range(0, 4000));
    graph->add_option("--copies", g->copies, "Number of copies")->check(CLI::Range(1, 99));
    graph->callback([g] {
        if (!printGraphCommand(*g)) throw CLI::RuntimeError(1);
    });
}

} // namespace finplan::cli
