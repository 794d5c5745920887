// The command table over a recorded view: what each command asks of the window, the
// tool-window rule and the file commands' dialogs, without a display.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/file_names.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "platform/scripted_file_chooser.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/groups_presenter.h"
#include "shell/logic/main_presenter.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"

#include "editor_test_support.h"

namespace finplan {
namespace {

class RecordedView : public ShellView {
  public:
    void setTitle(const std::string& t) override { title = t; }
    void setMenuState(bool noScenario) override { menuStates.push_back(noScenario); }
    void rebuildRecentMenu(const RecentMenu& m) override { recent = m; }
    void switchFolder(int t) override {
        switches.push_back(t);
        tab = t;
    }
    int currentTab() const override { return tab; }
    bool resultsPageShown() const override { return tab == 3; }
    void dropResultsPage() override { ++drops; }
    void closeScenarioPages() override { ++closes; }
    void showAccountsChanged() override { ++accountRefreshes; }
    void scenarioReplaced() override { ++replacements; }
    void showAbout() override { ++abouts; }
    void toggleToolbar() override { ++toggles; }
    void requestClose() override { ++closeRequests; }
    bool runDialog(DialogPresenter& d) override {
        if (auto* a = dynamic_cast<AccountInfoPresenter*>(&d)) {
            ++accountDialogs;
            return accountStep ? accountStep(*a) : a->ok(); // OK unless told otherwise
        }
        if (auto* g = dynamic_cast<GroupsPresenter*>(&d)) {
            ++groupDialogs;
            return groupStep && groupStep(*g);
        }
        const bool amount = d.hasField(MortgageField::Amount);
        dialogs.push_back(d.title() + (amount ? " " + d.text(MortgageField::Amount) : ""));
        return false;
    }
    std::vector<std::string> dialogs;
    std::function<bool(AccountInfoPresenter&)> accountStep;
    std::function<bool(GroupsPresenter&)> groupStep;
    int accountDialogs = 0, groupDialogs = 0;

