// The scenario file: sizes, damaged files, group repair, Save, Save As, New and
// the save questions.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <bit>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>

#include "model/safe_copy.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

using test::readBytes;
using test::ScratchDir;
using test::writeBytes;

const char* const kInvalid = " doesn't seem to be a valid Korvel Financial Planner file.";

void setText(char* field, std::size_t width, const char* text) {
    std::memset(field, 0, width);
    std::strncpy(field, text, width - 1);
}

// A small plan: two accounts, a group and n events.
std::unique_ptr<Scenario> samplePlan(int events) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    setText(s->groups.groupName[0], kGroupNameWidth, "Stocks");
    s->groups.groupRandomMinRate[0] = -10.0f;
    s->groups.groupRandomMaxRate[0] = 20.0f;
    for (const char* name : {"Savings", "IRA"}) {
        Account& a = s->accounts.accounts[s->accounts.accountCount];
        setText(a.name, kAccountNameWidth, name);
        a.type = 2;
        a.initialAmount = 1000.0f;
        assignAccountId(*s);
    }
    for (int i = 0; i < events; ++i) {
        Event& e = s->events[s->eventCount];
        e = Event{};
        e.startAge = 40.0f + static_cast<float>(i);
        e.endAge = 60.0f;
        e.amount = 500.0f;
        setText(e.description, kDescriptionWidth, "event");
        e.kind = static_cast<int16_t>(EventKind::Withdrawal);
        ++s->eventCount;
    }
    return s;
}

std::string zeros(std::size_t n) {
    return std::string(n, '\0');
}

class ScenarioFileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    RecordingMessages messages;
    std::unique_ptr<Scenario> s = std::make_unique<Scenario>();
    ScenarioFiles files;
    // The session over the plan s holds now (some tests give s another plan).
    ScenarioSession& session() {
        if (!tracked || &tracked->scenario != s.get())
            tracked = std::make_unique<ScenarioSession>(*s);
        return *tracked;
    }

  private:
    std::unique_ptr<ScenarioSession> tracked;
};

TEST_F(ScenarioFileTest, FileWithoutEventsOpens) {
    const std::string path = dir.file("empty.ret");
    writeBytes(path, zeros(4944));
    const OpenResult r = openScenario(path, session(), files, messages);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(s->eventCount, 0);
    EXPECT_EQ(r.folder, FolderToShow::Summary);
    EXPECT_EQ(files.scenarioPath, path);
    EXPECT_EQ(files.windowTitle, "Financial Planner - " + path);
}

TEST_F(ScenarioFileTest, FileCutShortIsRefusedWithTheProgramsMessage) {
    // Two events: the account table would end at 80 + 320 + 4124; also cut the
    // header and an event record.
    for (std::size_t size : {80u + 320u + 4124u - 1u, 80u + 160u + 5u, 79u, 0u}) {
        SCOPED_TRACE(size);
        std::string bytes = zeros(size);
        if (size >= 2) bytes[0] = 2;
        const std::string path = dir.file("short.ret");
        writeBytes(path, bytes);
        auto previous = samplePlan(4);
        s = std::move(previous);
        messages.entries.clear();
        files = ScenarioFiles{};

        const OpenResult r = openScenario(path, session(), files, messages);
        EXPECT_FALSE(r.ok);
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, path + kInvalid);
        EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
        EXPECT_EQ(files.scenarioPath, "tmp01.ret");
        EXPECT_EQ(files.displayName, "tmp01.ret");
        EXPECT_EQ(files.windowTitle, "Financial Planner - tmp01.ret");
        EXPECT_EQ(s->eventCount, 0);
        EXPECT_EQ(s->accounts.accountCount, 0);
        EXPECT_EQ(s->initial.startAge, 30.0f);
        EXPECT_EQ(s->groups.groupName[0][0], 0);
    }
}

TEST_F(ScenarioFileTest, EventCountOutsideTheTableIsRefused) {
    for (int16_t count : {151, -1, 32767}) {
        SCOPED_TRACE(count);
        // Long enough for 151 events: only the count makes it invalid.
        std::string bytes = zeros(4944 + 160 * 151);
        bytes[0] = static_cast<char>(count & 0xFF);
        bytes[1] = static_cast<char>((count >> 8) & 0xFF);
        const std::string path = dir.file("count.ret");
        writeBytes(path, bytes);
        messages.entries.clear();
        files.displayName = path;
        EXPECT_FALSE(readScenario(*s, files, messages));
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, path + kInvalid);
        EXPECT_EQ(s->eventCount, 0);
    }
}

