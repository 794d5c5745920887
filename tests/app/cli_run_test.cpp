// finplan run and finplan describe, through the built program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "graphs/plot_file_reader.h"
#include "model/scenario_file.h"
#include "platform/recording_messages.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"
#include "text/format.h"

extern char** environ;

namespace finplan::test {
namespace {

// Each test works in a folder of its own: every run writes its plot file into the
// working folder.
std::string testDir() {
    const std::string dir =
        std::string("cli_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    mkdir(dir.c_str(), 0755);
    return dir + "/";
}

// Runs finplan in dir with args, standard output and error to files (paths relative
// to dir); the exit status.
int runFinplan(const std::string& dir, std::vector<std::string> args, const std::string& out,
               const std::string& err) {
    args.insert(args.begin(), FINPLAN_EXE);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeWorkedScenario(const std::string& path) {
    auto s = newScenario(60, 62, 20);
    addAccount(*s, "Savings", kInvestment, 100000.0f, 5.0f, "1");
    addEvent(*s, EventKind::Withdrawal, "Spending", 60, 61, 10000.0f);
    recomputeTotals(*s);
    ScenarioFiles files;
    files.scenarioPath = path;
    RecordingMessages messages;
    ASSERT_TRUE(writeScenario(*s, files, messages));
}

TEST(FinplanRun, WorkedScenarioPrintsItsSavedResults) {
    const std::string d = testDir();
    writeWorkedScenario(d + "cli_worked.ret");
    ASSERT_EQ(runFinplan(d, {"run", "cli_worked.ret"}, "cli_out.txt", "cli_err.txt"), 0)
        << readBytes(d + "cli_err.txt");
    const std::string z = "$0.00";
    std::string expected = " 60.0 Initial Rates  Tax=20.00% Inflation=4.00%\n"
                           " 60.0 Spending - Withdraw $10,000.00/yr. until age 61.00.\n";
    for (const std::string& l : std::vector<std::string>{
             dashes(184),
             ageRow("60.0",
                    {"$100,000.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$100,000.00"}),
             dashes(185), "Financial Events:", "  Spending - Withdraw $10,000.00",
             "  Pay $900.00 Tax On Savings Interest", dashes(184),
             ageRow("61.0",
                    {"$93,600.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$93,600.00"}),
             dashes(185), "Financial Events:", "  Spending - Withdraw $10,000.00",
             "  Pay $836.00 Tax On Savings Interest", dashes(175),
             ageRow("62.0",
                    {"$86,944.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$86,944.00"}),
             dashes(175)})
        expected += l + "\n";
    EXPECT_EQ(readBytes(d + "cli_out.txt"), expected);
    EXPECT_NE(readBytes(d + "plotinf01.tmp").find("Done\n"), std::string::npos);

    // --out, --plot and --export write their files.
    ASSERT_EQ(runFinplan(d,
                         {"run", "cli_worked.ret", "--out", "cli_worked.sch", "--plot",
                          "cli_worked.kvp", "--export", "cli_worked.kve"},
                         "cli_out2.txt", "cli_err.txt"),
              0);
    EXPECT_EQ(readBytes(d + "cli_worked.sch"), expected);
    EXPECT_EQ(readBytes(d + "cli_out2.txt"), "");
    const std::string kvp = readBytes(d + "cli_worked.kvp");
    EXPECT_EQ(kvp.substr(kvp.size() - 5), "\nDone");
    EXPECT_EQ(readBytes(d + "cli_worked.kve").substr(0, 25), "Age\tSavings\tEquity\tTotal\n");
}

TEST(FinplanRun, SameSeedSameSchedule) {
    const std::string d = testDir();
    writeWorkedScenario(d + "cli_seeded.ret");
    ASSERT_EQ(
        runFinplan(d, {"run", "cli_seeded.ret", "--random", "accounts", "--seed", "5", "--details"},
                   "seed_a.txt", "seed_err.txt"),
        0);
    ASSERT_EQ(
        runFinplan(d, {"run", "cli_seeded.ret", "--random", "accounts", "--seed", "5", "--details"},
                   "seed_b.txt", "seed_err.txt"),
        0);
    EXPECT_EQ(readBytes(d + "seed_a.txt"), readBytes(d + "seed_b.txt"));
    EXPECT_NE(readBytes(d + "seed_a.txt").find("Account random interest rates in effect."),
              std::string::npos);
}

TEST(FinplanRun, UnreadableFileFails) {
    const std::string d = testDir();
    EXPECT_EQ(runFinplan(d, {"run", "no_such_scenario.ret"}, "bad_out.txt", "bad_err.txt"), 1);
    EXPECT_EQ(readBytes(d + "bad_out.txt"), "");
    EXPECT_FALSE(readBytes(d + "bad_err.txt").empty());
}

TEST(FinplanDescribe, PrintsTheEventList) {
    const std::string d = testDir();
    writeWorkedScenario(d + "cli_describe.ret");
    ASSERT_EQ(runFinplan(d, {"describe", "cli_describe.ret"}, "describe.txt", "describe_err.txt"),
              0);
    EXPECT_EQ(readBytes(d + "describe.txt"),
              " 60.0 Initial Rates  Tax=20.00% Inflation=4.00%\n"
              " 60.0 Spending - Withdraw $10,000.00/yr. until age 61.00.\n");
}

// Names holding a set-title and a clear-screen sequence and a line feed, in a file
// whose own name holds an escape: every command's output and every file a run writes
// shows them as "?", and our plot reader takes the plot file back.
TEST(FinplanOutputs, ControlCharactersInNamesNeverLeaveAsControls) {
    const std::string d = testDir();
    auto s = newScenario(60, 62, 20);
    addAccount(*s, "\x1b]0;pwned\x07Savings", kInvestment, 100000.0f, 5.0f, "1").groupIndex = 0;
    std::strcpy(s->groups.groupName[0], "\x1b[2JStocks");
    addEvent(*s, EventKind::Withdrawal, "a\nb", 60, 61, 10000.0f);
    addEvent(*s, EventKind::Deposit, "Pay\x9b", 61, 61, 500.0f).toAccountId = 1;
    recomputeTotals(*s);
    const std::string name = "bad\x1b[2Jname.ret";
    ScenarioFiles files;
    files.scenarioPath = d + name;
    RecordingMessages messages;
    ASSERT_TRUE(writeScenario(*s, files, messages));

    const std::vector<std::vector<std::string>> commands = {
        {"run", name, "--details", "--accounts"},
        {"run", name, "--out", "c.sch", "--plot", "c.kvp", "--export", "c.kve"},
        {"info", name},
        {"accounts", name},
        {"describe", name},
    };
    const auto controls = [](const std::string& text, const std::string& allowed) {
        std::string found;
        for (char c : text)
            if ((static_cast<unsigned char>(c) < 0x20 || c == 0x7f) &&
                allowed.find(c) == std::string::npos)
                found += format("\\x%02x ", static_cast<unsigned char>(c));
        return found;
    };
    for (const auto& args : commands) {
        ASSERT_EQ(runFinplan(d, args, "out.txt", "err.txt"), 0)
            << args[0] << readBytes(d + "err.txt");
        const std::string out = readBytes(d + "out.txt");
        EXPECT_EQ(controls(out + readBytes(d + "err.txt"), "\n"), "") << args[0] << ":\n" << out;
        // (the run with --out writes nothing to standard output)
        EXPECT_TRUE(out.empty() || out.find('?') != std::string::npos) << args[0] << ":\n" << out;
    }
    EXPECT_EQ(controls(readBytes(d + "c.sch"), "\n"), "");
    EXPECT_EQ(controls(readBytes(d + "c.kvp"), "\n"), "");
    EXPECT_EQ(controls(readBytes(d + "c.kve"), "\n\t"), "");
    EXPECT_NE(readBytes(d + "c.sch").find("  a?b - Withdraw"), std::string::npos);

    PlotFileContents plot;
    ASSERT_EQ(readPlotFile(d + "c.kvp", plot), "");
    EXPECT_EQ(plot.series->fileText, "bad?[2Jname.ret");
    EXPECT_EQ(plot.series->accountNames[0], "?]0;pwned?Savings");
    EXPECT_EQ(std::string(fieldText(plot.scenario->groups.groupName[0])), "?[2JStocks");
}

// Two programs updating one scenario at once, 25 updates each, each to an account of
// its own: every update is in the file at the end.
TEST(FinplanImport, ConcurrentUpdatesAreNotLost) {
    const std::string d = testDir();
    constexpr int kUpdates = 50;
    {
        auto s = newScenario(60, 62, 20);
        char name[16];
        for (int k = 1; k <= kUpdates; ++k) {
            std::snprintf(name, sizeof name, "Account %02d", k);
            addAccount(*s, name, kInvestment, 0.0f, 5.0f, "1");
            std::ofstream(d + "update" + std::to_string(k) + ".kvi")
                << name << "\t" << k << ".00\n";
        }
        ScenarioFiles files;
        files.scenarioPath = d + "shared.ret";
        RecordingMessages messages;
        ASSERT_TRUE(writeScenario(*s, files, messages));
    }
    std::vector<pid_t> updaters;
    for (const int first : {1, 1 + kUpdates / 2}) {
        const pid_t pid = fork();
        if (pid == 0) {
            int failed = 0;
            for (int k = first; k < first + kUpdates / 2; ++k)
                failed += runFinplan(d,
                                     {"import-accounts", "shared.ret",
                                      "update" + std::to_string(k) + ".kvi", "--update"},
                                     "/dev/null", "/dev/null") != 0;
            _exit(failed);
        }
        updaters.push_back(pid);
    }
    for (const pid_t pid : updaters) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    auto s = std::make_unique<Scenario>();
    ScenarioFiles files;
    files.displayName = d + "shared.ret";
    RecordingMessages messages;
    ASSERT_TRUE(readScenario(*s, files, messages));
    ASSERT_EQ(s->accounts.accountCount, kUpdates);
    int lost = 0;
    for (int i = 0; i < kUpdates; ++i) {
        const Account& a = s->accounts.accounts[i];
        lost += a.initialAmount != static_cast<float>(std::atoi(a.name + 8));
    }
    EXPECT_EQ(lost, 0);
}

} // namespace
} // namespace finplan::test
