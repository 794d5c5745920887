// The way a run fuzz target runs one input, picked by a byte of it: plain, with random
// account rates, with random group rates, or saved as a results file with the export,
// and the Results list with or without details and accounts. Every way is reached over
// a fuzz run without paying for all of them on each input.
#pragma once

#include <cstdint>

#include "engine/run_driver.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"
#include "results/ready_run.h"
#include "results/tab_export.h"

namespace finplan {

// The run a fuzz target reuses for every input: its tables live across inputs (clearing
// them is the run's own job, and allocating them for every input would cost more than
// the run of a small scenario); a fixed time, the plot tables without a file.
struct FuzzRun {
    RecordingMessages messages;
    ReadyRun ready{setup(), messages};

    // Ready for the next input: earlier messages forgotten, the generator seeded anew.
    ReadyRun& next(uint32_t seed) {
        messages.entries.clear();
        ready.random().seed(seed);
        return ready;
    }
    static RunSetup setup() {
        RunSetup s;
        s.seed = 1;
        s.time = LocalTime{2026, 12, 7, 13, 5, 9};
        return s;
    }
};

struct RunWaySinks {
    ResultsList list;
    TextScheduleSink file;
    TabExportWriter exporter;
};

inline void pickRunWay(uint8_t pick, RunRequest& request, RunWaySinks& sinks) {
    request.flags = RunFlags{};
    request.view = {(pick & 4) != 0, (pick & 8) != 0};
    request.lines = &sinks.list;
    request.tabExport = nullptr;
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
        request.lines = &sinks.file;
        request.tabExport = &sinks.exporter;
        break;
    }
}

} // namespace finplan