    std::string title;
    std::vector<bool> menuStates;
    RecentMenu recent;
    std::vector<int> switches;
    int tab = 0, drops = 0, closes = 0, abouts = 0, toggles = 0, closeRequests = 0;
    int accountRefreshes = 0;
    int replacements = 0;
};

class NullRunner : public ScenarioRunner {
  public:
    bool run(ResultsList*, RunMode, const RunFlags&) override {
        ++runs;
        return true;
    }
    bool exportResults() override { return true; }
    ViewSettings& viewSettings() override { return view; }
    void setGraphKind(int) override {}
    float plotStartAge() const override { return 0; }
    float taxRateInEffect() const override { return 15; }
    int runs = 0;
    ViewSettings view;
};

class MainPresenterTest : public ::testing::Test {
  protected:
    MainPresenterTest() {
        resetScenario(*scenario);
        scenario->eventCount = 0;
    }
    test::WorkingFolder folder;
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    ScenarioSession session{*scenario};
    ScenarioFiles files;
    Settings settings;
    AccountListSort sort;
    NullRunner runner;
    std::unique_ptr<PlotSeries> plots = std::make_unique<PlotSeries>();
    CalculatorMemory calculators;
    ToolWindows tools;
    RecordingMessages messages;
    ScriptedFileChooser chooser;
    RecordingHelp help;
    RecordingLauncher launcher;
    RecordedView view;
    UndoStack undo;
    FixedClock clock{LocalTime{2026, 3, 1, 12, 0, 0}};
    MainPresenter presenter{PlannerParts{*scenario, session, files, settings, sort, runner, *plots,
                                         calculators, tools, messages, chooser, help, launcher,
                                         undo, clock},
                            view};
};

TEST_F(MainPresenterTest, StartUpWithoutSettingsUsesTheFallbackNameAndEndsInTheNormalState) {
    EXPECT_FALSE(presenter.startUp());
    EXPECT_EQ(view.title, "Financial Planner - tmp01.ret");
    EXPECT_EQ(view.menuStates, std::vector<bool>{false});
    EXPECT_TRUE(std::filesystem::exists(files::kSettings));
    EXPECT_EQ(runner.runs, 0);
}

TEST_F(MainPresenterTest, StartUpOpensTheRequestedScenarioInPlaceOfTheLastOne) {
    files.scenarioPath = "mine.ret";
    scenario->initial.endAge = 77.0f;
    ASSERT_TRUE(writeScenario(*scenario, files, messages));
    resetScenario(*scenario);
    files = ScenarioFiles{};
    { std::ofstream("finance.dat") << "other.ret\n"; }
    EXPECT_TRUE(presenter.startUp("mine.ret"));
    EXPECT_EQ(view.title, "Financial Planner - mine.ret");
    EXPECT_EQ(scenario->initial.endAge, 77.0f);
    EXPECT_EQ(runner.runs, 1);
    EXPECT_TRUE(view.switches.empty()); // the window shows its first tab itself
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MainPresenterTest, StartUpOnAnUnreadableRequestedScenarioSaysSoOnce) {
    { std::ofstream("junk.ret") << "not a scenario"; }
    EXPECT_FALSE(presenter.startUp("junk.ret"));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "junk.ret doesn't seem to be a valid Korvel Financial Planner file.");
    EXPECT_EQ(view.title, "Financial Planner - tmp01.ret");
    messages.entries.clear();
    EXPECT_FALSE(presenter.startUp("gone.ret"));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Cannot open gone.ret");
    EXPECT_EQ(messages.entries[0].title, "FILE ERROR");
}

TEST_F(MainPresenterTest, PrintResultsShowsTheResultsFolderEvenWhenAToolIsOpen) {
    tools.open("Refinance Analysis");
    EXPECT_FALSE(presenter.execute(cmd::kPrintResults));
    EXPECT_EQ(view.switches, std::vector<int>{3});
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MainPresenterTest, CommandsOfFeaturesNotBuiltSayso) {
    for (int id : {cmd::kRefinance, cmd::kPrintGraph}) {
        messages.entries.clear();
        EXPECT_TRUE(presenter.execute(id)) << id;
        ASSERT_EQ(messages.entries.size(), 1u) << id;
        EXPECT_NE(messages.entries[0].text.find("not available in this build"), std::string::npos);
    }
    EXPECT_EQ(presenter.missingFeatures().size(), 2u);
}

TEST_F(MainPresenterTest, ReadAccountsFailureShowsTheReadError) {
    std::ofstream("short.acc") << "too short";
    chooser.answers.push_back(std::string("short.acc"));
    presenter.execute(cmd::kReadAccounts);
    ASSERT_NE(messages.last(), nullptr);
    EXPECT_EQ(messages.last()->title, "Read Error");
    EXPECT_TRUE(view.switches.empty());
    EXPECT_EQ(chooser.asked.at(0).title, "Read Accounts");
}

TEST_F(MainPresenterTest, ImportFromTheSummaryRerunsIntoTheResultsFolder) {
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    view.tab = 0;
    presenter.execute(cmd::kImportAccounts);
    EXPECT_EQ(chooser.asked.at(0).title, "Update Accounts From a Tab File");
    EXPECT_TRUE(session.resultsStale());
    EXPECT_EQ(view.drops, 1);
    EXPECT_EQ(view.switches, std::vector<int>{3});
}

TEST_F(MainPresenterTest, ImportElsewhereShowsTheChangedAccountsWhereTheyAre) {
    test::addAccount(*scenario, "Savings", 0, 10.0f, 5.0f, "A");
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\nBonds\t50.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    messages.answers = {true, true}; // update 1 of 1; add "Bonds"
    view.tab = tab::kAccounts;
    presenter.execute(cmd::kImportAccounts);
    EXPECT_EQ(scenario->accounts.usableCount(), 2);
    EXPECT_EQ(view.accountRefreshes, 1);
    EXPECT_TRUE(view.switches.empty());
}

TEST_F(MainPresenterTest, NewScenarioLeavesTheOldResultsStale) {
    messages.answers = {false}; // no tab file
    presenter.execute(cmd::kNew);
    EXPECT_TRUE(session.resultsStale());
    EXPECT_EQ(view.closes, 1);
}

TEST_F(MainPresenterTest, AccountCommandsOpenTheirDialogsAndShowTheAccountsFolder) {
    presenter.execute(cmd::kGroupNames); // Cancel still shows the folder
    EXPECT_EQ(view.groupDialogs, 1);
    view.accountStep = [](AccountInfoPresenter& a) {
        typeAccount(a, {"Savings", "100", "5", "0", "0", "1"});
        return a.ok();
    };
    ASSERT_TRUE(presenter.accounts().requestAdd());
    presenter.execute(cmd::kAccountInfo);
    EXPECT_EQ(scenario->accounts.accountCount, 1);
    EXPECT_EQ(undo.undoText(), "Undo Add Account 'Savings'");
    view.accountStep = [](AccountInfoPresenter&) { return false; }; // Cancel: no switch
    presenter.execute(cmd::kAccountInfo);
    presenter.execute(cmd::kEditAccounts);
    EXPECT_EQ(view.switches, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(view.accountDialogs, 2);

    // The import asks the dialog to complete each new account.
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\nChecking\t20.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    view.accountStep = [](AccountInfoPresenter& a) {
        EXPECT_EQ(a.mode(), AccountDialogMode::Import);
        EXPECT_EQ(a.text(AccountInfoField::Name), "Checking");
        return a.ok();
    };
    presenter.execute(cmd::kImportAccounts);
    EXPECT_EQ(view.accountDialogs, 3);
    EXPECT_EQ(scenario->accounts.accountCount, 2);
    EXPECT_EQ(undo.undoText(), "Undo Import Account Data");
}

// Exit only asks the window to close; the close itself, however it was asked for (File >
// Exit, the close button, the window manager), writes the session's settings.
TEST_F(MainPresenterTest, ClosingWritesTheSettingsWithTheCurrentScenario) {
    files.displayName = "mine.ret";
    presenter.execute(cmd::kExit);
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_FALSE(std::filesystem::exists(files::kSettings));
    presenter.closing();
    std::ifstream in(files::kSettings);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "mine.ret");
}

TEST_F(MainPresenterTest, ExternalProgramsGetTheirCommandLines) {
    presenter.execute(cmd::kGraphWindow);
    presenter.execute(cmd::kCompareScenarios);
    presenter.execute(cmd::kDesktopCalculator);
    ASSERT_EQ(launcher.launched.size(), 3u);
    EXPECT_EQ(launcher.launched[0], (std::vector<std::string>{"kvplot3.exe", "plotinf01.tmp"}));
    EXPECT_EQ(launcher.launched[1], (std::vector<std::string>{"didaza.exe", "plotinf01.tmp"}));
    EXPECT_EQ(launcher.launched[2], (std::vector<std::string>{"calc.exe"}));
    launcher.result = false;
    presenter.execute(cmd::kGraphWindow);
    ASSERT_NE(messages.last(), nullptr);
    EXPECT_EQ(messages.last()->title, "Execution Error");
    // The user is told which program of ours is missing, not the name it stands in for.
    EXPECT_EQ(messages.last()->text,
              "The program finplan-plot could not be found beside the planner or in the path.");
    presenter.execute(cmd::kCompareScenarios);
    EXPECT_EQ(messages.last()->text, "The program finplan-compare could not be found beside the "
                                     "planner or in the path.");
}

TEST_F(MainPresenterTest, QuickTipsOpenTheirTopics) {
    for (int id : {776, 777, 778, 779, 780, 781, 104, 105})
        presenter.execute(id);
    EXPECT_EQ(help.shown, (std::vector<int>{1542, 1543, 1544, 1553, 1554, 1557, 0, -1}));
}

// Cancel (Escape) at "Do you wish to save ...?" goes back to the plan as it was, from
// each of the four places that ask; Yes that cannot save does not go on either.
TEST_F(MainPresenterTest, CancelAtTheSaveQuestionLeavesEverythingAsItWas) {
    for (int id : {cmd::kNew, cmd::kOpen, cmd::recentCommand(0), cmd::kExit}) {
        SCOPED_TRACE(id);
        files.scenarioPath = files.displayName = "plan.ret";
        scenario->initial.taxRate = 33;
        session.changed(ScenarioChange::EventStored);
        messages.entries.clear();
        messages.choices = {Answer::Cancel};
        view.switches.clear();
        if (id == cmd::kExit)
            EXPECT_FALSE(presenter.closing());
        else
            presenter.execute(id);
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, "Do you wish to save the file plan.ret?");
        EXPECT_TRUE(chooser.asked.empty());
        EXPECT_TRUE(view.switches.empty());
        EXPECT_EQ(files.displayName, "plan.ret");
        EXPECT_FLOAT_EQ(scenario->initial.taxRate, 33.0f);
        EXPECT_TRUE(session.scenarioModified());
        EXPECT_FALSE(std::filesystem::exists("plan.ret"));
    }
    EXPECT_FALSE(std::filesystem::exists(files::kSettings)); // the window stays open

