// The Analysis folder's logic: field checks, a run on the worker thread taken in by
// poll(), Cancel leaving the previous result in place, and the export's two formats.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "platform/scripted_file_chooser.h"
#include "shell/logic/analysis_presenter.h"
#include "shell/logic/desktop_runner.h"
#include "shell/logic/results_presenter.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"
#include "tests/shell/logic/held_runs.h"
#include "text/money_text.h"

namespace finplan {
namespace {

std::unique_ptr<Scenario> plan(float endAge) {
    auto s = test::newScenario(60, endAge, 15);
    Account& a = test::addAccount(*s, "Savings", test::kInvestment, 300000, 0, "");
    a.randomMinRate = -5;
    a.randomMaxRate = 10;
    Event& e = test::addEvent(*s, EventKind::Withdrawal, "", 60, endAge, 20000);
    e.toAccountId = static_cast<int16_t>(a.id);
    return s;
}

struct Fixture {
    std::unique_ptr<Scenario> scenario;
    FixedClock clock{LocalTime{2026, 12, 7, 13, 5, 9}};
    RecordingMessages messages;
    ScriptedFileChooser chooser;
    ScenarioSession session;
    ScenarioFiles files;
    AnalysisPresenter presenter;
    explicit Fixture(float endAge = 90, bool named = false)
        : scenario(plan(endAge)), session(*scenario),
          presenter(session, clock, messages, chooser, named ? &files : nullptr) {}