TEST_F(ScenarioFileTest, GroupBoundsAreRepairedOnLoad) {
    struct Row {
        float min, max, wantMin, wantMax;
    };
    const Row rows[] = {
        {150.0f, 20.0f, 0.0f, 20.0f},     // minimum out of range
        {30.0f, 20.0f, 0.0f, 0.0f},       // minimum above maximum
        {-50.0f, 100.0f, -50.0f, 100.0f}, // both ends allowed
        {-60.0f, -10.0f, 0.0f, 0.0f},     // repaired minimum 0 is above -10
        {5.0f, 101.0f, 0.0f, 0.0f},       // maximum out of range, then 5 > 0
    };
    for (const Row& row : rows) {
        auto plan = samplePlan(1);
        plan->groups.groupRandomMinRate[3] = row.min;
        plan->groups.groupRandomMaxRate[3] = row.max;
        files.scenarioPath = files.displayName = dir.file("groups.ret");
        ASSERT_TRUE(writeScenario(*plan, files, messages));
        ASSERT_TRUE(readScenario(*s, files, messages));
        EXPECT_EQ(s->groups.groupRandomMinRate[3], row.wantMin) << row.min << "/" << row.max;
        EXPECT_EQ(s->groups.groupRandomMaxRate[3], row.wantMax) << row.min << "/" << row.max;
        EXPECT_EQ(s->groups.groupRandomMaxRate[0], 20.0f);
    }
}

// A value that is no number where the program takes one refuses the file; the same
// bytes in a reserved field, an unused account slot or a run's working value do not,
// and travel unchanged. Large finite values load as they are.
TEST_F(ScenarioFileTest, NonFiniteValuesInUsedFieldsAreRefused) {
    auto plan = samplePlan(2); // two accounts in use, two events
    std::vector<uint8_t> good;
    encodeScenario(*plan, good);
    const std::size_t accounts = kInitialValuesSize + 2 * kEventSize + 2; // slot 0
    const std::size_t groups = kInitialValuesSize + 2 * kEventSize + kAccountTableSize;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        std::size_t at;
        float value;
        bool refused;
    };
    const Case cases[] = {
        {"start age NaN", 26, nan, true},
        {"end age -Inf", 30, -inf, true},
        {"tax rate +Inf", 48, inf, true},
        {"event 0 start age NaN", kInitialValuesSize + 2, nan, true},
        {"event 1 amount +Inf", kInitialValuesSize + kEventSize + 18, inf, true},
        {"account 1 rate NaN", accounts + kAccountSize + 46, nan, true},
        {"account 0 initial amount -Inf", accounts + 42, -inf, true},
        {"group 4 minimum NaN", groups + 210 + 16, nan, true},
        {"group 9 maximum +Inf", groups + 250 + 36, inf, true},
        {"reserved field NaN", 2, nan, false},
        {"unused account slot NaN", accounts + 49 * kAccountSize + 42, nan, false},
        {"account balance +Inf (set by a run)", accounts + 34, inf, false},
        {"event asset value NaN (set by a run)", kInitialValuesSize + 28, nan, false},
        {"start age 1e10", 26, 1e10f, true},
        {"start age -10000000000", 26, -1e10f, true},
        {"start age -1.5", 26, -1.5f, true},
        {"end age 200.5", 30, 200.5f, true},
        {"end age 200", 30, 200.0f, false},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        const uint32_t v = std::bit_cast<uint32_t>(c.value);
        for (int i = 0; i < 4; ++i)
            bytes[c.at + i] = static_cast<uint8_t>(v >> (8 * i));
        const std::string path = dir.file("damaged.ret");
        writeBytes(path, std::string(bytes.begin(), bytes.end()));
        files.displayName = path;
        messages.entries.clear();
        const bool loaded = readScenario(*s, files, messages);
        EXPECT_EQ(loaded, !c.refused) << c.what;
        if (c.refused) {
            ASSERT_EQ(messages.entries.size(), 1u) << c.what;
            EXPECT_EQ(messages.entries[0].text, path + kInvalid) << c.what;
            EXPECT_EQ(s->eventCount, 0) << c.what;
        } else {
            std::vector<uint8_t> again;
            encodeScenario(*s, again);
            EXPECT_EQ(again, bytes) << c.what;
        }
    }
}