    // Yes, but the file cannot be written: the plan stays rather than being lost.
    std::filesystem::create_directory("locked");
    files.scenarioPath = files.displayName = "locked";
    files.untitled = false;
    messages.choices = {Answer::Yes};
    presenter.execute(cmd::kNew);
    EXPECT_FLOAT_EQ(scenario->initial.taxRate, 33.0f);
    EXPECT_EQ(files.displayName, "locked");
}

// Yes at the save question of an untitled scenario asks for a name as Save As does
// (its temporary name would be taken by the next New); Cancel in that dialog cancels
// the New, the Open or the closing.
TEST_F(MainPresenterTest, YesForAnUntitledScenarioAsksForANameFirst) {
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kExit}) {
        for (bool named : {false, true}) {
            SCOPED_TRACE(std::to_string(id) + (named ? " named" : " cancelled"));
            std::filesystem::remove("temp01.ret");
            files = ScenarioFiles{};
            files.scenarioPath = files.displayName = "./temp01.ret";
            scenario->initial.taxRate = 33;
            session.changed(ScenarioChange::EventStored);
            messages.choices = {Answer::Yes};
            messages.answers = {false}; // after New: no accounts from a tab file
            chooser.asked.clear();
            chooser.answers = {named ? std::optional<std::string>("mine.ret") : std::nullopt};
            bool closed = false;
            if (id == cmd::kExit)
                closed = presenter.closing();
            else
                presenter.execute(id);
            ASSERT_FALSE(chooser.asked.empty());
            EXPECT_EQ(chooser.asked[0].title, "Save Scenario With a New Name");
            if (named) {
                Scenario saved;
                ScenarioFiles savedFiles;
                savedFiles.displayName = "mine.ret";
                ASSERT_TRUE(readScenario(saved, savedFiles, messages));
                EXPECT_FLOAT_EQ(saved.initial.taxRate, 33.0f);
                EXPECT_EQ(closed, id == cmd::kExit);
                std::filesystem::remove("mine.ret");
            } else {
                EXPECT_EQ(chooser.asked.size(), 1u); // Open's own dialog is not shown
                EXPECT_FALSE(std::filesystem::exists("./temp01.ret"));
                EXPECT_EQ(files.displayName, "./temp01.ret");
                EXPECT_FLOAT_EQ(scenario->initial.taxRate, 33.0f);
                EXPECT_TRUE(session.scenarioModified());
                EXPECT_FALSE(closed);
            }
        }
    }
}

