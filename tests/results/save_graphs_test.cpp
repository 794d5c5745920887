// Save Graphs: the copy of the plot file and every refusal.
#include <gtest/gtest.h>

#include <cstdio>

#include "graphs/plot_file.h"
#include "platform/recording_messages.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

using test::readBytes;
using test::writeBytes;

const std::string kHeader = "1\nFile: a.ret\nDate: 12/7/26\nTime: 1:05:09 PM \n";
// One account, one plotted year plus the final row.
const std::string kPlot = kHeader +
                          "2.00\n1\nInv\n"
                          "10.00\n60.00 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19\n"
                          "11.00\n61.00 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19\n" +
                          std::string(10, '\n') + "3\nDone\n";

// Names of this test's own, so tests run side by side do not share files.
std::string testName() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

struct Files {
    std::string plot = "graph_source_" + testName() + ".tmp";
    std::string target = "copy_of_graphs_" + testName() + ".kvp";
    Files() { std::remove(target.c_str()); }
    ~Files() {
        std::remove(plot.c_str());
        std::remove(target.c_str());
    }
};

TEST(SaveGraphs, CopyEndsWithDoneWithoutNewline) {
    Files f;
    writeBytes(f.plot, kPlot);
    RecordingMessages messages;
    saveGraphsTo(f.target, messages, f.plot);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(readBytes(f.target), kPlot.substr(0, kPlot.size() - 5) + "Done");
}

// A row of amounts near the largest float runs to 840 characters: it is one line of
// the copy, not four, or the copy would end before its group names.
TEST(SaveGraphs, LongRowsAreCopiedAsOneLineEach) {
    Files f;
    std::string big;
    for (int i = 0; i < 20; ++i)
        big += (i > 0 ? " " : "") + std::string("340282346638528859811704183484516925440.00");
    const std::string plot = kHeader + "2.00\n1\nInv\n10.00\n" + big + "\n11.00\n" + big + "\n" +
                             std::string(10, 'G') + std::string(10, '\n') + "3\nDone\n";
    writeBytes(f.plot, plot);
    RecordingMessages messages;
    saveGraphsTo(f.target, messages, f.plot);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(readBytes(f.target), plot.substr(0, plot.size() - 5) + "Done");
}

TEST(SaveGraphs, DoneInsideTheRowsEndsTheCopy) {
    Files f;
    writeBytes(f.plot, kHeader + "2.00\n1\nInv\n10.00\nDone\n");
    RecordingMessages messages;
    saveGraphsTo(f.target, messages, f.plot);
    EXPECT_EQ(readBytes(f.target), kHeader + "2.00\n1\nInv\n10.00\nDone\nDone");
}

TEST(SaveGraphs, HundredYearsOrMoreIsAProblemAndTheTargetIsKept) {
    Files f;
    writeBytes(f.plot, kHeader + "100.00\n0\nDone\n");
    writeBytes(f.target, "old");
    RecordingMessages messages;
    messages.answers = {true};
    saveGraphsTo(f.target, messages, f.plot);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text, f.target + " exists - Overwrite anyway?");
    EXPECT_EQ(messages.entries[1].text, "Problem saving graphs.\nPlease try again.");
    EXPECT_EQ(messages.entries[1].title, "FILE ERROR");
    EXPECT_EQ(readBytes(f.target), "old");
}

TEST(SaveGraphs, RefusesToOverwriteThePlotFile) {
    Files f;
    const std::string plot = "plotinf_save_test.tmp";
    writeBytes(plot, kPlot);
    RecordingMessages messages;
    saveGraphsTo(plot, messages, "plotinf01.tmp");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "Cannot overwrite the system file plotinf. \nChoose another file name.");
    EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
    EXPECT_EQ(readBytes(plot), kPlot);
    std::remove(plot.c_str());
}

TEST(SaveGraphs, NoAnswerLeavesTheTargetAlone) {
    Files f;
    writeBytes(f.plot, kPlot);
    writeBytes(f.target, "old");
    RecordingMessages messages;
    messages.answers = {false};
    saveGraphsTo(f.target, messages, f.plot);
    EXPECT_EQ(readBytes(f.target), "old");
}

TEST(SaveGraphs, MissingPlotFile) {
    Files f;
    RecordingMessages messages;
    saveGraphsTo(f.target, messages, "no_plot_here.tmp");
    ASSERT_NE(messages.last(), nullptr);
    EXPECT_EQ(messages.last()->text, "Cannot open plotinf for reading!\nNo such file or directory");
}

TEST(GraphViewer, LaunchedOnThePlotFile) {
    RecordingLauncher launcher;
    launchGraphViewer(launcher, "plotinf01.tmp");
    ASSERT_EQ(launcher.launched.size(), 1u);
    EXPECT_EQ(launcher.launched[0], (std::vector<std::string>{"kvplot3.exe", "plotinf01.tmp"}));
}

} // namespace
} // namespace finplan
