// finplan history FILE.ret [--market GROUP=MARKET]... [--inflation history|plan]
//                          [--from Y] [--to Y] [--threads T] [--csv OUT.csv] [--svg OUT.svg]
//                          [--show YEAR] [--progress] [--table FILE.csv]
//     the plan replayed against every sequence of market years since 1871: the
//     success rate, the failing start years with the age each ran dry and why, the
//     worst five start years and the median; --show prints one cycle's schedule as
//     `finplan run` prints a run
#include <iostream>
#include <memory>
#include <string>

#include "analysis/history_report.h"
#include "app/cli_commands.h"
#include "app/cli_markets.h"
#include "app/cli_replay.h"
#include "app/cli_support.h"
#include "engine/money.h"
#include "graphs/fan_chart.h"
#include "graphs/svg_surface.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"

namespace finplan::cli {

namespace {

struct HistoryOptions {
    std::string path;
    MarketOptions market;
    int from = 0;
    int to = 0;
    int threads = 0;
    std::string csv;
    std::string svg;
    int show = 0;
    bool progress = false;
};

bool writeOutput(const std::string& path, const std::string& text, Messages& messages) {
    const FileResult r = saveTextFile(path, text);
    if (!r) showFileError(messages, format("Cannot open %s for writing!", path.c_str()), r.reason);
    return r.ok;
}

// Every cycle's total savings in start-year dollars.
std::string cycleChartSvg(const HistoryResults& r) {
    CycleChart chart;
    chart.title =
        format("TOTAL SAVINGS IN START-YEAR DOLLARS, %d CYCLES", static_cast<int>(r.cycles.size()));
    chart.firstAge = r.firstAge;
    for (const CycleResult& c : r.cycles) {
        std::vector<float> line(c.savings.size());
        for (std::size_t i = 0; i < line.size(); ++i)
            line[i] = static_cast<float>(c.savings[i] / c.priceLevel[i]);
        chart.lines.push_back(std::move(line));
        chart.failed.push_back(c.failed);
    }
    SvgSurface svg(900, 560);
    drawCycleChart(svg, Rect{0, 0, 900, 560}, chart);
    return svg.document();
}

int historyCommand(const HistoryOptions& o) {
    StderrMessages messages(true);
    auto scenario = std::make_unique<Scenario>();
    ScenarioFiles files;
    if (!loadScenario(o.path, *scenario, files, messages)) return 1;
    int exitCode = 1;
    const std::shared_ptr<const MarketPlan> plan =
        marketPlanFor(o.path, *scenario, o.market, messages, exitCode);
    if (!plan) return exitCode;

    HistorySettings settings;
    settings.fromYear = o.from;
    settings.toYear = o.to;
    settings.threads = o.threads;
    TrialControl control;
    if (o.progress)
        control.progress = [](int done, int total) {
            std::cerr << format("\rCycles: %d of %d (%d%%)", done, total,
                                static_cast<int>(100LL * done / total))
                      << std::flush;
        };
    const HistoryResults r = runHistory(*scenario, plan, settings, control, 0, SystemClock().now());
    if (o.progress) std::cerr << '\n';
    if (r.status == HistoryStatus::NothingToRun) {
        messages.show("The scenario lists no ages to analyse.", "HISTORY", MessageIcon::Error);
        return 1;
    }
    if (r.status == HistoryStatus::NoCycle) {
        messages.show(noCycleText(r), "HISTORY", MessageIcon::Error);
        return 1;
    }
    if (o.show != 0) {
        if (r.cycle(o.show) == nullptr) {
            messages.show(format("No cycle starts in %d; start years run from %d to %d.", o.show,
                                 r.cycles.front().startYear, r.cycles.back().startYear),
                          "HISTORY", MessageIcon::Error);
            return 1;
        }
        std::cout << replayScheduleText(*scenario, [&](Scenario& s, RunState& st,
                                                       const RunRequest& rq) {
            return replayTrial(s, st, *cycleReplay(r, o.show), rq);
        }) << std::flush;
    } else {
        std::cout << historyReportText(r) << std::flush;
    }
    if (!o.csv.empty() && !writeOutput(o.csv, historyCsvText(r), messages)) return 1;
    if (!o.svg.empty() && !writeOutput(o.svg, cycleChartSvg(r), messages)) return 1;
    return 0;
}

} // namespace

void addHistoryCommands(CLI::App& app) {
    auto o = std::make_shared<HistoryOptions>();
    CLI::App* cmd = app.add_subcommand(
        "history", "Run a scenario against every sequence of market years since 1871");
    cmd->add_option("file", o->path, "Scenario file (.ret)")->required();
    addMarketOptions(cmd, o->market);
    cmd->add_option("--from", o->from, "First start year")->check(CLI::Range(1, 9999));
    cmd->add_option("--to", o->to, "Last start year")->check(CLI::Range(1, 9999));
    cmd->add_option("--threads", o->threads, "Threads (0: one per core)")
        ->check(CLI::Range(0, kMaxTrialThreads));
    cmd->add_option("--csv", o->csv, "Write one line per cycle to this CSV file");
    cmd->add_option("--svg", o->svg, "Draw every cycle's savings to this .svg file");
    cmd->add_option("--show", o->show, "Print the schedule of the cycle starting in this year")
        ->check(CLI::Range(1, 9999));
    cmd->add_flag("--progress", o->progress, "Show progress on the terminal");
    cmd->callback([o] {
        if (const int code = historyCommand(*o); code != 0) throw CLI::RuntimeError(code);
    });
}

} // namespace finplan::cli
