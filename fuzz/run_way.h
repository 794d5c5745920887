// The way a run fuzz target runs one input, picked by a byte of it: plain, with random
// account rates, with random group rates, or saved as a results file with the export,
// and the Results list with or without details and accounts. Every way is reached over
// a fuzz run without paying for all of them on each input.
#pragma once

#include <cstdint>

#include "engine/run_driver.h"
#include "results/line_sinks.h"
#include "results/tab_export.h"

namespace finplan {

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
