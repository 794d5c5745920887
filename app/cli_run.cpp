// finplan run FILE.ret [--details] [--accounts] [--random accounts|groups] [--seed N]
//                      [--out FILE.sch] [--plot FILE.kvp] [--export FILE.kve]
//     the text of a saved results file for that scenario and view; writes the plot
//     file in the working directory as every run does, and the optional copies
// finplan describe FILE.ret    the event list lines
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "graphs/plot_file.h"
#include "model/atomic_file.h"
#include "model/file_names.h"
#include "model/file_prompts.h"
#include "model/scenario_ops.h"
#include "results/event_descriptions.h"
#include "results/schedule_runs.h"
#include "results/tab_export.h"
#include "text/format.h"

namespace finplan::cli {

namespace {

struct RunOptions {
    std::string path;
    bool details = false;
    bool accounts = false;
    std::string random;
    long long seed = -1;
    std::string out;
    std::string plot;
    std::string exportPath;
};

bool runCommand(const RunOptions& o) {
    StderrMessages messages(true);
    RunSetup setup;
    setup.plotFile = files::kPlotFile;
    // Without a seed the generator is seeded from the clock, as at program start.
    if (o.seed >= 0) setup.seed = static_cast<uint32_t>(o.seed);
    setup.view = ViewSettings{o.details, o.accounts};
    ScenarioFiles files;
    const auto ready = openRun(o.path, setup, files, messages);
    if (!ready) return false;
    RunSession& session = ready->session();
    PlotFileWriter& plot = *ready->plot();

    RunFlags flags;
    flags.randomAccountRates = o.random == "accounts";
    flags.randomGroupRates = o.random == "groups";
    if (!o.exportPath.empty() && !openExportFile(o.exportPath, messages)) return false;
    TabExportWriter exporter;
    std::string text;
    if (!resultsFileText(session, flags, text, o.exportPath.empty() ? nullptr : &exporter))
        return false;
    // A run whose plot file could not be written is abandoned, as one that could not
    // start it: no schedule, and the command fails.
    if (plot.failed()) return false;

    if (o.out.empty()) {
        std::cout << text << std::flush;
    } else if (const FileResult r = saveTextFile(o.out, text); !r) {
        showFileError(messages, format("Cannot open %s", o.out.c_str()), r.reason);
        return false;
    }
    if (!o.exportPath.empty()) {
        if (const FileResult r = saveTextFile(o.exportPath, exporter.text); !r) {
            showFileError(messages, "Cannot open export file", r.reason);
            return false;
        }
    }
    if (!o.plot.empty() && !saveGraphsTo(o.plot, messages, files::kPlotFile)) return false;
    return true;
}

} // namespace

void addRunCommands(CLI::App& app) {
    auto o = std::make_shared<RunOptions>();
    CLI::App* run = app.add_subcommand("run", "Run a scenario and print its results schedule");
    run->add_option("file", o->path, "Scenario file (.ret)")->required();
    run->add_flag("--details", o->details, "Show detailed results");
    run->add_flag("--accounts", o->accounts, "Show accounts");
    run->add_option("--random", o->random, "Random rates: accounts or groups")
        ->check(CLI::IsMember({"accounts", "groups"}));
    run->add_option("--seed", o->seed, "Seed of the rate generator")->check(CLI::NonNegativeNumber);
    run->add_option("--out", o->out, "Write the schedule to this .sch file");
    run->add_option("--plot", o->plot, "Save the graphs to this .kvp file");
    run->add_option("--export", o->exportPath, "Export the balances to this .kve tab file");
    run->callback([o] {
        if (!runCommand(*o)) throw CLI::RuntimeError(1);
    });

    auto path = std::make_shared<std::string>();
    CLI::App* describe = app.add_subcommand("describe", "Print the event list of a scenario");
    describe->add_option("file", *path, "Scenario file (.ret)")->required();
    describe->callback([path] {
        StderrMessages messages;
        auto s = std::make_unique<Scenario>();
        ScenarioFiles files;
        if (!loadScenario(*path, *s, files, messages)) throw CLI::RuntimeError(1);
        for (const std::string& line : describeEvents(*s, false))
            std::cout << line << '\n';
    });
}

} // namespace finplan::cli
