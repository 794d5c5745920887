// Runs random valid scenarios (every value within the editors' limits) built from
// the fuzz bytes by examples/random_scenario, into the list, a file text and the plot
// tables, one way of running per input (fuzz/run_way.h).
#include <cstddef>
#include <cstdint>

#include "engine/run_driver.h"
#include "examples/random_scenario.h"
#include "fuzz/run_way.h"
#include "graphs/plot_file.h"
#include "platform/recording_messages.h"

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
    RunWaySinks sinks;

    // What a change of a value does before the run: cheap, so every input takes it.
    request.flags.prepareOnly = true;
    request.lines = &sinks.list;
    runScenario(s, t->state, request, random, clock);

    pickRunWay(size > 0 ? data[size - 1] : 0, request, sinks);
    runScenario(s, t->state, request, random, clock);
    if (t->series.plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