TEST_F(MainPresenterTest, DroppedFilesOpenOrImportAsTheirCommandsDo) {
    files.scenarioPath = "dropped.ret";
    scenario->initial.endAge = 81.0f;
    ASSERT_TRUE(writeScenario(*scenario, files, messages));
    resetScenario(*scenario);
    files.scenarioPath = files.displayName = "old.ret";
    session.changed(ScenarioChange::EventStored);
    messages.choices = {Answer::No};
    EXPECT_TRUE(presenter.dropFile("dropped.ret"));
    EXPECT_EQ(messages.entries.at(0).text, "Do you wish to save the file old.ret?");
    EXPECT_EQ(files.displayName, "dropped.ret");
    EXPECT_EQ(scenario->initial.endAge, 81.0f);
    EXPECT_EQ(runner.runs, 1);

    // A tab file imports on the Accounts folder only.
    test::addAccount(*scenario, "Savings", 0, 10.0f, 5.0f, "A");
    std::ofstream("bank.TXT") << "Savings\t1,000.00\n";
    messages.answers = {true}; // update 1 of 1
    view.tab = tab::kScenario;
    EXPECT_FALSE(presenter.dropFile("bank.TXT"));
    view.tab = tab::kAccounts;
    EXPECT_TRUE(presenter.dropFile("bank.TXT"));
    EXPECT_FLOAT_EQ(scenario->accounts.accounts[0].initialAmount, 1000.0f);
    EXPECT_TRUE(chooser.asked.empty());
    EXPECT_FALSE(presenter.dropFile("notes.pdf"));
}

