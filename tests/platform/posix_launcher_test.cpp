// Starting separate programs: "calc.exe" maps to a desktop calculator on PATH; the graph
// viewer, the comparison program and the trade-off grapher map to our own programs,
// beside the planner first, then on PATH; a program that is nowhere fails; a real one
// starts without a shell.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/posix_launcher.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

namespace fs = std::filesystem;

class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::freshTempFolder();
        fs::create_directories(dir / "empty");
        oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (dir / "empty").c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath.c_str(), 1);
        fs::remove_all(dir);
    }
    // A stand-in program that notes how it was started in started-NAME beside itself
    // (shell built-ins only: PATH holds nothing else here).
    void addProgram(const fs::path& folder, const std::string& name) {
        fs::create_directories(folder);
        std::ofstream(folder / name)
            << "#!/bin/sh\necho \"$0 $*\" > '" << (folder / ("started-" + name)).string() << "'\n";
        fs::permissions(folder / name, fs::perms::owner_all);
    }
    // What the stand-in wrote, once it has run (waits up to ten seconds).
    static std::string startedLine(const fs::path& folder, const std::string& name) {
        std::string line;
        for (int i = 0; i < 1000 && line.empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::ifstream in(folder / ("started-" + name));
            std::getline(in, line);
        }
        return line;
    }

    fs::path dir;
    std::string oldPath;
};

TEST_F(LauncherTest, CalcMapsToAnInstalledDesktopCalculatorOrNothing) {
    EXPECT_TRUE(resolveCommand({"calc.exe"}).empty());
    EXPECT_FALSE(PosixLauncher(dir.string()).launch({"calc.exe"}));
    addProgram(dir / "empty", "galculator");
    EXPECT_EQ(resolveCommand({"calc.exe"}), std::vector<std::string>{"galculator"});
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_TRUE(PosixLauncher().launch({"true", "ignored argument"}));
}

TEST_F(LauncherTest, OurViewersBesideThePlannerStartWithTheFileTheyAreGiven) {
    const fs::path bin = dir / "bin";
    for (const char* name : {"finplan-plot", "finplan-compare", "finplan-tradeoff"})
        addProgram(bin, name);
    PosixLauncher launcher(bin.string());
    ASSERT_TRUE(launcher.launch({"kvplot3.exe", "plotinf01.tmp"}));
    ASSERT_TRUE(launcher.launch({"didaza.exe", "plotinf01.tmp"}));
    ASSERT_TRUE(launcher.launch({"rezirud.exe", "trade.tmp"}));
    EXPECT_EQ(startedLine(bin, "finplan-plot"), (bin / "finplan-plot").string() + " plotinf01.tmp");
    EXPECT_EQ(startedLine(bin, "finplan-compare"),
              (bin / "finplan-compare").string() + " plotinf01.tmp");
    EXPECT_EQ(startedLine(bin, "finplan-tradeoff"),
              (bin / "finplan-tradeoff").string() + " trade.tmp");
}

TEST_F(LauncherTest, OurViewersOnPathWhenNotBesideThePlannerAndNothingWhenNowhere) {
    // Nowhere: nothing is started, so the planner tells the user.
    EXPECT_TRUE(resolveCommand({"kvplot3.exe", "plotinf01.tmp"}, dir.string()).empty());
    EXPECT_FALSE(PosixLauncher(dir.string()).launch({"kvplot3.exe", "plotinf01.tmp"}));
    EXPECT_FALSE(PosixLauncher(dir.string()).launch({"rezirud.exe", "trade.tmp"}));
    // On PATH only: started by name, the arguments kept.
    addProgram(dir / "empty", "finplan-compare");
    EXPECT_EQ(resolveCommand({"didaza.exe", "plotinf01.tmp"}, dir.string()),
              (std::vector<std::string>{"finplan-compare", "plotinf01.tmp"}));
    // Beside the planner wins over PATH.
    addProgram(dir / "bin", "finplan-compare");
    EXPECT_EQ(resolveCommand({"didaza.exe", "x.kvp"}, (dir / "bin").string()),
              (std::vector<std::string>{(dir / "bin" / "finplan-compare").string(), "x.kvp"}));
    // Other programs are started as they are named.
    EXPECT_EQ(resolveCommand({"other", "a"}), (std::vector<std::string>{"other", "a"}));
}

TEST(Launcher, TheRunningProgramsFolderIsThisTestsFolder) {
    EXPECT_TRUE(fs::exists(fs::path(PosixLauncher::runningProgramDir()) / "platform_tests"));
}

} // namespace
} // namespace finplan
