#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "files_test_support.h"
#include "model/account_commands.h"
#include "model/accounts_file.h"
#include "model/record_io.h"
#include "model/safe_copy.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "platform/scripted_file_chooser.h"

namespace finplan {
namespace {

using test::ScratchDir;

std::vector<uint8_t> bytesOf(const AccountTable& t) {
    std::vector<uint8_t> out;
    writeAccountTable(t, out);
    return out;
}

AccountTable sampleTable() {
    AccountTable t;
    t.accountCount = 2;
    std::strcpy(t.accounts[0].name, "Checking");
    t.accounts[0].initialAmount = 1234.5f;
    t.accounts[0].id = 7;
    std::strcpy(t.accounts[1].name, "IRA");
    t.accounts[1].type = static_cast<int16_t>(AccountType::RetirementSavings);
    t.accounts[1].id = 9;
    std::strcpy(t.accounts[2].name, "left in an unused slot");
    t.nextAccountId = 77;
    t.reserved[5] = 0xAB;
    return t;
}

TEST(AccountsFile, WriteThenReadGivesTheSameTable) {
    ScratchDir dir;
    const std::string path = dir.file("a.acc");
    RecordingMessages messages;
    const AccountTable t = sampleTable();
    ASSERT_EQ(writeAccountsFile(t, path, messages), 1);
    EXPECT_EQ(test::readBytes(path).size(), 4124u);

    AccountTable back;
    ASSERT_EQ(readAccountsFile(back, path, messages), 1);
    EXPECT_EQ(bytesOf(back), bytesOf(t));
    EXPECT_TRUE(messages.entries.empty());
}

// A copy left by an interrupted save of the accounts file: Read Accounts asks as Open
// does; No reads the file as it is and keeps the copy, Yes reads the copy's table.
TEST(AccountsFile, ReadOffersToRestoreAnInterruptedSave) {
    ScratchDir dir;
    const std::string path = dir.file("a.acc");
    RecordingMessages messages;
    const std::vector<uint8_t> whole = bytesOf(sampleTable());
    test::writeBytes(path, std::string(whole.size(), '\0')); // written over, never finished
    WriteTarget t;
    ASSERT_TRUE(resolveWriteTarget(path, t));
    std::string copy;
    ASSERT_TRUE(keepSafeCopy(t, whole, copy));

    for (const bool restore : {false, true}) {
        SCOPED_TRACE(restore);
        messages.entries.clear();
        messages.answers = {restore};
        AccountTable read;
        readAccountsFile(read, path, messages);
        ASSERT_FALSE(messages.entries.empty());
        EXPECT_TRUE(messages.entries[0].question);
        EXPECT_EQ(messages.entries[0].text,
                  interruptedSaveText(path, copy) + "\nDo you wish to restore it?");
        EXPECT_EQ(findSafeCopy(path).has_value(), !restore);
        EXPECT_EQ(read.accountCount, restore ? 2 : 0);
    }
}

// A file of another size, or of the right size with an account count the table cannot
// hold (the count is the first two bytes, little-endian).
TEST(AccountsFile, OnlyATableOf4124BytesWithACountUpTo50IsAccepted) {
    ScratchDir dir;
    const std::string count51 = std::string("\x33\x00", 2) + std::string(4122, '\0');
    const std::string countMinus1 = std::string("\xff\xff", 2) + std::string(4122, '\0');
    for (const std::string& image : {std::string(4123, '\x01'), std::string(4125, '\x01'),
                                     std::string(), count51, countMinus1}) {
        const std::string path = dir.file("bad.acc");
        test::writeBytes(path, image);
        AccountTable t = sampleTable();
        RecordingMessages messages;
        EXPECT_EQ(readAccountsFile(t, path, messages), 0) << image.size();
        EXPECT_EQ(bytesOf(t), bytesOf(sampleTable()));
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text,
                  "The file " + path + " does not appear to be a valid accounts file!");
        EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
    }
}

TEST(AccountsFile, OverwriteIsAskedAndNoWritesNothing) {
    ScratchDir dir;
    const std::string path = dir.file("a.acc");
    test::writeBytes(path, "old");
    RecordingMessages messages;
    messages.answers = {false, true};
    EXPECT_EQ(writeAccountsFile(sampleTable(), path, messages), 1);
    EXPECT_EQ(test::readBytes(path), "old");
    EXPECT_EQ(messages.entries[0].text, path + " exists - Overwrite anyway?");
    EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
    EXPECT_TRUE(messages.entries[0].question);

    EXPECT_EQ(writeAccountsFile(sampleTable(), path, messages), 1);
    EXPECT_EQ(test::readBytes(path).size(), 4124u);
}

TEST(AccountsCommands, FailuresAreReportedByTheCommands) {
    ScratchDir dir;
    Scenario s;
    resetScenario(s);
    KnownFile accountsFile;
    ScriptedFileChooser chooser;
    RecordingMessages messages;

    const std::string nowhere = dir.file("missing/a.acc");
    chooser.answers = {nowhere};
    saveAccountsCommand(s, accountsFile, chooser, messages);
    EXPECT_EQ(accountsFile.path, nowhere);
    EXPECT_EQ(chooser.asked[0].title, "Write Accounts");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "Cannot write " + nowhere + " accounts file!\nNo such file or directory");
    EXPECT_EQ(messages.entries[0].title, "Write Error");

