// The Analysis folder without its widgets: the seed, trial count and mode as typed,
// the analysis running on a worker thread with its progress and Cancel, the last
// completed result (never a cancelled one) and its export. A result names the scenario
// it was run on; New and Open clear it.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "analysis/trials.h"
#include "analysis/trials_report.h"
#include "graphs/fan_chart.h"
#include "model/scenario_file.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "shell/logic/undo_stack.h"

namespace finplan {

// The sample trials the folder can open as a Results schedule.
enum class TrialPick { Median, WorstDecile };

class AnalysisPresenter {
  public:
    // history tells when the scenario changed after an analysis (nullptr: never);
    // files, the scenario's name (nullptr: unnamed).
    AnalysisPresenter(const Scenario& scenario, const Clock& clock, Messages& messages,
                      FileChooser& chooser, const UndoStack* history = nullptr,
                      const ScenarioFiles* files = nullptr);
    ~AnalysisPresenter(); // cancels a running analysis and waits for it

    std::string seedText;
    std::string trialsText = std::to_string(kDefaultTrials);
    TrialRandomMode mode = TrialRandomMode::Accounts;
    TrialChart chart = TrialChart::NetWorth; // what the fan chart shows

    // "Run": checks the fields, copies the scenario and starts the worker. False after
    // a field message, or while an analysis runs.
    bool run();
    // "Cancel": the worker stops within a trial; nothing of it becomes the result.
    void cancel();
    // New and Open: the result shown and the one running belong to another scenario.
    void clear();
    // Called on the view's thread from a timer: takes in a finished analysis. True when
    // the run ended (completed or cancelled) in this call.
    bool poll();
    bool running() const { return worker_.joinable(); }
    int done() const { return done_.load(); }
    int total() const { return total_; }
    // The last analysis started was cancelled (the result shown is an older one).
    bool cancelledLast() const { return lastCancelled_; }

    // The last completed analysis; nullptr before the first.
    const TrialResults* results() const { return shown_.get(); }
    // The file name of the scenario it was run on.
    const std::string& resultScenario() const { return nameShown_; }
    std::string statusText() const;
    FanChart fanChart() const;
    // "Export": the percentile table to a file, comma-separated when its name ends in
    // ".csv", tab-delimited otherwise.
    bool exportResults();
    // The scenario changed (or another was opened) after the analysis shown was started.
    bool stale() const;
    // How to run a sample trial of the analysis shown again; nothing before the first
    // analysis, while it is stale (the scenario would not give its numbers again) and
    // while another one runs (the trial asked for is the one on show).
    std::optional<TrialReplay> trialToOpen(TrialPick pick) const;
    // What the Results folder shows for that trial: "Trial 4,213 of 10,000 (median)".
    std::string trialCaption(TrialPick pick) const;
    // "Save Chart": the file to draw the fan chart into (.png, .svg or .pdf).
    std::optional<std::string> chooseChartFile();
    void chartNotSaved(const std::string& problem);

  private:
    bool readFields(TrialSettings& settings);

    const Scenario& scenario_;
    const Clock& clock_;
    Messages& messages_;
    FileChooser& chooser_;
    const UndoStack* history_;
    const ScenarioFiles* files_;
    std::string nameAtRun_;       // of the analysis running
    std::string nameShown_;       // of the analysis shown
    bool discardRunning_ = false; // cleared while it ran: its result is nobody's
    uint64_t changesAtRun_ = 0;   // of the analysis running
    uint64_t changesShown_ = 0;   // of the analysis shown

    std::thread worker_;
    std::unique_ptr<TrialControl> control_;
    std::atomic<int> done_{0};
    std::atomic<bool> finished_{false};
    int total_ = 0;
    std::unique_ptr<TrialResults> pending_; // written by the worker before finished_
    std::unique_ptr<TrialResults> shown_;
    bool lastCancelled_ = false;
};

} // namespace finplan
