#include "shell/logic/results_presenter.h"

#include <cctype>
#include <cstdlib>

#include "calculators/field_text.h"
#include "graphs/graph_state.h"
#include "model/whole_number.h"
#include "text/format.h"

namespace finplan {

void ResultsPresenter::listRun(const RunFlags& flags, std::string caption) {
    shownCaption_ = std::move(caption);
    results_.beginRun();
    runner_.run(&results_, RunMode::List, flags);
    ++runs_;
    applyPlace();
}

void ResultsPresenter::prepare(const RunFlags& flags) {
    RunFlags prepareOnly = flags;
    prepareOnly.prepareOnly = true;
    runner_.run(nullptr, RunMode::PrintFile, prepareOnly);
}

void ResultsPresenter::prepareThenList(const RunFlags& flags, std::string caption) {
    prepare(flags);
    listRun(flags, std::move(caption));
}

void ResultsPresenter::show() {
    listRun({});
}

void ResultsPresenter::runAgain() {
    runner_.setGraphKind(GraphKind::NetWorth);
    prepareThenList({});
}

void ResultsPresenter::runRandom(bool groupRates) {
    RunFlags flags;
    flags.randomAccountRates = !groupRates;
    flags.randomGroupRates = groupRates;
    prepare(flags);
    // The listed run gets a seed of its own, so the caption can name it and the
    // command line repeat it.
    const uint32_t seed = runner_.freshSeed();
    listRun(flags, format("Random %s rates, seed %u", groupRates ? "group" : "account",
                          static_cast<unsigned>(seed)));
}

void ResultsPresenter::showRun(const RunFlags& flags, std::string caption) {
    prepareThenList(flags, std::move(caption));
}

void ResultsPresenter::showTrial(const TrialReplay& trial, std::string caption) {
    shownCaption_ = std::move(caption);
    results_.beginRun();
    runner_.replay(&results_, trial);
    ++runs_;
    applyPlace();
}

void ResultsPresenter::toggleDetails() {
    runner_.viewSettings().showDetails = !runner_.viewSettings().showDetails;
    listRun({});
}

void ResultsPresenter::toggleAccounts() {
    runner_.viewSettings().showAccounts = !runner_.viewSettings().showAccounts;
    listRun({});
}

void ResultsPresenter::save() {
    // The runner asks for the file, writes it and makes the preparing run after it.
    RunFlags flags;
    flags.savingResults = true;
    runner_.run(nullptr, RunMode::ResultsFile, flags);
}

void ResultsPresenter::top() {
    remembered_ = ResultsPlace::Top;
    applyPlace();
}

void ResultsPresenter::bottom() {
    remembered_ = ResultsPlace::Bottom;
    applyPlace();
}

bool ResultsPresenter::goTo(const std::string& ageText) {
    // Read like every dialog field: a text that is not a number is refused.
    const float age = readFieldNumber(ageText);
    if (!(age >= 1.0f && age <= 120.0f)) {
        messages_.show("This age must be between 1.0 and 120.0.", "AGE ERROR", MessageIcon::Error);
        return false;
    }
    remembered_ = ResultsPlace::GoToAge;
    goToAge_ = wholeNumber(age);
    applyPlace();
    return true;
}

void ResultsPresenter::forgetPlace() {
    remembered_ = ResultsPlace::Bottom;
    goToAge_ = 0;
    ageBox_.clear();
    selected_ = -1;
}

void ResultsPresenter::applyPlace() {
    int count = static_cast<int>(results_.lines.size());
    if (count == 0) {
        selected_ = -1;
        return;
    }
    switch (remembered_) {
    case ResultsPlace::Top:
        selected_ = 0;
        return;
    case ResultsPlace::Bottom:
        selected_ = count - 1;
        return;
    case ResultsPlace::GoToAge:
        break;
    }
    if (goToAge_ < wholeNumber(runner_.plotStartAge())) {
        selected_ = 0;
    } else if (static_cast<float>(goToAge_) > scenario_.initial.endAge) {
        selected_ = count - 1;
    } else {
        int line = results_.ageLine(goToAge_);
        selected_ = line == -1 ? count - 1 : line;
    }
}

DoubleClickAction ResultsPresenter::doubleClick(int line) {
    const auto& lines = results_.lines;
    if (line < 0 || line >= static_cast<int>(lines.size())) return {};
    const std::string& text = lines[line];
    if (text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1]))) {
        int age = std::atoi(text.c_str());
        if (age >= wholeNumber(scenario_.initial.startAge) &&
            static_cast<float>(age) <= scenario_.initial.endAge) {
            remembered_ = ResultsPlace::GoToAge;
            goToAge_ = age;
            ageBox_ = format("%3d", age);
            applyPlace();
            return {DoubleClickAction::ShowAge, age};
        }
        return {};
    }
    int tag = 0;
    if (results_.tagOf(line, tag) && tag >= 0 && tag < kMaxEvents && tag < scenario_.eventCount)
        return {DoubleClickAction::EditEvent, tag};
    return {};
}

} // namespace finplan
