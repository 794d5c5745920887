// Runs random valid scenarios (every value within the editors' limits) built from
// the fuzz bytes by examples/random_scenario, into the list, a file text and the plot
// tables, one way of running per input (fuzz/run_way.h).
#include <cstddef>
#include <cstdint>

#include "engine/run_driver.h"
#include "examples/random_scenario.h"
#include "fuzz/run_way.h"

using namespace finplan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* t = new FuzzRun;
    ReadyRun& run = t->next(static_cast<uint32_t>(size));
    buildRandomScenario(run.scenario(), data, size);

    RunRequest request = run.request();
    RunWaySinks sinks;

    // What a change of a value does before the run: cheap, so every input takes it.
    request.flags.prepareOnly = true;
    request.lines = &sinks.list;
    run.run(request);

    pickRunWay(size > 0 ? data[size - 1] : 0, request, sinks);
    run.run(request);
    if (run.series().plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
