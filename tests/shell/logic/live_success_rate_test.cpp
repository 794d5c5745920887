// The status bar's success rate: a change starts 1,000 trials whose figure is the
// analysis's own, a change during a run cancels it, nothing runs while a dialog is
// open or when turned off; the figure's text; the per-user options file.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "model/scenario_ops.h"
#include "shell/logic/live_success_rate.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"
#include "tests/shell/logic/held_runs.h"

namespace finplan {
namespace {

std::unique_ptr<Scenario> plan(float withdrawal) {
    auto s = test::newScenario(60, 95, 15);
    Account& a = test::addAccount(*s, "Savings", test::kInvestment, 500000, 0, "");
    a.randomMinRate = -8;
    a.randomMaxRate = 14;
    Event& e = test::addEvent(*s, EventKind::Withdrawal, "", 60, 94, withdrawal);
    e.applyInflation = 1;
    e.toAccountId = static_cast<int16_t>(a.id);
    recomputeTotals(*s);
    return s;
}

struct Fixture {
    std::unique_ptr<Scenario> scenario = plan(30000);
    FixedClock clock{LocalTime{2026, 12, 7, 13, 5, 9}};
    uint64_t revision = 1;
    LiveSuccessRate live{*scenario, clock, [this] { return revision; }};

    // Polls as the view's timer does until a figure comes in.
    bool waitForFigure() {
        for (int i = 0; i < 4000; ++i) {
            if (live.poll(false)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    std::string analysisText() const {
        TrialSettings settings;
        settings.trials = kLiveTrials;
        settings.seed = kLiveSeed;
        TrialControl control;
        return successText(runTrials(*scenario, settings, control, 0, clock.now()));
    }
};

TEST(LiveSuccessRate, AChangeShowsTheFigureOfTheAnalysisWithTheFixedSeed) {
    Fixture f;
    ASSERT_TRUE(f.waitForFigure());
    EXPECT_EQ(f.live.text(), f.analysisText());
    EXPECT_EQ(f.live.resultRevision(), 1u);
    EXPECT_FALSE(f.live.poll(false)); // nothing new to work out
    EXPECT_FALSE(f.live.running());

    f.scenario->events[0].amount = 45000; // a harsher plan, as an editor's OK leaves it
    ++f.revision;
    ASSERT_TRUE(f.waitForFigure());
    EXPECT_EQ(f.live.text(), f.analysisText());
    EXPECT_EQ(f.live.resultRevision(), 2u);
    ASSERT_NE(f.live.results(), nullptr);
    f.live.options.successThreshold = 0;
    EXPECT_FALSE(f.live.belowThreshold());
    f.live.options.successThreshold = 100;
    EXPECT_EQ(f.live.belowThreshold(), f.live.results()->failed > 0);
}

TEST(LiveSuccessRate, TheTrialsDrawTheirRatesAsTheSetupSays) {
    Fixture f;
    f.live.setup = [] { return LiveTrialsSetup{TrialRandomMode::Groups, nullptr}; };
    ASSERT_TRUE(f.waitForFigure());
    ASSERT_NE(f.live.results(), nullptr);
    EXPECT_EQ(f.live.results()->settings.mode, TrialRandomMode::Groups);
    TrialControl control;
    const TrialSettings settings = liveTrialSettings(f.live.setup());
    EXPECT_EQ(f.live.text(),
              successText(runTrials(*f.scenario, settings, control, 0, f.clock.now())));
}

TEST(LiveSuccessRate, AChangeDuringARunCancelsItAndTheNewestScenarioIsShown) {
    test::HeldRuns held; // the first run is still in flight at the change
    Fixture f;
    f.live.runStarting = held.hook();
    f.live.poll(false);
    ASSERT_TRUE(f.live.running());
    f.scenario->events[0].amount = 45000;
    ++f.revision;
    ASSERT_TRUE(f.waitForFigure());
    EXPECT_EQ(held.cancelled(), 1);
    EXPECT_EQ(f.live.cancelledRuns(), 1);
    EXPECT_EQ(f.live.resultRevision(), 2u);
    EXPECT_EQ(f.live.text(), f.analysisText());
}

TEST(LiveSuccessRate, NothingRunsWhileADialogIsOpenOrWhenTurnedOff) {
    test::HeldRuns held; // the first run is still in flight when the dialog opens
    Fixture f;
    f.live.runStarting = held.hook();
    f.live.poll(true);
    EXPECT_FALSE(f.live.running());
    f.live.poll(false);
    ASSERT_TRUE(f.live.running());
    f.live.poll(true); // a dialog opened: the run in flight stops
    for (int i = 0; i < 4000 && f.live.running(); ++i) {
        f.live.poll(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(f.live.running());
    EXPECT_EQ(held.cancelled(), 1);
    EXPECT_EQ(f.live.text(), "");
    ASSERT_TRUE(f.waitForFigure()); // the dialog closed: the figure comes

    f.live.options.liveSuccessRate = false;
    ++f.revision;
    f.live.poll(false);
    EXPECT_FALSE(f.live.running());
    EXPECT_EQ(f.live.text(), "");
    EXPECT_EQ(f.live.results(), nullptr);
}

TEST(LiveSuccessRate, TheFigureIsTheWholePercentBelowTheRate) {
    const struct {
        int trials, failed;
        const char* text;
    } cases[] = {{1000, 130, "Success: 87 % of 1,000 trials"},
                 {1000, 1, "Success: 99 % of 1,000 trials"}, // never rounded up to 100
                 {1000, 0, "Success: 100 % of 1,000 trials"},
                 {100000, 100000, "Success: 0 % of 100,000 trials"},
                 {7, 0, "Success: 100 % of 7 trials"}};
    for (const auto& c : cases) {
        TrialResults r;
        r.trialsRun = c.trials;
        r.failed = c.failed;
        EXPECT_EQ(successText(r), c.text);
    }
}

TEST(UserOptions, KeptInTheConfigFolderAndReadBackWithDefaultsForWhatIsNotUnderstood) {
    EXPECT_EQ(userOptionsPath("/x/config", "/home/u"), "/x/config/finplanner/options");
    EXPECT_EQ(userOptionsPath("relative", "/home/u"), "/home/u/.config/finplanner/options");
    EXPECT_EQ(userOptionsPath(nullptr, nullptr), "");

    const test::ScratchDir folder;
    const std::string path = folder.file("finplanner/options");
    EXPECT_TRUE(readUserOptions(path).liveSuccessRate); // no file: the defaults
    ASSERT_EQ(writeUserOptions(path, UserOptions{false, 65}), "");
    const UserOptions back = readUserOptions(path);
    EXPECT_FALSE(back.liveSuccessRate);
    EXPECT_EQ(back.successThreshold, 65);

    std::ofstream(path) << "live_success_rate=maybe\nsuccess_threshold=140\nnoise\n";
    const UserOptions odd = readUserOptions(path);
    EXPECT_TRUE(odd.liveSuccessRate);
    EXPECT_EQ(odd.successThreshold, kDefaultSuccessThreshold);
}

} // namespace
} // namespace finplan
