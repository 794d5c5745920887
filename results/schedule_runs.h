// The runs behind the Results folder's buttons and the command-line runner: list
// mode, a saved results file, the print file and the preparing run.
#pragma once

#include <string>

#include "engine/run_driver.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "results/line_sinks.h"

namespace finplan {

// What every run needs; owned by the application (or the runner) and lent here.
struct RunSession {
    Scenario& scenario;
    RunState& state;
    ViewSettings& view;
    Random& random;
    const Clock& clock;
    Messages& messages;
    PlotSink* plot = nullptr; // the plot file and tables; nullptr: none
};

// RunMode 0: the schedule into the Results list.
bool runToList(RunSession& session, ResultsList& list, RunFlags flags,
               TabExportSink* tabExport = nullptr);

// The text of a saved results file: the event list, the Initial Rates block when
// details are shown and every schedule line, without the "??" marker.
bool resultsFileText(RunSession& session, RunFlags flags, std::string& text,
                     TabExportSink* tabExport = nullptr);

// The Save button: asks for a .sch file, runs into it, then makes a preparing run.
bool saveResults(RunSession& session, FileChooser& chooser);
// Writes the results file text to path (through a temporary file); the message
// "Cannot open %s" on failure.
bool writeResultsFile(RunSession& session, RunFlags flags, const std::string& path);

// Print Results: the print file (the "??" marker marks the column headings).
bool writePrintFile(RunSession& session, RunFlags flags, const std::string& path);

// A run that only prepares the working values (no lines, no plot file).
void prepareRun(RunSession& session, RunFlags flags);

} // namespace finplan
