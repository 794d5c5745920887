// Runs random valid scenarios (every value within the editors' limits) built from
// the fuzz bytes by examples/random_scenario, in every mode, into the list, a file
// text and the plot tables.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/run_driver.h"
#include "examples/random_scenario.h"
#include "graphs/plot_file.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"
#include "results/tab_export.h"

using namespace finplan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto s = std::make_unique<Scenario>();
    buildRandomScenario(*s, data, size);
    auto state = std::make_unique<RunState>();
    auto series = std::make_unique<PlotSeries>();
    RecordingMessages messages;
    FixedClock clock(LocalTime{2026, 12, 7, 13, 5, 9});
    SeededRandom random(static_cast<uint32_t>(size));
    PlotFileWriter plot(*series, clock, messages, "");

    RunRequest request;
    request.view = {true, true};
    ResultsList list;
    TextScheduleSink file;
    TabExportWriter exporter;
    const RunFlags modes[] = {RunFlags{}, RunFlags{true, false}, RunFlags{false, true},
                              RunFlags{false, false, true}};
    for (const RunFlags& flags : modes) {
        request.flags = flags;
        request.lines = &list;
        request.plot = &plot;
        request.tabExport = &exporter;
        runScenario(*s, *state, request, random, clock);
    }
    request.flags = RunFlags{};
    request.flags.savingResults = true;
    request.lines = &file;
    runScenario(*s, *state, request, random, clock);
    if (series->plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
