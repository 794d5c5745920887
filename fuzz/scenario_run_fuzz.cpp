// Arbitrary bytes as a scenario file: whatever the reader accepts is described, run
// (plain, with details and accounts, with random group rates, as a saved results
// file with the export) and drawn (every graph kind and the Summary), as a user who
// opens a damaged or hostile file would make the program do.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/run_driver.h"
#include "graphs/draw_graph.h"
#include "graphs/plot_file.h"
#include "graphs/recording_surface.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "results/event_descriptions.h"
#include "results/line_sinks.h"
#include "results/tab_export.h"

namespace {

using namespace finplan;

// The tables live across inputs: clearing them is the run's own job, and allocating
// them for every input would cost more than the run of a small scenario.
struct Tables {
    Scenario scenario;
    RunState state;
    PlotSeries series;
};

void drawEveryKind(const Scenario& s, PlotSeries& series) {
    if (s.eventCount == 0 || s.accounts.usableCount() == 0) return; // nothing is drawn
    const GraphSource source{series, s};
    const Rect window{0, 0, 800, 560};
    const int accounts = std::min(series.accountCount, s.accounts.usableCount());
    for (int kind = GraphKind::NetWorth; kind <= GraphKind::Groups; ++kind) {
        RecordingSurface surface;
        GraphWindowState state;
        state.graphKind = kind;
        state.previousKind = GraphKind::Accounts;
        state.options.lineStyle = kind % 2;
        drawGraph(surface, window, kind, 0, std::min(accounts, 10), series.plotRowCount, state,
                  source);
    }
    RecordingSurface surface;
    GraphWindowState state;
    drawSummary(surface, window, series.plotRowCount, state, source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* t = new Tables;
    Scenario& s = t->scenario;
    if (decodeScenario({data, size}, s) != DecodeResult::Ok) return 0;
    sortEvents(s);
    recomputeTotals(s);
    describeEvents(s, true);
    describeEvents(s, false);

    RecordingMessages messages;
    FixedClock clock(LocalTime{2026, 12, 7, 13, 5, 9});
    SeededRandom random(static_cast<uint32_t>(size));
    PlotFileWriter plot(t->series, clock, messages, "");
    ResultsList list;
    TextScheduleSink file;
    TabExportWriter exporter;
    RunRequest request;
    request.plot = &plot;

    const struct {
        RunFlags flags;
        ViewSettings view;
    } runs[] = {{RunFlags{}, {false, false}},
                {RunFlags{}, {true, true}},
                {RunFlags{false, true}, {true, false}}};
    for (const auto& r : runs) {
        request.flags = r.flags;
        request.view = r.view;
        request.lines = &list;
        runScenario(s, t->state, request, random, clock);
    }
    drawEveryKind(s, t->series);

    request.flags = RunFlags{};
    request.flags.savingResults = true;
    request.lines = &file;
    request.tabExport = &exporter;
    runScenario(s, t->state, request, random, clock);
    if (t->series.plotRowCount >= kMaxPlotRows) __builtin_trap();
    return 0;
}
