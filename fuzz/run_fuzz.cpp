// Runs random valid scenarios (every value within the editors' limits) built from
// the fuzz bytes by examples/random_scenario, into the list, a file text and the plot
// tables. Each input takes one way of running and one view of the list, picked by its
// last byte (plain, random account rates, random group rates, or saved as a results
// file with the export; details and accounts shown or not), so every way is reached
// over a fuzz run without paying for all of them on each input.
#include <cstddef>
#include <cstdint>

#include "engine/run_driver.h"
#include "examples/random_scenario.h"
#include "graphs/plot_file.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"
#include "results/tab_export.h"

using namespace finplan;

namespace {

// The tables live across inputs: clearing them is the run's own job, and allocating
// them for every input would cost more than the run of a small scenario.
struct Tables {
    Scenario scenario;
    RunState state;
    PlotSeries series;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* t = new Tables;
    Scenario& s = t->scenario;
    buildRandomScenario(s, data, size);
    RecordingMessages messages;
    FixedClock clock(LocalTime{2026, 12, 7, 13, 5, 9});
    SeededRandom random(static_cast<uint32_t>(size));
    PlotFileWriter plot(t->series, clock, messages, "");

    RunRequest request;
    request.plot = &plot;
    ResultsList list;
    TextScheduleSink file;
    TabExportWriter exporter;

    // What a change of a value does before the run: cheap, so every input takes it.
    request.flags.prepareOnly = true;
    request.lines = &list;
    runScenario(s, t->state, request, random, clock);

    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    request.flags = RunFlags{};
    request.view = {(pick & 4) != 0, (pick & 8) != 0};
    switch (pick % 4) {
    case 0:
        break;
    case 1:
        request.flags.randomAccountRates = true;
        break;
    case 2:
        request.flags.randomGroupRates = true;
        break;
    default:
        request.flags.savingResults = true;
        request.lines = &file;
        request.tabExport = &exporter;
        break;
    }
    runScenario(s, t->state, request, random, clock);
    if (t->series.plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
