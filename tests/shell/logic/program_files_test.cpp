// The planner's command line, the files it ships with and the folder it works in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "shell/logic/planner_command_line.h"
#include "shell/logic/program_files.h"

namespace finplan {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the test's temporary folder, removed afterwards; the working
// folder is put back as well.
struct Scratch {
    Scratch()
        : root(fs::temp_directory_path() / ("program-files-" + std::to_string(::getpid()))),
          oldDir(fs::current_path()) {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    ~Scratch() {
        fs::current_path(oldDir);
        fs::remove_all(root);
    }
    void touch(const fs::path& p) {
        fs::create_directories((root / p).parent_path());
        std::ofstream(root / p) << "x";
    }
    fs::path root;
    fs::path oldDir;
};

TEST(ProgramFiles, FoundBesideTheProgramOrInTheInstalledShareFolder) {
    Scratch s;
    const std::string bin = (s.root / "bin").string();
    fs::create_directories(bin);
    EXPECT_EQ(findProgramFile(bin, "finance.hlp"), "");
    // Installed: prefix/bin/finplanner and prefix/share/finplanner/finance.hlp.
    s.touch("share/finplanner/finance.hlp");
    EXPECT_EQ(findProgramFile(bin, "finance.hlp"),
              (s.root / "share" / "finplanner" / "finance.hlp").string());
    // A build folder: the copy beside the program comes first.
    s.touch("bin/finance.hlp");
    EXPECT_EQ(findProgramFile(bin, "finance.hlp"), (s.root / "bin" / "finance.hlp").string());
    // A folder of that name is not the file; no program folder finds nothing.
    fs::create_directories(s.root / "bin" / "example.ret");
    EXPECT_EQ(findProgramFile(bin, "example.ret"), "");
    EXPECT_EQ(findProgramFile("", "finance.hlp"), "");
}

TEST(ProgramFiles, DesktopStartsWorkInTheUsersDataFolder) {
    EXPECT_EQ(desktopDataFolder("/home/ann/data", "/home/ann"), "/home/ann/data/finplanner/plans");
    // Unset, empty or relative XDG_DATA_HOME: the default under the home folder.
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "data"})
        EXPECT_EQ(desktopDataFolder(unusable, "/home/ann"),
                  "/home/ann/.local/share/finplanner/plans");
    EXPECT_EQ(desktopDataFolder(nullptr, nullptr), "");
    EXPECT_EQ(desktopDataFolder(nullptr, ""), "");

    Scratch s;
    const fs::path folder = s.root / "xdg" / "finplanner";
    EXPECT_EQ(enterFolder(folder.string()), "");
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(enterFolder(folder.string()), ""); // already there
    // Under a file no folder can be made: a message, and the working folder stays.
    s.touch("plain");
    EXPECT_NE(enterFolder((s.root / "plain" / "finplanner").string()), "");
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_NE(enterFolder(""), "");
}

TEST(PlannerCommandLine, OptionsFileAndErrors) {
    PlannerCommandLine c = parsePlannerCommandLine({"finplanner", "IDON"});
    EXPECT_TRUE(c.idColumn);
    EXPECT_EQ(c.scenario, "");
    // "IDON" counts only alone.
    c = parsePlannerCommandLine({"finplanner", "IDON", "/plans/a.ret"});
    EXPECT_FALSE(c.idColumn);
    EXPECT_EQ(c.scenario, "/plans/a.ret");

    c = parsePlannerCommandLine({"finplanner", "--desktop", "--grab", "shots", "/a/../b.ret"});
    EXPECT_TRUE(c.desktop);
    EXPECT_EQ(c.grabDir, "shots");
    EXPECT_EQ(c.scenario, "/b.ret");
    EXPECT_EQ(c.error, "");
    // A relative file is taken from the folder the planner was started in.
    c = parsePlannerCommandLine({"finplanner", "plan.ret"});
    EXPECT_EQ(c.scenario, (fs::current_path() / "plan.ret").string());

    EXPECT_TRUE(parsePlannerCommandLine({"finplanner", "--help"}).help);
    EXPECT_TRUE(parsePlannerCommandLine({"finplanner", "-h"}).help);
    EXPECT_TRUE(parsePlannerCommandLine({"finplanner", "--version"}).version);
    EXPECT_EQ(parsePlannerCommandLine({"finplanner", "--colour"}).error,
              "unrecognized option '--colour'");
    EXPECT_EQ(parsePlannerCommandLine({"finplanner", "--grab"}).error,
              "option '--grab' needs a folder");
    // Qt's one-dash options are not errors.
    EXPECT_EQ(parsePlannerCommandLine({"finplanner", "-style", "-reverse"}).error, "");

    EXPECT_EQ(plannerUsageError("unrecognized option '--colour'"),
              "finplanner: unrecognized option '--colour'\n"
              "Try 'finplanner --help' for more information.\n");
    EXPECT_EQ(plannerVersion("0.1"), "finplanner 0.1\n");
    const std::string usage = plannerUsage("/usr/share/finplanner/finance.hlp");
    EXPECT_EQ(usage.rfind("Usage: finplanner [OPTION]... [FILE.ret]\n", 0), 0u);
    EXPECT_NE(usage.find("Help file: /usr/share/finplanner/finance.hlp\n"), std::string::npos);
    EXPECT_NE(plannerUsage("").find("Help file: not found\n"), std::string::npos);
}

} // namespace
} // namespace finplan
