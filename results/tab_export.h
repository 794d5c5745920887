// The tab-delimited export (.kve): one row of account balances per plotted year and
// the final age, for spreadsheets.
#pragma once

#include <string>

#include "engine/run_sinks.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "results/line_sinks.h"
#include "results/schedule_runs.h"

namespace finplan {

// Collects the export text; the header comes with the first row, when the accounts
// are in access order (the order of the data columns).
class TabExportWriter : public TabExportSink {
  public:
    void row(float age, const Scenario& scenario, float equityTotal) override;
    std::string text;

  private:
    bool headerWritten_ = false;
};

// Asks before overwriting an existing file; true when path may be written.
bool openExportFile(const std::string& path, Messages& messages);

// Runs in list mode with the export on and writes the file (through a temporary file).
bool exportResultsTo(RunSession& session, ResultsList& list, const std::string& path);

// "Export Results To a Tab File": the file dialog, then exportResultsTo.
bool exportResults(RunSession& session, ResultsList& list, FileChooser& chooser);

} // namespace finplan
