#include <gtest/gtest.h>

#include <vector>

#include "files_test_support.h"
#include "model/recent_files.h"
#include "model/settings_file.h"
#include "model/window_placement.h"

namespace finplan {
namespace {

using test::ScratchDir;

const std::string kDefaultLine = "  0.00  10.00 -10.00   0.00   0.00  10.00 -10.00   0.00 0\n";

TEST(RecentFiles, EachSwitchAddsTheScenarioLeftAndRepeatsMoveToTheTop) {
    RecentFiles r;
    // X is open; opening A, B, then X again adds X, A, B in turn.
    for (const char* left : {"X.ret", "A.ret", "B.ret"})
        r.add(left);
    EXPECT_EQ(r.entries[0], "B.ret");
    EXPECT_EQ(r.entries[1], "A.ret");
    EXPECT_EQ(r.entries[2], "X.ret");
    EXPECT_EQ(r.count(), 3);
    // Opening A now leaves X, which moves up instead of appearing twice.
    r.add("x.RET");
    EXPECT_EQ(r.entries[0], "x.RET");
    EXPECT_EQ(r.entries[1], "B.ret");
    EXPECT_EQ(r.entries[2], "A.ret");
    EXPECT_EQ(r.count(), 3);
    r.add("a.r"); // three characters: never added
    EXPECT_EQ(r.count(), 3);
}

TEST(RecentFiles, MenuHoldsSixEntriesWithTheirIdsAndASeparator) {
    RecentFiles r;
    EXPECT_TRUE(r.menu().items.empty());
    EXPECT_FALSE(r.menu().separator);
    for (int i = 1; i <= 7; ++i)
        r.add("file" + std::to_string(i) + ".ret");
    const RecentMenu m = r.menu();
    ASSERT_EQ(m.items.size(), 6u);
    EXPECT_TRUE(m.separator);
    EXPECT_EQ(m.items[0].label, "(1) file7.ret");
    EXPECT_EQ(m.items[5].label, "(6) file2.ret");
    const int ids[] = {602, 603, 604, 605, 606, 609};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m.items[i].id, ids[i]);
    ASSERT_NE(r.fileForCommand(609), nullptr);
    EXPECT_EQ(*r.fileForCommand(609), "file2.ret");
    EXPECT_EQ(r.fileForCommand(607), nullptr);
}

TEST(SettingsFile, MissingFileIsCreatedWithDefaults) {
    ScratchDir dir;
    const std::string path = dir.file("finance.dat");
    Settings s;
    EXPECT_EQ(loadSettings(s, path), 0);
    EXPECT_EQ(test::readBytes(path), "\n" + kDefaultLine + "\n\n\n\n\n\n");
}

TEST(SettingsFile, LoadRewritesAtOnceWithScenarioNumberNineAsZero) {
    ScratchDir dir;
    const std::string path = dir.file("finance.dat");
    test::writeBytes(path,
                     "last.ret\r\n  9.00   1.00   2.00   3.00   4.00   5.00   6.00   7.00 8\r\n"
                     "A.ret\r\nB.ret\r\n");
    Settings s;
    ASSERT_EQ(loadSettings(s, path), 1);
    EXPECT_EQ(s.lastScenario, "last.ret");
    EXPECT_FLOAT_EQ(s.scenarioNumber(), 0.0f);
    EXPECT_FLOAT_EQ(s.statisticsSeeds[10], 6.0f);
    EXPECT_EQ(s.reservedInteger, 8);
    EXPECT_EQ(s.recent.count(), 2);
    EXPECT_EQ(test::readBytes(path),
              "last.ret\n  0.00   1.00   2.00   3.00   4.00   5.00   6.00   7.00 8\n"
              "A.ret\nB.ret\n\n\n\n\n");
}

TEST(SettingsFile, SaveWritesOnlyRecentEntriesLongerThanOneCharacter) {
    ScratchDir dir;
    const std::string path = dir.file("finance.dat");
    Settings s;
    s.statisticsSeeds[4] = 3.0f;
    s.recent.entries = {"A.ret", "B", "C.ret", "", "", ""};
    saveSettings(s, "now.ret", path);
    EXPECT_EQ(test::readBytes(path),
              "now.ret\n  3.00  10.00 -10.00   0.00   0.00  10.00 -10.00   0.00 0\nA.ret\nC.ret\n");
}

TEST(SettingsFile, DamagedFilesLoadWithDefaultsForWhatIsMissing) {
    struct Case {
        const char* what;
        std::string content;
        std::string lastScenario;
        float scenarioNumber;
        int recentCount;
    };
    const std::string garbage("\x00\xff\x01\x80\n\x00\x00\n\xfe", 10);
    const Case cases[] = {
        {"only two lines", "a.ret\n  2.00\n", "a.ret", 2.0f, 0},
        {"empty file", "", "", 0.0f, 0},
        {"words for numbers", "a.ret\nabc\nR1.ret\n", "a.ret", 0.0f, 1},
        {"numbers then words", "a.ret\n4.5 1 x 2\n", "a.ret", 4.5f, 0},
        {"negative scenario number", "a.ret\n-3\n", "a.ret", 0.0f, 0},
        {"nan", "a.ret\nnan\n", "a.ret", 0.0f, 0},
        {"long line", std::string(100000, 'p') + "\n1\nR1.ret\n", std::string(4096, 'p'), 1.0f, 1},
        {"extra lines", "a.ret\n1\n1.ret\n2.ret\n3.ret\n4.ret\n5.ret\n6.ret\n7.ret\n", "a.ret",
         1.0f, 6},
        {"binary garbage", garbage, "", 0.0f, 1}, // "\xfe" is a one-character name
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("finance.dat");
        test::writeBytes(path, c.content);
        Settings s;
        s.recent.add("stale.ret");
        EXPECT_EQ(loadSettings(s, path), 1);
        EXPECT_EQ(s.lastScenario, c.lastScenario);
        EXPECT_FLOAT_EQ(s.scenarioNumber(), c.scenarioNumber);
        EXPECT_EQ(s.recent.count(), c.recentCount);
        // The rewritten file always has the full layout and loads again unchanged.
        Settings again;
        ASSERT_EQ(loadSettings(again, path), 1);
        EXPECT_EQ(again.lastScenario, s.lastScenario);
        EXPECT_EQ(settingsLine(again), settingsLine(s));
        EXPECT_EQ(again.recent.entries, s.recent.entries);
    }
}

// The four numbers read back from the file, in the order written.
std::vector<int> placementRead(const std::string& path) {
    const WindowPlacement p = loadPlacement(path);
    return {p.left, p.top, p.width, p.height};
}

TEST(WindowPlacement, FourLinesArePositionAndSize) {
    ScratchDir dir;
    const std::string path = dir.file("prefinf.dat");
    // No file: the default position, no size.
    EXPECT_EQ(placementRead(path), (std::vector<int>{100, 100, 0, 0}));

    savePlacement({12, -4, 800, 600}, path);
    EXPECT_EQ(test::readBytes(path), "12\n-4\n800\n600\n");
    EXPECT_EQ(placementRead(path), (std::vector<int>{12, -4, 800, 600}));

    // A file with the position only (as older versions read it), a line unreadable.
    test::writeBytes(path, "left\r\n250\r\n");
    EXPECT_EQ(placementRead(path), (std::vector<int>{100, 250, 0, 0}));
    test::writeBytes(path, "5\n6\nwide\n700\n");
    EXPECT_EQ(placementRead(path), (std::vector<int>{5, 6, 0, 700}));
}

} // namespace
} // namespace finplan