    void waitForEnd() {
        for (int i = 0; i < 2000 && !presenter.poll(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
};

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(AnalysisPresenter, RefusesTrialCountsAndSeedsOutOfRange) {
    Fixture f;
    for (const char* bad : {"0", "100001", "12x", ""}) {
        f.presenter.trialsText = bad;
        EXPECT_FALSE(f.presenter.run()) << bad;
        EXPECT_EQ(f.messages.last()->title, "TRIALS ERROR");
    }
    f.presenter.trialsText = "10";
    f.presenter.seedText = "4294967296";
    EXPECT_FALSE(f.presenter.run());
    EXPECT_EQ(f.messages.last()->title, "SEED ERROR");
    EXPECT_FALSE(f.presenter.running());
}

TEST(AnalysisPresenter, RunsOnAWorkerAndExportsTabOrCommaSeparated) {
    Fixture f;
    f.presenter.trialsText = " 200 ";
    f.presenter.seedText = "99";
    ASSERT_TRUE(f.presenter.run());
    EXPECT_FALSE(f.presenter.run()); // one analysis at a time
    f.waitForEnd();
    ASSERT_NE(f.presenter.results(), nullptr);
    EXPECT_EQ(f.presenter.results()->trialsRun, 200);
    EXPECT_EQ(f.presenter.statusText(), "200 trials, random account rates, seed 99");
    EXPECT_EQ(f.presenter.fanChart().bands.size(), 31u);
    EXPECT_EQ(f.presenter.fanChart().title, "NET WORTH IN 200 TRIALS");
    f.presenter.chart = TrialChart::Savings; // the savings run dry before net worth does
    EXPECT_EQ(f.presenter.fanChart().title, "TOTAL SAVINGS IN 200 TRIALS");
    EXPECT_EQ(f.presenter.fanChart().bands, f.presenter.results()->savings);

    const test::ScratchDir scratch;
    const std::string csv = scratch.file("bands.csv"), txt = scratch.file("bands.txt");
    f.chooser.answers = {csv, txt};
    ASSERT_TRUE(f.presenter.exportResults());
    ASSERT_TRUE(f.presenter.exportResults());
    EXPECT_TRUE(f.messages.entries.empty()); // new files: nothing asked
    EXPECT_EQ(fileText(csv).substr(0, 11), "Age,Failed,");
    EXPECT_EQ(fileText(txt).substr(0, 11), "Age\tFailed\t");

    // A file that is there is replaced only when the user says so.
    { std::ofstream(txt) << "keep me"; }
    f.chooser.answers = {txt, txt};
    f.messages.answers = {false, true};
    EXPECT_FALSE(f.presenter.exportResults());
    EXPECT_EQ(f.messages.last()->text, txt + " exists - Overwrite anyway?");
    EXPECT_EQ(fileText(txt), "keep me");
    ASSERT_TRUE(f.presenter.exportResults());
    EXPECT_EQ(fileText(txt).substr(0, 11), "Age\tFailed\t");
}

TEST(AnalysisPresenter, CancelKeepsThePreviousResultAndShowsNoPartialOne) {
    test::HeldRuns held(2); // the long analyses wait for their Cancel
    Fixture f(120);
    // Cancelled with no earlier result: nothing is said to be below.
    f.presenter.runStarting = held.hook();
    f.presenter.trialsText = "100000";
    ASSERT_TRUE(f.presenter.run());
    f.presenter.cancel();
    f.waitForEnd();
    EXPECT_EQ(f.presenter.results(), nullptr);
    EXPECT_EQ(f.presenter.statusText(), "Cancelled.");

    f.presenter.runStarting = nullptr;
    f.presenter.trialsText = "20";
    ASSERT_TRUE(f.presenter.run());
    f.waitForEnd();
    const TrialResults* before = f.presenter.results();
    ASSERT_NE(before, nullptr);

    f.presenter.runStarting = held.hook();
    f.presenter.trialsText = "100000";
    ASSERT_TRUE(f.presenter.run());
    f.presenter.cancel();
    f.waitForEnd();
    EXPECT_EQ(held.cancelled(), 2);
    EXPECT_FALSE(f.presenter.running());
    EXPECT_EQ(f.presenter.results(), before);
    EXPECT_EQ(f.presenter.results()->trialsRun, 20);
    EXPECT_EQ(f.presenter.statusText(),
              "Cancelled: the result below is from the previous analysis.");
}

TEST(AnalysisPresenter, SampleTrialsOpenUntilTheScenarioChangesThenTheResultIsMarkedStale) {
    Fixture f;
    EXPECT_FALSE(f.presenter.trialToOpen(TrialPick::Median));
    f.presenter.trialsText = "101";
    f.presenter.seedText = "9";
    ASSERT_TRUE(f.presenter.run());
    f.waitForEnd();
    const TrialResults* r = f.presenter.results();
    ASSERT_NE(r, nullptr);
    const auto median = f.presenter.trialToOpen(TrialPick::Median);
    const auto worst = f.presenter.trialToOpen(TrialPick::WorstDecile);
    ASSERT_TRUE(median && worst);
    EXPECT_EQ(median->generatorSeed, r->median.generatorSeed);
    EXPECT_EQ(worst->generatorSeed, r->worstDecile.generatorSeed);
    EXPECT_NE(median->generatorSeed, worst->generatorSeed);
    EXPECT_FALSE(f.presenter.stale());
    EXPECT_EQ(f.presenter.statusText(), "101 trials, random account rates, seed 9");

    // An edit after the analysis: the result stays on show, marked, and its trials
    // cannot be opened (the scenario would no longer give their numbers).
    f.scenario->events[0].amount = 25000;
    f.session.changed(ScenarioChange::EventStored);
    EXPECT_TRUE(f.presenter.stale());
    EXPECT_EQ(f.presenter.results(), r);
    EXPECT_FALSE(f.presenter.trialToOpen(TrialPick::Median));
    EXPECT_NE(f.presenter.statusText().find("The scenario has changed since"), std::string::npos);

    // Undone is still a change; a new analysis is up to date again.
    f.scenario->events[0].amount = 20000;
    f.session.changed(ScenarioChange::HistoryStepped);
    ASSERT_TRUE(f.presenter.run());
    f.waitForEnd();
    EXPECT_FALSE(f.presenter.stale());
    EXPECT_TRUE(f.presenter.trialToOpen(TrialPick::WorstDecile));
}

TEST(AnalysisPresenter, AResultNamesItsScenarioAndGoesWithIt) {
    Fixture f(120, true);
    f.files.displayName = "/home/plans/retire.ret";
    f.presenter.trialsText = "40";
    f.presenter.seedText = "3";
    ASSERT_TRUE(f.presenter.run());
    f.files.displayName = "/home/plans/other.ret"; // a Save As while it runs
    f.waitForEnd();
    EXPECT_EQ(f.presenter.statusText(), "40 trials of retire.ret, random account rates, seed 3");
    EXPECT_EQ(f.presenter.fanChart().title, "NET WORTH IN 40 TRIALS - retire.ret");
    const test::ScratchDir scratch;
    const std::string path = scratch.file("named.csv");
    f.chooser.answers = {path};
    ASSERT_TRUE(f.presenter.exportResults());
    EXPECT_EQ(fileText(path).substr(0, 31), "Scenario,retire.ret\nAge,Failed,");

    // A run of the next trials: the trial buttons do not open the result still on show.
    f.presenter.trialsText = "100000";
    ASSERT_TRUE(f.presenter.run());
    EXPECT_FALSE(f.presenter.trialToOpen(TrialPick::Median));
    EXPECT_FALSE(f.presenter.trialToOpen(TrialPick::WorstDecile));
    // New or Open while it runs: neither the result shown nor the running one stays.
    f.presenter.clear();
    EXPECT_EQ(f.presenter.results(), nullptr);
    f.waitForEnd();
    EXPECT_EQ(f.presenter.results(), nullptr);
    EXPECT_EQ(f.presenter.statusText(),
              "No analysis yet: choose the trials and the seed, then Run.");
    EXPECT_EQ(f.presenter.fanChart().title, "NET WORTH");
}

TEST(AnalysisPresenter, AnOpenedTrialIsTheResultsScheduleWithItsNetWorthAtEveryAge) {
    Fixture f;
    f.presenter.trialsText = "51";
    f.presenter.seedText = "4";
    ASSERT_TRUE(f.presenter.run());
    f.waitForEnd();
    const TrialResults& r = *f.presenter.results();
    // The application's own run state and generator, which the trial must not follow.
    auto state = std::make_unique<RunState>();
    ViewSettings view;
    SeededRandom random(123);
    DesktopRunner runner(f.session, *state, view, random, f.clock, f.messages, f.chooser);
    ResultsPresenter results(runner, *f.scenario, f.messages);
    for (TrialPick pick : {TrialPick::Median, TrialPick::WorstDecile}) {
        const TrialSample& sample = pick == TrialPick::Median ? r.median : r.worstDecile;
        results.showTrial(*f.presenter.trialToOpen(pick));
        int rows = 0;
        for (const std::string& text : results.list().lines) {
            // The age rows: the age, then the seven totals, net worth last.
            const int age = std::atoi(text.c_str());
            if (age < 60 || text.find('$') == std::string::npos) continue;
            const std::string netWorth = money13(sample.netWorth.at(age - r.firstAge));
            EXPECT_EQ(text.substr(text.size() - netWorth.size()), netWorth) << text;
            ++rows;
        }
        EXPECT_EQ(rows, r.ageCount); // every listed age, the final one included
    }
}

} // namespace
} // namespace finplan