// Both accounts of the sample hold the largest amount a file can hold: the total of
// their type, saved with the scenario, stays the largest float instead of becoming
// infinite, so the saved file opens again.
TEST_F(ScenarioFileTest, TotalsBeyondTheLargestAmountStillSaveAFileThatOpens) {
    auto plan = samplePlan(1);
    const float largest = std::numeric_limits<float>::max();
    plan->accounts.accounts[0].initialAmount = largest;
    plan->accounts.accounts[1].initialAmount = largest;
    plan->accounts.accounts[0].rate = largest;
    plan->accounts.accounts[1].rate = largest;
    recomputeTotals(*plan);
    EXPECT_EQ(plan->initial.initialInvestmentSavings, largest);
    EXPECT_EQ(plan->initial.avgInvestmentSavingsRate, largest / 2);

    std::vector<uint8_t> bytes;
    encodeScenario(*plan, bytes);
    ASSERT_EQ(decodeScenario(bytes, *s), DecodeResult::Ok);
    EXPECT_EQ(s->initial.initialInvestmentSavings, largest);
}

TEST_F(ScenarioFileTest, SaveWritesTheDocumentedSizeAndIsRepeatable) {
    auto plan = samplePlan(3);
    files.scenarioPath = files.displayName = dir.file("three.ret");
    ScenarioSession plannedSession(*plan);
    plannedSession.changed(ScenarioChange::EventStored);
    plannedSession.changed(ScenarioChange::AccountEdited);
    ASSERT_TRUE(saveScenario(plannedSession, files, messages));
    const std::string first = readBytes(files.scenarioPath);
    EXPECT_EQ(first.size(), 5424u);
    EXPECT_EQ(first[0], 3);
    EXPECT_FALSE(plannedSession.accountsModified());
    EXPECT_TRUE(plannedSession.scenarioModified()); // only Save As and Open clear it
    ASSERT_TRUE(writeScenario(*plan, files, messages));
    EXPECT_EQ(readBytes(files.scenarioPath), first);

    // Read back and written again under another name: the same bytes.
    ASSERT_TRUE(openScenario(files.scenarioPath, session(), files, messages).ok);
    EXPECT_EQ(s->eventCount, 3);
    files.scenarioPath = dir.file("copy.ret");
    ASSERT_TRUE(writeScenario(*s, files, messages));
    EXPECT_EQ(readBytes(files.scenarioPath), first);
    // No temporary files are left beside the target.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.file("")))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST_F(ScenarioFileTest, OpenSortsEventsAndShowsTheScenarioFolder) {
    auto plan = samplePlan(2);
    plan->events[0].startAge = 70.0f; // out of list order on disk
    files.scenarioPath = files.displayName = dir.file("unsorted.ret");
    ASSERT_TRUE(writeScenario(*plan, files, messages));
    files.displayName = "previous.ret";
    session().changed(ScenarioChange::EventStored);
    session().changed(ScenarioChange::RunCompleted);
    const OpenResult r = openScenario(dir.file("unsorted.ret"), session(), files, messages);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.folder, FolderToShow::Scenario);
    EXPECT_TRUE(r.closeEditors);
    EXPECT_EQ(r.previousDisplayName, "previous.ret");
    EXPECT_EQ(s->events[0].startAge, 41.0f);
    EXPECT_EQ(s->events[1].startAge, 70.0f);
    EXPECT_FALSE(session().scenarioModified());
    EXPECT_TRUE(session().resultsStale());
}

