// The Print menu's commands over a recording printer and a runner that writes a small
// print file, without a display.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "graphs/recording_surface.h"
#include "model/file_names.h"
#include "platform/recording_messages.h"
#include "platform/recording_printer.h"
#include "platform/scripted_file_chooser.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/graph_interaction.h"
#include "shell/logic/print_commands.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

class View : public ShellView {
  public:
    void setTitle(const std::string&) override {}
    void setMenuState(bool) override {}
    void rebuildRecentMenu(const RecentMenu&) override {}
    void switchFolder(int t) override {
        switches.push_back(t);
        tab = t;
    }
    int currentTab() const override { return tab; }
    bool resultsPageShown() const override { return tab == tab::kResults; }
    void dropResultsPage() override { ++drops; }
    void closeScenarioPages() override {}
    void showAccountsChanged() override {}
    void showAbout() override {}
    void toggleToolbar() override {}
    void requestClose() override {}
    std::optional<FanChart> shownFanChart() const override { return fan; }
    std::optional<FanChart> fan; // the Analysis folder with an analysis
    std::vector<int> switches;
    int tab = 0, drops = 0;
};

// The print run: `lines` schedule lines under the "??" marker.
class PrintFileRunner : public ScenarioRunner {
  public:
    bool run(ResultsList*, RunMode mode, const RunFlags&) override {
        modes.push_back(mode);
        if (mode == RunMode::PrintFile) {
            std::ofstream out(files::kPrintFile);
            if (lines > 0) out << "??\n";
            for (int i = 0; i < lines; ++i)
                out << "line " << i << "\n";
        }
        return true;
    }
    bool exportResults() override { return true; }
    ViewSettings& viewSettings() override { return view; }
    void setGraphKind(int) override {}
    float plotStartAge() const override { return 0; }
    float taxRateInEffect() const override { return 15; }
    std::vector<RunMode> modes;
    int lines = 100;
    ViewSettings view;
};

// Notes whether printing was marked busy when its dialog came up.
class WatchedPrinter : public RecordingPrinter<RecordingSurface> {
  public:
    explicit WatchedPrinter(ToolWindows& toolWindows) : tools(toolWindows) {}
    std::optional<PrintChoice> printDialog() override {
        busyInDialog = tools.isOpen(kPrintingTool);
        return RecordingPrinter::printDialog();
    }
    ToolWindows& tools;
    bool busyInDialog = false;
};

class PrintCommandsTest : public ::testing::Test {
  protected:
    PrintCommandsTest() {
        parts.printer = &printer;
        parts.graphs = &graphs;
    }
    test::WorkingFolder folder;
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    ScenarioFiles files;
    Settings settings;
    AccountListSort sort;
    PrintFileRunner runner;
    std::unique_ptr<PlotSeries> plots = std::make_unique<PlotSeries>();
    CalculatorMemory calculators;
    ToolWindows tools;
    RecordingMessages messages;
    ScriptedFileChooser chooser;
    RecordingHelp help;
    RecordingLauncher launcher;
    UndoStack undo;
    FixedClock clock{LocalTime{2026, 3, 4, 10, 0, 0}};
    View view;
    WatchedPrinter printer{tools};
    GraphInteraction graphs{*plots, *scenario};
    ScenarioSession session{*scenario};
    PlannerParts parts{*scenario, session, files,       settings, sort,
                       runner,    *plots,  calculators, tools,    messages,
                       chooser,   help,    launcher,    undo,     clock};
};

TEST_F(PrintCommandsTest, PrintResultsPrintsThePagesThenShowsTheResultsAgain) {
    MainPresenter presenter(parts, view);
    presenter.execute(cmd::kPrintResults);
    // 100 lines and the header: 59 counted lines on page 1, the rest on page 2.
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(printer.busyInDialog);
    EXPECT_FALSE(tools.anyOpen());
    EXPECT_EQ(runner.modes, std::vector<RunMode>{RunMode::PrintFile});
    EXPECT_EQ(view.switches, (std::vector<int>{tab::kResults, tab::kResults}));
    EXPECT_EQ(view.drops, 1);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_TRUE(std::filesystem::exists("page2"));
}

TEST_F(PrintCommandsTest, AnEmptyPrintFileCannotBePrinted) {
    runner.lines = 0;
    { std::ofstream empty(files::kPrintFile); }
    PrintCommands(parts, view).printResults();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Cannot print file!");
    EXPECT_EQ(messages.entries[0].title, "Print Results");
    EXPECT_TRUE(printer.calls.empty());
}

TEST_F(PrintCommandsTest, PrintCurrentGraphOnlyFromAGraphFolder) {
    PrintCommands print(parts, view);
    view.tab = tab::kResults;
    print.printCurrentGraph();
    EXPECT_TRUE(printer.calls.empty());

    view.tab = tab::kNetWorth;
    graphs.enterFolder(false, GraphKind::NetWorth);
    printer.margins.reset(); // the page setup is cancelled
    print.printCurrentGraph();
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(view.drops, 0);

    printer.margins = PageSetupMargins{};
    print.printCurrentGraph();
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.calls.back(), "finish keep");
    EXPECT_EQ(view.drops, 1);
    EXPECT_FALSE(tools.anyOpen());
}

TEST_F(PrintCommandsTest, PrintCurrentGraphInTheAnalysisFolderPrintsTheFanChartWithinTheMargins) {
    view.tab = 99; // no graph folder: without an analysis nothing is printed
    PrintCommands print(parts, view);
    print.printCurrentGraph();
    EXPECT_TRUE(printer.calls.empty());

    view.fan = FanChart{"NET WORTH IN 500 TRIALS", 60, {{1, 2, 3, 4, 5}, {0, 1, 2, 6, 9}}};
    printer.choice = PrintChoice{2};
    printer.margins = PageSetupMargins{1000, 500, 1000, 500}; // inches at 300 dots
    print.printCurrentGraph();
    ASSERT_EQ(printer.pages.size(), 2u); // one page per copy
    EXPECT_EQ(printer.calls.back(), "finish keep");
    const RecordingSurface& page = *printer.pages[0];
    EXPECT_EQ(page.textsEqual("NET WORTH IN 500 TRIALS").size(), 1u);
    EXPECT_EQ(page.textsEqual("Median").size(), 1u);
    for (const SurfaceOp& op : page.opsOfKind(OpKind::FillRect)) {
        EXPECT_GE(op.box.left, 300); // the chart's white ground stays within the margins
        EXPECT_GE(op.box.top, 150);
        EXPECT_LE(op.box.right, 2400 - 300);
        EXPECT_LE(op.box.bottom, 3000 - 150);
    }
    EXPECT_FALSE(tools.anyOpen());
    EXPECT_EQ(view.drops, 0); // the Results folder has nothing to do with it
}

TEST_F(PrintCommandsTest, WithoutAPrinterPrintingIsNotOffered) {
    parts.printer = nullptr;
    MainPresenter presenter(parts, view);
    presenter.execute(cmd::kPrintGraph);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_NE(messages.entries[0].text.find("Printing"), std::string::npos);
}

} // namespace
} // namespace finplan
