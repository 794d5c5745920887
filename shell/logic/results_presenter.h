// The Results folder without its widgets: the runs its buttons start, the remembered
// place (Top, Bottom or a Go To age) and what a double-click means.
#pragma once

#include <string>

#include "model/scenario.h"
#include "platform/messages.h"
#include "results/line_sinks.h"
#include "shell/logic/scenario_runner.h"

namespace finplan {

enum class ResultsPlace { Top, Bottom, GoToAge };

struct DoubleClickAction {
    enum Kind { Nothing, ShowAge, EditEvent } kind = Nothing;
    int value = 0; // the age or the event index
};

class ResultsPresenter {
  public:
    ResultsPresenter(ScenarioRunner& scenarioRunner, Scenario& plan, Messages& shown)
        : runner_(scenarioRunner), scenario_(plan), messages_(shown) {}

    // The buttons; each leaves the list filled and selectedLine() updated.
    void show(); // the folder opens
    void runAgain();
    void runRandom(bool groupRates);
    // The schedule of one trial of a many-trial analysis, run again from its seed;
    // caption says which ("Trial 4,213 of 10,000 (median)").
    void showTrial(const TrialReplay& trial, std::string caption = {});
    // A run that is not the plain run of the scenario (a historical cycle, ...) into
    // the list, with the caption that says what it is ("Historical cycle starting 1966").
    void showRun(const RunFlags& flags, std::string caption);
    void toggleDetails();
    void toggleAccounts();
    void save();
    void top();
    void bottom();
    // "Go To" with the age box text; false after the AGE ERROR message.
    bool goTo(const std::string& ageText);
    DoubleClickAction doubleClick(int line);
    // Another scenario (New, Open) starts where a fresh start does: at the bottom, with
    // no Go To age, so the age box and the selected line agree.
    void forgetPlace();

    const ResultsList& list() const { return results_; }
    // Counts the list runs, so a view knows when its copy of the lines is old.
    int listRuns() const { return runs_; }
    int selectedLine() const { return selected_; }
    // What the list shows when it is not the plain run; empty for the plain run.
    const std::string& caption() const { return shownCaption_; }
    ResultsPlace place() const { return remembered_; }
    bool showDetails() const { return runner_.viewSettings().showDetails; }
    bool showAccounts() const { return runner_.viewSettings().showAccounts; }
    // Text of the age box ("%3d" of the remembered age once one was chosen).
    const std::string& ageBoxText() const { return ageBox_; }

  private:
    void listRun(const RunFlags& flags, std::string caption = {});
    void prepare(const RunFlags& flags);
    void prepareThenList(const RunFlags& flags, std::string caption = {});
    void applyPlace();

    ScenarioRunner& runner_;
    Scenario& scenario_;
    Messages& messages_;
    ResultsList results_;
    ResultsPlace remembered_ = ResultsPlace::Bottom;
    int goToAge_ = 0;
    int selected_ = -1;
    int runs_ = 0;
    std::string ageBox_;
    std::string shownCaption_;
};

} // namespace finplan