TEST_F(MainPresenterTest, F1OpensTheHelpOfTheFolderOnShow) {
    const int analysis = analysisTab(0);
    for (int t :
         {tab::kSummary, tab::kAccounts, tab::kScenario, tab::kResults, tab::kNetWorth, analysis}) {
        view.tab = t;
        presenter.execute(cmd::kFolderHelp);
    }
    EXPECT_EQ(help.shown, (std::vector<int>{1557, 513, 514, 1554, 1544, 0}));
}

} // namespace
} // namespace finplan

namespace finplan {
namespace {

// Calculator windows that record what was opened; `whileOpen` plays the user.
class RecordedCalculators : public CalculatorWindows {
  public:
    void open(CalculatorTool tool, const Event* edited) override {
        opened.push_back(tool);
        editedGiven.push_back(edited);
        if (whileOpen) whileOpen(tool);
    }
    std::vector<CalculatorTool> opened;
    std::vector<const Event*> editedGiven;
    std::function<void(CalculatorTool)> whileOpen;
};

TEST_F(MainPresenterTest, ToolsAidsCommandsOpenTheirCalculatorFromTheMenu) {
    RecordedCalculators windows;
    presenter.attachCalculators(windows);
    // A stale editing mark must not turn the menu's Refinance into the editor's.
    session.beginEditEvent(0);
    for (int id : {cmd::kMortgageCalculator, cmd::kRefinance, cmd::kAccelerated,
                   cmd::kInflationCalculator, cmd::kTaxInflationInvestment, cmd::kTradeOff})
        EXPECT_TRUE(presenter.execute(id)) << id;
    using T = CalculatorTool;
    EXPECT_EQ(windows.opened, (std::vector<T>{T::Mortgage, T::Refinance, T::Accelerated,
                                              T::Inflation, T::Investment, T::TradeOff}));
    for (const Event* e : windows.editedGiven)
        EXPECT_EQ(e, nullptr);
    EXPECT_TRUE(messages.entries.empty());

    // While a tool window is open the command only brings it to the front.
    tools.open("Inflation Calculator");
    EXPECT_FALSE(presenter.execute(cmd::kTradeOff));
    EXPECT_EQ(windows.opened.size(), 6u);
}

TEST_F(MainPresenterTest, UseThisMortgageInPlanGoesOnToTheMortgageEditor) {
    RecordedCalculators windows;
    presenter.attachCalculators(windows);
    // Closed with Cancel: nothing follows.
    presenter.execute(cmd::kMortgageCalculator);
    EXPECT_TRUE(messages.entries.empty());

    windows.whileOpen = [this](CalculatorTool) {
        calculators.mortgage.handOver = true; // what "Use this mortgage in plan" leaves
        calculators.mortgage.amountText = "250000";
    };
    view.tab = 2;
    presenter.execute(cmd::kMortgageCalculator);
    // The Mortgage editor opens once, on the calculator's values.
    EXPECT_EQ(view.dialogs, std::vector<std::string>{"Mortgage 250000"});
    EXPECT_FALSE(calculators.mortgage.handOver);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(view.switches, std::vector<int>{2}); // the Scenario folder is shown afresh
}

TEST_F(MainPresenterTest, ImportAndReIndexAreUndoneAndRedoneToTheSameBytes) {
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\nBonds\t2,000.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    std::strcpy(scenario->accounts.accounts[0].name, "Savings");
    assignAccountId(*scenario);
    const auto before = scenarioContentBytes(*scenario);
    presenter.execute(cmd::kImportAccounts);
    ASSERT_EQ(scenario->accounts.accountCount, 2);
    const auto imported = scenarioContentBytes(*scenario);
    EXPECT_EQ(undo.undoText(), "Undo Import Account Data");
    presenter.execute(cmd::kReindexAccounts); // answered Yes
    const auto reindexed = scenarioContentBytes(*scenario);
    EXPECT_EQ(undo.undoText(), "Undo Re-Index Accounts");

    view.switches.clear();
    presenter.execute(cmd::kUndo);
    EXPECT_EQ(scenarioContentBytes(*scenario), imported);
    EXPECT_EQ(view.switches, std::vector<int>{view.tab}); // the folder is shown again
    presenter.execute(cmd::kUndo);
    EXPECT_EQ(scenarioContentBytes(*scenario), before);
    EXPECT_TRUE(session.accountsModified());
    presenter.execute(cmd::kRedo);
    presenter.execute(cmd::kRedo);
    EXPECT_EQ(scenarioContentBytes(*scenario), reindexed);
    EXPECT_EQ(undo.redoText(), "Redo");
}

TEST_F(MainPresenterTest, NewAndOpenReplaceTheScenarioAndATabImportEndsInTheAccountsFolder) {
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\nBonds\t50.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    messages.defaultAnswer = true; // no save question (unchanged); read the tab file
    presenter.execute(cmd::kNew);
    EXPECT_EQ(scenario->accounts.usableCount(), 2);
    EXPECT_EQ(view.replacements, 1);
    ASSERT_FALSE(view.switches.empty());
    EXPECT_EQ(view.switches.back(), tab::kAccounts); // after the accounts were added

    chooser.answers.push_back(std::string("missing.ret"));
    messages.choices = {Answer::No}; // the imported accounts are not saved
    presenter.execute(cmd::kOpen);
    EXPECT_EQ(view.replacements, 2);
}

TEST_F(MainPresenterTest, NewStartsAFreshHistory) {
    ScenarioSnapshot before(*scenario);
    scenario->initial.taxRate = 30;
    undo.record("Edit Initial Values", before, *scenario);
    messages.defaultAnswer = false; // no save, no tab import
    presenter.execute(cmd::kNew);
    EXPECT_FALSE(undo.canUndo());
    presenter.execute(cmd::kUndo); // nothing to undo: nothing happens
    EXPECT_FLOAT_EQ(scenario->initial.taxRate, 15.0f);
}

// A plan in the new-scenario file (an earlier version's Yes at the save question wrote
// it there) survives the next New, and Save of a scenario without a name of the user's
// choosing asks for one.
TEST_F(MainPresenterTest, NewNeverReplacesASavedPlanAndSaveOfAnUntitledPlanAsksForAName) {
    messages.defaultAnswer = false; // no tab import
    presenter.execute(cmd::kNew);
    EXPECT_EQ(files.scenarioPath, "./temp01.ret");
    std::ofstream("accounts.kvi") << "Savings\t1,000.00\n";
    chooser.answers.push_back(std::string("accounts.kvi"));
    presenter.execute(cmd::kImportAccounts);
    ASSERT_TRUE(writeScenario(*scenario, files, messages));
    const std::string saved = test::readBytes("temp01.ret");
    EXPECT_EQ(saved.size(), 4944u);
    messages.choices = {Answer::No};
    presenter.execute(cmd::kNew);
    EXPECT_EQ(files.scenarioPath, "./temp02.ret");
    presenter.execute(cmd::kNew); // nothing changed: the empty temp02.ret is used again
    EXPECT_EQ(files.scenarioPath, "./temp02.ret");
    EXPECT_EQ(test::readBytes("temp01.ret"), saved);

    chooser.asked.clear();
    chooser.answers.push_back(std::string("mine.ret"));
    presenter.execute(cmd::kSave);
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, "Save Scenario With a New Name");
    EXPECT_EQ(files.scenarioPath, "mine.ret");
    EXPECT_TRUE(std::filesystem::exists("mine.ret"));
    presenter.execute(cmd::kSave); // named now: saved without a question
    EXPECT_EQ(chooser.asked.size(), 1u);
}

} // namespace
} // namespace finplan