    const std::string shortFile = dir.file("short.acc");
    test::writeBytes(shortFile, std::string(4123, '\0'));
    chooser.answers = {shortFile};
    messages.entries.clear();
    EXPECT_FALSE(readAccountsCommand(s, accountsFile, chooser, messages));
    EXPECT_EQ(chooser.asked[1].initialName, nowhere); // the last path is offered again
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[1].text, "Cannot read " + shortFile + " accounts file!");
    EXPECT_EQ(messages.entries[1].title, "Read Error");
}

TEST(AccountsCommands, ReadReplacesTheAccountsAndKeepsTheEvents) {
    ScratchDir dir;
    const std::string path = dir.file("a.acc");
    RecordingMessages messages;
    ASSERT_EQ(writeAccountsFile(sampleTable(), path, messages), 1);

    Scenario s;
    resetScenario(s);
    s.eventCount = 1;
    s.events[0].kind = static_cast<int16_t>(EventKind::Deposit);
    s.events[0].toAccountId = 3; // no account in the file has id 3
    KnownFile accountsFile;
    ScriptedFileChooser chooser;
    chooser.answers = {path};
    ASSERT_TRUE(readAccountsCommand(s, accountsFile, chooser, messages));
    EXPECT_EQ(s.accounts.accountCount, 2);
    EXPECT_EQ(s.events[0].toAccountId, 3);
    EXPECT_EQ(findAccountIndex(s, 3), -1);
    EXPECT_EQ(findAccountIndex(s, 9), 1);
}

// A user who keeps a file behind a symbolic link finds the link still there and the
// file it points to rewritten; replacing the link would leave that file stale.
TEST(AccountsFile, WritingThroughALinkRewritesTheLinkedFile) {
    ScratchDir dir;
    const std::string target = dir.file("real.acc");
    const std::string link = dir.file("link.acc");
    test::writeBytes(target, "old");
    std::filesystem::create_symlink("real.acc", link);
    RecordingMessages messages;
    messages.answers = {true};
    ASSERT_EQ(writeAccountsFile(sampleTable(), link, messages), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::readBytes(target).size(), 4124u);
}

// A folder cannot be read as a file: it is a file that cannot be opened, not one of the
// wrong length.
TEST(AccountsFile, FolderIsAFileThatCannotBeOpened) {
    ScratchDir dir;
    AccountTable t = sampleTable();
    RecordingMessages messages;
    EXPECT_EQ(readAccountsFile(t, dir.file(""), messages), 0);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(bytesOf(t), bytesOf(sampleTable()));
}

// A file the user made read-only cannot be opened for writing, so it is not replaced,
// even in a folder that takes new files; the reason is the system's. As root the save
// is tried as another user, for whom the permissions count.
TEST(AccountsFile, ReadOnlyFileIsNotReplaced) {
    ScratchDir dir;
    ASSERT_EQ(::chmod(dir.file("").c_str(), 0777), 0);
    const std::string path = dir.file("locked.acc");
    test::writeBytes(path, "old");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), test::kOtherUser, test::kOtherUser), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const int code = test::inChild(
        [&] {
            if (::access(path.c_str(), W_OK) == 0) return 77; // permissions do not count
            RecordingMessages messages;
            std::string reason;
            if (writeAccountsFile(sampleTable(), path, messages, &reason) != 0) return 1;
            if (reason != std::strerror(EACCES)) return 2;
            return test::readBytes(path) == "old" ? 0 : 3;
        },
        test::As::OtherUser);
    if (code == 77) GTEST_SKIP() << "no user here for whom the file is read-only";
    EXPECT_EQ(code, 0);
}

// A tab file that cannot be opened changes nothing: the command says so, and the
// change is not marked.
TEST(AccountsCommands, ImportOfAnUnreadableFileChangesNothing) {
    ScratchDir dir;
    Scenario s;
    resetScenario(s);
    const std::string missing = dir.file("missing.kvi");
    ScriptedFileChooser chooser;
    chooser.answers = {missing};
    RecordingMessages messages;
    AcceptDefaultsCompleter completer;
    EXPECT_FALSE(importAccountDataCommand(s, AccountListSort{}, completer, chooser, messages));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Cannot open " + missing + ".\nNo such file or directory"});
}

// Save Accounts onto the file it read, after another program changed that file: the
// question comes first, and No leaves the other program's file alone.
TEST(AccountsCommands, FileChangedByAnotherProgramIsReplacedOnlyWhenConfirmed) {
    ScratchDir dir;
    const std::string path = dir.file("a.acc");
    RecordingMessages messages;
    ASSERT_EQ(writeAccountsFile(sampleTable(), path, messages), 1);
    Scenario s;
    resetScenario(s);
    KnownFile accountsFile;
    ScriptedFileChooser chooser;
    chooser.answers = {path, path, path, path};
    ASSERT_TRUE(readAccountsCommand(s, accountsFile, chooser, messages));
    messages.answers = {true}; // the overwrite question only: nothing else changed it
    saveAccountsCommand(s, accountsFile, chooser, messages);
    ASSERT_EQ(messages.entries.size(), 1u);

    const std::string theirs(kAccountTableSize, '\3');
    test::writeBytes(path, theirs);
    messages.entries.clear();
    messages.answers = {false};
    saveAccountsCommand(s, accountsFile, chooser, messages);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              path + " was changed by another program since you opened it. Replace it?");
    EXPECT_EQ(messages.entries[0].title, "FILE WARNING");
    EXPECT_EQ(test::readBytes(path), theirs);

    messages.answers = {true, true};
    saveAccountsCommand(s, accountsFile, chooser, messages);
    EXPECT_EQ(messages.entries.size(), 3u); // this question, then the overwrite question
    EXPECT_NE(test::readBytes(path), theirs);
}

} // namespace
} // namespace finplan
