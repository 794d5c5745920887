#include "shell/logic/results_presenter.h"

#include <cctype>
#include <cstdlib>

#include "calculators/field_text.h"
#include "graphs/graph_state.h"
#include "model/whole_number.h"
#include "text/format.h"

namespace finplan {

void ResultsPresenter::listRun(const RunFlags& flags, std::string caption) {
    shownCaption = std::move(caption);
    results.beginRun();
    runner.run(&results, RunMode::List, flags);
    ++runs;
    applyPlace();
}

void ResultsPresenter::prepare(const RunFlags& flags) {
    RunFlags prepareOnly = flags;
    prepareOnly.prepareOnly = true;
    runner.run(nullptr, RunMode::PrintFile, prepareOnly);
}

void ResultsPresenter::prepareThenList(const RunFlags& flags, std::string caption) {
    prepare(flags);
    listRun(flags, std::move(caption));
}

void ResultsPresenter::show() {
    listRun({});
}

void ResultsPresenter::runAgain() {
    runner.setGraphKind(GraphKind::NetWorth);
    prepareThenList({});
}

void ResultsPresenter::runRandom(bool groupRates) {
    RunFlags flags;
    flags.randomAccountRates = !groupRates;
    flags.randomGroupRates = groupRates;
    prepare(flags);
    // The listed run gets a seed of its own, so the caption can name it and the
    // command line repeat it.
    const uint32_t seed = runner.freshSeed();
    listRun(flags, format("Random %s rates, seed %u", groupRates ? "group" : "account",
                          static_cast<unsigned>(seed)));
}

void ResultsPresenter::showRun(const RunFlags& flags, std::string caption) {
    prepareThenList(flags, std::move(caption));
}

void ResultsPresenter::showTrial(const TrialReplay& trial, std::string caption) {
    shownCaption = std::move(caption);
    results.beginRun();
    runner.replay(&results, trial);
    ++runs;
    applyPlace();
}

void ResultsPresenter::toggleDetails() {
    runner.viewSettings().showDetails = !runner.viewSettings().showDetails;
    listRun({});
}

void ResultsPresenter::toggleAccounts() {
    runner.viewSettings().showAccounts = !runner.viewSettings().showAccounts;
    listRun({});
}

void ResultsPresenter::save() {
    // The runner asks for the file, writes it and makes the preparing run after it.
    RunFlags flags;
    flags.savingResults = true;
    runner.run(nullptr, RunMode::ResultsFile, flags);
}

void ResultsPresenter::top() {
    remembered = ResultsPlace::Top;
    applyPlace();
}

void ResultsPresenter::bottom() {
    remembered = ResultsPlace::Bottom;
    applyPlace();
}

bool ResultsPresenter::goTo(const std::string& ageText) {
    // Read like every dialog field: a text that is not a number is refused.
    const float age = readFieldNumber(ageText);
    if (!(age >= 1.0f && age <= 120.0f)) {
        messages.show("This age must be between 1.0 and 120.0.", "AGE ERROR", MessageIcon::Error);
        return false;
    }
    remembered = ResultsPlace::GoToAge;
    goToAge = wholeNumber(age);
    applyPlace();
    return true;
}

void ResultsPresenter::forgetPlace() {
    remembered = ResultsPlace::Bottom;
    goToAge = 0;
    ageBox.clear();
    selected = -1;
}

void ResultsPresenter::applyPlace() {
    int count = static_cast<int>(results.lines.size());
    if (count == 0) {
        selected = -1;
        return;
    }
    switch (remembered) {
    case ResultsPlace::Top:
        selected = 0;
        return;
    case ResultsPlace::Bottom:
        selected = count - 1;
        return;
    case ResultsPlace::GoToAge:
        break;
    }
    if (goToAge < wholeNumber(runner.plotStartAge())) {
        selected = 0;
    } else if (static_cast<float>(goToAge) > scenario.initial.endAge) {
        selected = count - 1;
    } else {
        int line = results.ageLine(goToAge);
        selected = line == -1 ? count - 1 : line;
    }
}

DoubleClickAction ResultsPresenter::doubleClick(int line) {
    const auto& lines = results.lines;
    if (line < 0 || line >= static_cast<int>(lines.size())) return {};
    const std::string& text = lines[line];
    if (text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1]))) {
        int age = std::atoi(text.c_str());
        if (age >= wholeNumber(scenario.initial.startAge) &&
            static_cast<float>(age) <= scenario.initial.endAge) {
            remembered = ResultsPlace::GoToAge;
            goToAge = age;
            ageBox = format("%3d", age);
            applyPlace();
            return {DoubleClickAction::ShowAge, age};
        }
        return {};
    }
    int tag = 0;
    if (results.tagOf(line, tag) && tag >= 0 && tag < kMaxEvents && tag < scenario.eventCount)
        return {DoubleClickAction::EditEvent, tag};
    return {};
}

} // namespace finplan