// A copy left by an interrupted save: Open says so and asks; No opens the file as it is
// and keeps the copy, Yes puts the copy's plan back and opens that.
TEST_F(ScenarioFileTest, OpenOffersToRestoreAnInterruptedSave) {
    const std::string path = dir.file("plan.ret");
    auto saved = samplePlan(3);
    files.scenarioPath = files.displayName = path;
    ASSERT_TRUE(writeScenario(*saved, files, messages));
    std::string whole = readBytes(path);
    writeBytes(path, whole.substr(0, 300) + zeros(whole.size() - 300)); // half written
    WriteTarget t;
    ASSERT_TRUE(resolveWriteTarget(path, t));
    std::string copy;
    const auto* bytes = reinterpret_cast<const uint8_t*>(whole.data());
    ASSERT_TRUE(keepSafeCopy(t, {bytes, whole.size()}, copy));

    for (const bool restore : {false, true}) {
        SCOPED_TRACE(restore);
        messages.entries.clear();
        messages.answers = {restore};
        openScenario(path, session(), files, messages);
        ASSERT_FALSE(messages.entries.empty());
        EXPECT_TRUE(messages.entries[0].question);
        EXPECT_EQ(messages.entries[0].text,
                  "The last save of " + path +
                      " was interrupted, so the file may be incomplete. What it was saving is "
                      "kept in " +
                      copy + ".\nDo you wish to restore it?");
        EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
        EXPECT_EQ(findSafeCopy(path).has_value(), !restore);
    }
    EXPECT_EQ(readBytes(path), whole);
    EXPECT_EQ(s->eventCount, 3);
    EXPECT_EQ(s->accounts.accountCount, 2);
}

// Another program rewrote the open file (a new file in its place, or the same file
// written over): Save asks before replacing it; No keeps the other program's file.
TEST_F(ScenarioFileTest, SaveAsksBeforeReplacingAFileChangedByAnotherProgram) {
    const std::string path = dir.file("plan.ret");
    auto plan = samplePlan(1);
    files.scenarioPath = files.displayName = path;
    ASSERT_TRUE(writeScenario(*plan, files, messages));
    ASSERT_TRUE(openScenario(path, session(), files, messages).ok);
    ASSERT_TRUE(writeScenario(*s, files, messages)); // our own save changes nothing here
    EXPECT_TRUE(messages.entries.empty());

    const std::string theirs = readBytes(path) + "x";
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced);
        if (replaced) {
            std::filesystem::remove(path);
            writeBytes(path, theirs);
        } else {
            std::ofstream(path, std::ios::binary | std::ios::app) << "x";
        }
        messages.entries.clear();
        messages.answers = {false};
        EXPECT_FALSE(writeScenario(*s, files, messages));
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text,
                  path + " was changed by another program since you opened it. Replace it?");
        EXPECT_EQ(readBytes(path), theirs);
        messages.answers = {true};
        EXPECT_TRUE(writeScenario(*s, files, messages));
        EXPECT_EQ(readBytes(path).size(), 4944u + 160u);
    }
}

TEST_F(ScenarioFileTest, OpenOfAMissingFileLeavesTheScenario) {
    s = samplePlan(2);
    files.scenarioPath = files.displayName = "current.ret";
    const OpenResult r = openScenario(dir.file("missing.ret"), session(), files, messages);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(files.windowTitle, "Financial Planner");
    EXPECT_EQ(files.scenarioPath, "current.ret");
    EXPECT_EQ(s->eventCount, 2);
}

TEST_F(ScenarioFileTest, NewScenarioFileHoldsNoGroupTableAndOpens) {
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.file(""));
    resetScenario(*s);
    s->eventCount = 0;
    EXPECT_TRUE(createNewScenarioFile(*s, files, messages, 0));
    EXPECT_EQ(files.scenarioPath, "./temp01.ret");
    EXPECT_EQ(files.displayName, "./temp01.ret");
    EXPECT_EQ(files.windowTitle, "Financial Planner - ./temp01.ret");
    EXPECT_EQ(readBytes("temp01.ret").size(), 4204u);
    // An existing file is reused without a question.
    EXPECT_TRUE(createNewScenarioFile(*s, files, messages, 3));
    EXPECT_TRUE(createNewScenarioFile(*s, files, messages, 3));
    EXPECT_EQ(files.scenarioPath, "./temp31.ret");
    EXPECT_TRUE(messages.entries.empty());

    auto loaded = samplePlan(1);
    ScenarioSession opened(*loaded);
    const OpenResult r = openScenario("./temp01.ret", opened, files, messages);
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(loaded->eventCount, 0);
    EXPECT_FALSE(loaded->groups.exists(0));
}

// (The save question before New is the shell's: tests/shell/logic.)
TEST_F(ScenarioFileTest, NewStartsEmptyKeepingTheGroupBounds) {
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.file(""));
    s = samplePlan(2);
    s->groups.groupRandomMaxRate[0] = 20.0f;
    files.scenarioPath = files.displayName = "changed.ret";
    session().changed(ScenarioChange::EventStored);
    const bool ok = startNewScenario(session(), files, messages, 0);
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(s->eventCount, 0);
    EXPECT_EQ(s->accounts.accountCount, 0);
    EXPECT_FALSE(session().scenarioModified());
    EXPECT_EQ(s->groups.groupRandomMaxRate[0], 20.0f);
    EXPECT_EQ(files.displayName, "./temp01.ret");
}

