// Arbitrary bytes as a scenario file: whatever the reader accepts is described, run
// and drawn, as a user who opens a damaged or hostile file would make the program do.
// Each input takes one way of running (fuzz/run_way.h) and one drawing (a graph kind
// or the Summary), picked by its last byte: every way and every drawing is reached
// over a fuzz run without paying for all of them on each input.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/run_driver.h"
#include "fuzz/run_way.h"
#include "graphs/draw_graph.h"
#include "graphs/plot_file.h"
#include "graphs/recording_surface.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "results/event_descriptions.h"

namespace {

using namespace finplan;

// choice 0 is the Summary, 1.. the graph kinds.
void draw(const Scenario& s, PlotSeries& series, int choice) {
    if (s.eventCount == 0 || s.accounts.usableCount() == 0) return; // nothing is drawn
    const GraphSource source{series, s};
    const Rect window{0, 0, 800, 560};
    RecordingSurface surface;
    GraphWindowState state;
    if (choice == 0) {
        drawSummary(surface, window, series.plotRowCount, state, source);
        return;
    }
    const int kind = GraphKind::NetWorth + choice - 1;
    const int accounts = std::min(series.accountCount, s.accounts.usableCount());
    state.graphKind = kind;
    state.previousKind = GraphKind::Accounts;
    state.options.lineStyle = kind % 2;
    drawGraph(surface, window, kind, 0, std::min(accounts, 10), series.plotRowCount, state, source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* t = new FuzzRun;
    ReadyRun& run = t->next(static_cast<uint32_t>(size));
    Scenario& s = run.scenario();
    if (decodeScenario({data, size}, s) != DecodeResult::Ok) return 0;
    sortEvents(s);
    recomputeTotals(s);
    describeEvents(s, true);
    describeEvents(s, false);

    RunRequest request = run.request();
    RunWaySinks sinks;
    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    pickRunWay(pick, request, sinks);
    run.run(request);
    draw(s, run.series(), (pick / 16) % (GraphKind::Groups - GraphKind::NetWorth + 2));

    if (run.series().plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
