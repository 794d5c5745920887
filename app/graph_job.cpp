#include "app/graph_job.h"

#include <algorithm>
#include <iostream>
#include <map>

#include "app/cli_support.h"
#include "engine/run_driver.h"
#include "graphs/plot_file.h"
#include "model/scenario_ops.h"
#include "model/whole_number.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "text/format.h"

namespace finplan::cli {

namespace {

const std::map<std::string, int> kKinds = {
    {"networth", GraphKind::NetWorth}, {"inout", GraphKind::InOut},
    {"incoming", GraphKind::Incoming}, {"outgoing", GraphKind::Outgoing},
    {"accounts", GraphKind::Accounts}, {"groups", GraphKind::Groups},
};

std::vector<std::string> kindNames(bool withSummaryAndPie) {
    std::vector<std::string> names;
    for (const auto& [name, kind] : kKinds)
        names.push_back(name);
    if (withSummaryAndPie) {
        names.push_back("summary");
        names.push_back("pie");
    }
    return names;
}

} // namespace

void addGraphOptions(CLI::App& cmd, GraphRequest& r) {
    cmd.add_option("file", r.path, "Scenario file (.ret)")->required();
    cmd.add_option("--kind", r.kind, "Graph kind")->check(CLI::IsMember(kindNames(true)));
    cmd.add_option("--of", r.pieOf, "Graph a pie takes its slices from")
        ->check(CLI::IsMember(kindNames(false)));
    cmd.add_flag("--pies", r.pies, "Summary: the pies of the selected age");
    cmd.add_option("--age", r.age, "Selected age (pie, Summary legend)");
    cmd.add_option("--page", r.page, "Account page (1 = accounts 1-10)")->check(CLI::Range(1, 5));
    cmd.add_option("--style", r.style, "Drawing style")
        ->check(CLI::IsMember({"lines", "bars", "3d"}));
    cmd.add_option("--hover", r.hover,
                   "Summary legend section: 1 net worth, 2 incoming, 3 outgoing")
        ->check(CLI::Range(0, 3));
    cmd.add_flag("--no-legend", r.noLegend, "Hide the legend");
    cmd.add_flag("--legend-after", r.legendAfter, "Draw the legend over the series");
    cmd.add_flag("--printer", r.printer, "Draw as on a printer page");
    cmd.add_option("--width", r.width, "Width in pixels")->check(CLI::Range(200, 8000));
    cmd.add_option("--height", r.height, "Height in pixels")->check(CLI::Range(150, 8000));
    cmd.add_option("--font-height", r.fontHeight, "Font height in pixels")
        ->check(CLI::Range(6, 200));
}

namespace {

// Loads and runs the scenario into the job's plot tables (no plot file).
bool runForGraph(const GraphRequest& request, GraphJob& job, Messages& messages) {
    RunSetup setup; // the plot tables only, no plot file
    setup.seed = 1; // the accounts' own rates: the generator is not drawn from
    ScenarioFiles files;
    job.ready = openRun(request.path, setup, files, messages);
    return job.ready && job.ready->run(job.ready->request());
}

// The drawing options and the graph kind the request names.
void applyRequest(const GraphRequest& request, GraphJob& job) {
    GraphWindowState& st = job.state;
    GraphOptions& o = st.options;
    o.lineStyle = request.style == "lines" ? 1 : 0;
    o.barStyle = request.style == "3d" ? 2 : 0;
    o.legendHidden = request.noLegend;
    o.legendAfter = request.legendAfter ? 1 : 0;
    o.printing = request.printer;
    st.hoveredQuarter = request.hover;

    if (job.summary) {
        job.graphKind = request.pies ? GraphKind::Pie : GraphKind::NetWorth;
    } else if (request.kind == "pie") {
        job.graphKind = GraphKind::Pie;
        st.previousKind = kKinds.at(request.pieOf);
    } else {
        job.graphKind = kKinds.at(request.kind);
    }
    st.graphKind = job.graphKind;
}

// The account page of the request; false (and a message) when an account graph's
// page has no account.
bool chooseAccountPage(const GraphRequest& request, GraphJob& job, Messages& messages) {
    const GraphWindowState& st = job.state;
    const int accounts = std::min(job.series().accountCount, job.scenario().accounts.usableCount());
    job.firstAccount = (request.page - 1) * 10;
    job.lastAccount = std::min(job.firstAccount + 10, accounts);
    const bool accountGraph =
        job.graphKind == GraphKind::Accounts ||
        (job.graphKind == GraphKind::Pie && st.previousKind == GraphKind::Accounts);
    if (accountGraph && !job.summary && job.firstAccount >= accounts) {
        messages.show(format("Account page %d is empty: the scenario has %d accounts.",
                             request.page, accounts),
                      "GRAPH", MessageIcon::Error);
        return false;
    }
    return true;
}

// The row of the requested age (the first row without one); false (and a message)
// when that age is not plotted.
bool selectAge(const GraphRequest& request, GraphJob& job, Messages& messages) {
    GraphWindowState& st = job.state;
    st.selectedRow = 0;
    if (request.age < 0) return true;
    st.selectedRow = -1;
    const int rows = job.series().rowsFilled();
    for (int r = 0; r < rows; ++r)
        if (wholeNumber(job.series().rows[static_cast<std::size_t>(r)].age) == request.age)
            st.selectedRow = r;
    if (st.selectedRow >= 0) return true;
    messages.show(format("Age %d is not plotted.", request.age), "GRAPH", MessageIcon::Error);
    return false;
}

} // namespace

bool prepareGraph(const GraphRequest& request, GraphJob& job, Messages& messages) {
    if (!runForGraph(request, job, messages)) return false;
    job.summary = request.kind == "summary";
    job.drawable = job.scenario().eventCount > 0 && job.scenario().accounts.usableCount() > 0;
    applyRequest(request, job);
    if (!chooseAccountPage(request, job, messages) || !selectAge(request, job, messages))
        return false;
    job.fontHeight =
        request.fontHeight > 0 ? request.fontHeight : std::clamp(request.height / 48, 10, 40);
    if (!job.drawable) std::cerr << "The scenario has no events or no accounts: nothing to draw.\n";
    return true;
}

void renderGraph(Surface& surface, GraphJob& job, const GraphRequest& request) {
    const Rect window{0, 0, request.width, request.height};
    surface.fillRect(window, request.printer ? kWhite : job.state.options.buttonFace);
    if (!job.drawable) return; // as the graph window: nothing without events and accounts
    const GraphSource source{job.series(), job.scenario()};
    const int lastRow = job.series().plotRowCount;
    if (job.summary)
        drawSummary(surface, window, lastRow, job.state, source);
    else
        drawGraph(surface, window, job.graphKind, job.firstAccount, job.lastAccount, lastRow,
                  job.state, source);
}

} // namespace finplan::cli