TEST_F(ScenarioFileTest, SaveAsAsksBeforeOverwriting) {
    const std::string target = dir.file("exists.ret");
    writeBytes(target, "keep me");
    s = samplePlan(1);
    files.scenarioPath = files.displayName = "old.ret";
    session().changed(ScenarioChange::EventStored);

    messages.answers = {false};
    SaveAsResult r = saveScenarioAs(target, session(), files, messages);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, target + " exits - Overwrite anyway?");
    EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
    EXPECT_TRUE(messages.entries[0].question);
    EXPECT_EQ(readBytes(target), "keep me");
    EXPECT_EQ(files.displayName, "old.ret");
    EXPECT_TRUE(session().scenarioModified());

    messages.answers = {true};
    r = saveScenarioAs(target, session(), files, messages);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.previousDisplayName, "old.ret");
    EXPECT_EQ(readBytes(target).size(), 5104u);
    EXPECT_EQ(files.scenarioPath, target);
    EXPECT_FALSE(session().scenarioModified());

    // A new name needs no question.
    messages.entries.clear();
    EXPECT_TRUE(saveScenarioAs(dir.file("fresh.ret"), session(), files, messages).ok);
    EXPECT_TRUE(messages.entries.empty());
}

// A save that runs out of room (file size limit) must leave the old file whole.
TEST_F(ScenarioFileTest, FailedSaveKeepsTheOldFile) {
    const std::string target = dir.file("plan.ret");
    auto small = samplePlan(0);
    files.scenarioPath = files.displayName = target;
    ASSERT_TRUE(writeScenario(*small, files, messages));
    const std::string before = readBytes(target);

    auto big = samplePlan(100);
    ScenarioSession bigSession(*big);
    bigSession.changed(ScenarioChange::AccountEdited);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 6000;
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool ok = saveScenario(bigSession, files, messages);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Cannot open file!\nFile too large");
    EXPECT_EQ(messages.entries[0].title, "FILE ERROR");
    EXPECT_TRUE(bigSession.accountsModified());
    EXPECT_EQ(readBytes(target), before);
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.file("")))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// A Save As whose write fails keeps the old names, so the unwritten file is neither
// saved at exit nor reopened at the next start, and leaves no empty file behind.
TEST_F(ScenarioFileTest, FailedSaveAsKeepsTheOldNames) {
    s = samplePlan(100);
    files.scenarioPath = files.displayName = "old.ret";
    session().changed(ScenarioChange::EventStored);
    const std::string target = dir.file("new.ret");

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 6000;
    setrlimit(RLIMIT_FSIZE, &tight);
    const SaveAsResult r = saveScenarioAs(target, session(), files, messages);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(r.ok);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Cannot open file!\nFile too large");
    EXPECT_EQ(files.displayName, "old.ret");
    EXPECT_EQ(files.scenarioPath, "old.ret");
    EXPECT_TRUE(session().scenarioModified());
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(ScenarioFileTest, SaveQuestionIsAskedWhenEventsOrAccountsChanged) {
    s = samplePlan(1);
    files.scenarioPath = files.displayName = dir.file("asked.ret");
    const auto save = [&] { return saveScenario(session(), files, messages); };

    askToSaveChanges(session(), files, messages, save);
    EXPECT_TRUE(messages.entries.empty());

    session().changed(ScenarioChange::EventStored);
    messages.answers = {false};
    askToSaveChanges(session(), files, messages, save);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Do you wish to save the file " + files.scenarioPath + "?");
    EXPECT_EQ(messages.entries[0].title, "Korvel Financial Planner");
    EXPECT_FALSE(std::filesystem::exists(files.scenarioPath));

    // Changed accounts alone are asked about too, and Yes saves them.
    session().changed(ScenarioChange::SavedAs);
    session().changed(ScenarioChange::AccountEdited);
    messages.answers = {true};
    askToSaveChanges(session(), files, messages, save);
    EXPECT_EQ(messages.entries.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(files.scenarioPath));
    EXPECT_FALSE(session().accountsModified());
}

} // namespace
} // namespace finplan
