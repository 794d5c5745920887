// finplan trials FILE.ret [--n N] [--random accounts|groups|history] [--block N]
//                         [--market GROUP=MARKET]... [--inflation history|plan]
//                         [--seed S] [--threads T]
//                         [--csv OUT] [--svg FAN.svg] [--progress] [--show median|worst]
//     many random-rate runs of the scenario: the success rate, the failure-age
//     quartiles, why plans fail and the percentile table; the seed is printed so the
//     same analysis can be run again. --show prints the schedule of the trial nearest
//     the median (or at the worst decile) instead, as `finplan run` prints a run
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "analysis/trials_report.h"
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

struct TrialsOptions {
    std::string path;
    int trials = kDefaultTrials;
    std::string random = "accounts";
    long long seed = -1;
    int threads = 0;
    std::string csv;
    std::string svg;
    bool progress = false;
    std::string show; // "median", "worst" or empty
    MarketOptions market;
};

bool writeOutput(const std::string& path, const std::string& text, Messages& messages) {
    const FileResult r = saveTextFile(path, text);
    if (!r) showFileError(messages, format("Cannot open %s for writing!", path.c_str()), r.reason);
    return r.ok;
}

std::string fanChartSvg(const TrialResults& r) {
    FanChart chart{fanChartTitle(r, TrialChart::NetWorth), r.firstAge, r.netWorth};
    SvgSurface svg(900, 560);
    drawFanChart(svg, Rect{0, 0, 900, 560}, chart);
    return svg.document();
}

// The results-file text of one trial, run again from its generator seed.
std::string trialScheduleText(const Scenario& analysed, const TrialReplay& replay) {
    return replayScheduleText(analysed, [&](Scenario& s, RunState& st, const RunRequest& rq) {
        return replayTrial(s, st, replay, rq);
    });
}

bool trialsCommand(const TrialsOptions& o) {
    StderrMessages messages(true);
    auto scenario = std::make_unique<Scenario>();
    ScenarioFiles files;
    if (!loadScenario(o.path, *scenario, files, messages)) return false;

    TrialSettings settings;
    settings.trials = o.trials;
    settings.mode = o.random == "groups"    ? TrialRandomMode::Groups
                    : o.random == "history" ? TrialRandomMode::History
                                            : TrialRandomMode::Accounts;
    if (settings.mode == TrialRandomMode::History) {
        int exitCode = 1;
        settings.market = marketPlanFor(o.path, *scenario, o.market, messages, exitCode);
        if (!settings.market) throw CLI::RuntimeError(exitCode);
    }
    // Without a seed one comes from the clock; the report prints it for a repeat.
    settings.seed =
        o.seed >= 0 ? static_cast<uint32_t>(o.seed) : static_cast<uint32_t>(std::time(nullptr));
    settings.threads = o.threads;
    TrialControl control;
    if (o.progress)
        control.progress = [](int done, int total) {
            std::cerr << format("\rTrials: %d of %d (%d%%)", done, total,
                                static_cast<int>(100LL * done / total))
                      << std::flush;
        };
    const TrialResults r = runTrials(*scenario, settings, control, 0, SystemClock().now());
    if (o.progress) std::cerr << '\n';
    if (r.status != TrialStatus::Completed) {
        messages.show("The scenario lists no ages to analyse.", "TRIALS", MessageIcon::Error);
        return false;
    }
    if (!o.show.empty()) {
        const TrialSample& sample = o.show == "median" ? r.median : r.worstDecile;
        std::cerr << format("Trial %d of %d (seed %u): generator seed %u\n", sample.trial + 1,
                            r.trialsRun, r.settings.seed, sample.generatorSeed);
        std::cout << trialScheduleText(*scenario, replayOf(r, sample)) << std::flush;
    } else {
        std::cout << trialsReportText(r) << std::flush;
    }
    if (!o.csv.empty() && !writeOutput(o.csv, trialsTableText(r, ','), messages)) return false;
    if (!o.svg.empty() && !writeOutput(o.svg, fanChartSvg(r), messages)) return false;
    return true;
}

} // namespace

void addTrialsCommands(CLI::App& app) {
    auto o = std::make_shared<TrialsOptions>();
    CLI::App* cmd =
        app.add_subcommand("trials", "Run a scenario many times at random rates and report");
    cmd->add_option("file", o->path, "Scenario file (.ret)")->required();
    cmd->add_option("--n", o->trials, "Number of trials (1 to 100000)")
        ->check(CLI::Range(1, kMaxTrials));
    cmd->add_option("--random", o->random,
                    "Random rates: accounts, groups, or history (market years in blocks)")
        ->check(CLI::IsMember({"accounts", "groups", "history"}));
    cmd->add_option("--block", o->market.block, "Random history: years per block (1 to 30)")
        ->check(CLI::Range(1, kMaxHistoryBlock));
    addMarketOptions(cmd, o->market);
    cmd->add_option("--seed", o->seed, "Seed of the analysis (0 to 4294967295)")
        ->check(CLI::Range(0LL, 4294967295LL));
    cmd->add_option("--threads", o->threads, "Threads (0: one per core)")
        ->check(CLI::Range(0, kMaxTrialThreads));
    cmd->add_option("--csv", o->csv, "Write the percentile table to this CSV file");
    cmd->add_option("--svg", o->svg, "Draw the net worth fan chart to this .svg file");
    cmd->add_flag("--progress", o->progress, "Show progress on the terminal");
    cmd->add_option("--show", o->show,
                    "Print the schedule of the median or the worst-decile trial instead")
        ->check(CLI::IsMember({"median", "worst"}));
    cmd->callback([o] {
        if (!trialsCommand(*o)) throw CLI::RuntimeError(1);
    });
}

} // namespace finplan::cli
