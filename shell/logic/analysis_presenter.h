// The Analysis folder without its widgets: the seed, trial count and mode as typed,
// the analysis running on a worker thread with its progress and Cancel, the last
// completed result (never a cancelled one) and its export. A result names the scenario
// it was run on; New and Open clear it. The history modes replay the plan against
// market years, the groups following the markets the scenario's side file names.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "analysis/history.h"
#include "analysis/trials.h"
#include "analysis/trials_report.h"
#include "graphs/fan_chart.h"
#include "model/scenario_file.h"
#include "model/scenario_session.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "shell/logic/live_success_rate.h"

namespace finplan {

// The sample trials the folder can open as a Results schedule.
enum class TrialPick { Median, WorstDecile };

// The mode list's entries, in its order.
enum class AnalysisMode { RandomAccounts, RandomGroups, HistoricalSequences, RandomHistory };
inline constexpr const char* kAnalysisModeNames[] = {"Random account rates", "Random group rates",
                                                     "Historical sequences", "Random history"};

class AnalysisPresenter {
  public:
    // The session's revision tells when the scenario changed after an analysis; files
    // give the scenario's name and so its markets side file (nullptr: unnamed).
    AnalysisPresenter(const ScenarioSession& session, const Clock& clock, Messages& messages,
                      FileChooser& chooser, const ScenarioFiles* files = nullptr);
    ~AnalysisPresenter(); // cancels a running analysis and waits for it

    std::string seedText;
    std::string trialsText = std::to_string(kDefaultTrials);
    AnalysisMode mode = AnalysisMode::RandomAccounts;
    TrialChart chart = TrialChart::NetWorth; // what the chart shows
    bool todaysDollars = false;              // charts and tables in the start year's dollars
    MarketSettings markets;                  // the side file's, read again for another scenario
    // Called on the worker thread with the analysis's control just before it starts;
    // empty in the program (a test holds an analysis in flight with it).
    std::function<void(TrialControl&)> runStarting;

    // Reads the side file when the scenario is another than last time: the markets and
    // the folder's last choices (a damaged file: a message and the defaults).
    void followScenario();
    // Writes the markets and the folder's choices beside the scenario.
    bool saveMarkets();
    const Scenario& scenario() const { return scenario_; }
    Messages& messages() { return messages_; }
    bool historyMode() const {
        return mode == AnalysisMode::HistoricalSequences || mode == AnalysisMode::RandomHistory;
    }
    // What the status bar's success rate runs: the folder's mode, or the one the side
    // file keeps for a scenario the folder has not read yet (read quietly: the folder
    // tells of a damaged file when it is shown); random history in either history mode.
    LiveTrialsSetup liveTrialsSetup() const;

    // "Run": checks the fields, copies the scenario and starts the worker. False after
    // a field message, or while an analysis runs.
    bool run();
    // Shows an analysis made elsewhere (the status bar's success rate) as the folder's
    // result, its fields set to what it ran with; revision is the history's change
    // count it was made for. False while an analysis of the folder runs.
    bool adopt(const TrialResults& r, uint64_t revision);
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

    // The last completed analysis; nullptr before the first. A trials result and a
    // historical-sequences result replace each other.
    const TrialResults* results() const { return shown_.get(); }
    const HistoryResults* historyResults() const { return shownHistory_.get(); }
    // The file name of the scenario it was run on.
    const std::string& resultScenario() const { return nameShown_; }
    std::string statusText() const;
    FanChart fanChart() const;
    CycleChart cycleChart() const;
    // The start years shown in the failing list, in its order.
    std::vector<int> failingYears() const;
    // How to run a cycle of the history shown again (not while it is stale).
    std::optional<TrialReplay> cycleToOpen(int startYear) const;
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
    std::shared_ptr<const MarketPlan> marketPlan();
    void startWorker(std::function<void()> work, int total);
    double priceLevel(int ageIndex) const; // today's dollars of a trials result

    const ScenarioSession& session_;
    const Scenario& scenario_; // the session's records
    const Clock& clock_;
    Messages& messages_;
    FileChooser& chooser_;
    const ScenarioFiles* files_;
    std::string marketsOf_;       // the scenario path the markets were read for
    std::string nameAtRun_;       // of the analysis running
    std::string nameShown_;       // of the analysis shown
    bool discardRunning_ = false; // cleared while it ran: its result is nobody's
    uint64_t revisionAtRun_ = 0;  // of the analysis running
    uint64_t revisionShown_ = 0;  // of the analysis shown

    std::thread worker_;
    std::unique_ptr<TrialControl> control_;
    std::atomic<int> done_{0};
    std::atomic<bool> finished_{false};
    int total_ = 0;
    std::unique_ptr<TrialResults> pending_; // written by the worker before finished_
    std::unique_ptr<TrialResults> shown_;
    std::unique_ptr<HistoryResults> pendingHistory_;
    std::unique_ptr<HistoryResults> shownHistory_;
    float shownInflation_ = 0; // the scenario's inflation rate when the shown trials ran
    float shownInflationAtRun_ = 0;
    bool lastCancelled_ = false;
};

} // namespace finplan
