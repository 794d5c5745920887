#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <sstream>

#include "model/account_list.h"
#include "model/scenario_ops.h"
#include "model/scripted_account_completer.h"
#include "model/tab_import.h"
#include "model/utf8_text.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

struct LineCase {
    const char* line;
    ImportMode mode;
    bool used;
    const char* name;
    float amount;
};

TEST(TabImportLine, LineRules) {
    const std::string forty(40, 'N');
    constexpr float kBeyond = std::numeric_limits<float>::infinity();
    const LineCase cases[] = {
        {"Checking\t1,234.56\n", ImportMode::Read, true, "Checking", 1234.56f},
        {"Savings Acct.  \t  -250.00 CR\n", ImportMode::Read, true, "Savings Acct", -250.0f},
        {"Savings Acct.  \t  -250.00 CR\r\n", ImportMode::Update, true, "Savings Acct", -250.0f},
        {"   Brokerage\t12.50\n", ImportMode::Read, true, "Brokerage", 12.5f},
        {"TOTAL ASSETS\t5000.00\n", ImportMode::Read, false, "", 0},
        {"TOTAL ASSETS\t5000.00\n", ImportMode::Update, false, "", 0},
        {"Cash Total\t10.00\n", ImportMode::Read, true, "Cash Total", 10.0f},
        {"Cash Total\t10.00\n", ImportMode::Update, false, "", 0},
        {"Credit LIABILITIES\t1.00\n", ImportMode::Read, false, "", 0},
        {"Opening Balance\t1.00\n", ImportMode::Update, false, "", 0},
        {"Ab\t1.0\n", ImportMode::Read, false, "", 0},          // 6 characters
        {"Checking 1234.56\n", ImportMode::Read, false, "", 0}, // no tab
        {"X.\t100.00\n", ImportMode::Read, false, "", 0},       // name of 1 character
        {"Bonds\t50\n", ImportMode::Read, false, "", 0},        // amount of 2 characters
        {"Bonds\t50\n", ImportMode::Update, true, "Bonds", 50.0f},
        {"Bonds\tabc\n", ImportMode::Update, false, "", 0},          // cleans down to "a"
        {"Bonds\tx12\n", ImportMode::Read, true, "Bonds", 0.0f},     // not a number
        {"Bonds\t1e99\n", ImportMode::Read, true, "Bonds", kBeyond}, // refused by the import
        {"A\tB\tC\t-7.00\n", ImportMode::Read, true, "ABC", -7.0f},  // last tab; tabs dropped
        {"Esc\x1b[31mRed\t10.00\n", ImportMode::Read, true, "Esc[31mRed", 10.0f}, // no escape
    };
    for (const auto& c : cases) {
        const std::string raw = c.line;
        const auto got = parseImportLine(raw, c.mode);
        SCOPED_TRACE(raw);
        ASSERT_EQ(got.has_value(), c.used);
        if (!got) continue;
        EXPECT_EQ(got->name, c.name);
        EXPECT_FLOAT_EQ(got->amount, c.amount);
    }
    const auto cut = parseImportLine(forty + "\t1.00\n", ImportMode::Read);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->name, std::string(29, 'N'));
    // The text ends at a NUL, as the stored C text would.
    const char withNul[] = "Che\0cking\t1.00\n";
    EXPECT_FALSE(parseImportLine(std::string(withNul, sizeof withNul - 1), ImportMode::Read));
}

TEST(TabImportLine, LongLineIsReadInPiecesOf119) {
    std::istringstream in(std::string(130, 'a') + "\t5.00\nnext\n");
    std::string piece;
    ASSERT_TRUE(readImportLine(in, piece));
    EXPECT_EQ(piece, std::string(119, 'a'));
    ASSERT_TRUE(readImportLine(in, piece));
    EXPECT_EQ(piece, std::string(11, 'a') + "\t5.00\n");
    ASSERT_TRUE(readImportLine(in, piece));
    EXPECT_EQ(piece, "next\n");
    EXPECT_FALSE(readImportLine(in, piece));
}

using ScriptedCompleter = ScriptedAccountCompleter;

void addAccount(Scenario& s, const char* name, float amount) {
    Account& a = s.accounts.accounts[s.accounts.accountCount];
    std::strncpy(a.name, name, sizeof a.name - 1);
    a.initialAmount = amount;
    assignAccountId(s);
}

TEST(TabImport, ReadGivesEveryUsableLineTheDefaults) {
    Scenario s;
    resetScenario(s);
    std::istringstream in("Account Balances\r\n\r\nChecking\t1,234.56\r\nSavings\t200.00\r\n"
                          "TOTAL ASSETS\t1434.56\r\n");
    ScriptedCompleter completer;
    RecordingMessages messages;
    const auto r = readTabAccounts(s, in, completer, messages);
    EXPECT_EQ(r.added, 2);
    ASSERT_EQ(s.accounts.accountCount, 2);
    EXPECT_TRUE(messages.entries.empty());
    const Account& a = s.accounts.accounts[1];
    EXPECT_STREQ(a.name, "Savings");
    EXPECT_FLOAT_EQ(a.initialAmount, 200.0f);
    EXPECT_FLOAT_EQ(a.rate, 10.0f);
    EXPECT_EQ(a.accountType(), AccountType::InvestmentSavings);
    EXPECT_FLOAT_EQ(a.randomMinRate, 0.0f);
    EXPECT_FLOAT_EQ(a.randomMaxRate, 20.0f);
    EXPECT_EQ(a.penaltyFlag, 0);
    EXPECT_STREQ(a.accessOrder, "1");
    EXPECT_STREQ(s.accounts.accounts[0].accessOrder, "0");
    EXPECT_EQ(a.id, 1);
}

TEST(TabImport, ReadCancelledAccountIsLeftOutAndTheLimitStopsTheRead) {
    Scenario s;
    resetScenario(s);
    std::istringstream in("First\t1.00\nSecond\t2.00\nThird\t3.00\n");
    ScriptedCompleter completer;
    completer.answers = {true, false, true};
    RecordingMessages messages;
    readTabAccounts(s, in, completer, messages);
    ASSERT_EQ(s.accounts.accountCount, 2);
    EXPECT_STREQ(s.accounts.accounts[1].name, "Third");
    EXPECT_STREQ(s.accounts.accounts[1].accessOrder, "1"); // the slot it was offered in
    EXPECT_EQ(completer.offered, (std::vector<std::string>{"First", "Second", "Third"}));

    Scenario full;
    resetScenario(full);
    for (int i = 0; i < 49; ++i)
        addAccount(full, "Old", 0);
    std::istringstream more("First\t1.00\nSecond\t2.00\nThird\t3.00\n");
    RecordingMessages limit;
    const auto r = readTabAccounts(full, more, completer, limit);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(full.accounts.accountCount, 50);
    EXPECT_EQ(limit.texts(), std::vector<std::string>{"Number of accounts exceed limit."});
}

TEST(TabImport, UpdateWithoutMatchesChangesNothing) {
    Scenario s;
    resetScenario(s);
    addAccount(s, "Checking", 5.0f);
    std::istringstream in("Savings\t10.00\n");
    ScriptedCompleter completer;
    RecordingMessages messages;
    const auto r = updateTabAccounts(s, in, "bank.kvi", AccountListSort{}, completer, messages);
    EXPECT_FALSE(r.proceeded);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "Found 0 accounts in the file bank.kvi.\nPlease make sure this is a tab-delimited "
              "file type.");
    EXPECT_EQ(messages.entries[0].title, "Possible incorrect file type.");
    EXPECT_FLOAT_EQ(s.accounts.accounts[0].initialAmount, 5.0f);
}

TEST(TabImport, UpdateSetsEveryNamesakeThenDropsTheFirstOfNeighbours) {
    Scenario s;
    resetScenario(s);
    addAccount(s, "Cash", 1.0f);  // id 0
    addAccount(s, "Bonds", 2.0f); // id 1
    addAccount(s, "Cash", 3.0f);  // id 2
    std::istringstream in("Cash\t10.00\nNew Fund\t7.00\nOther\t8.00\n");
    ScriptedCompleter completer;
    RecordingMessages messages;
    messages.answers = {true, true, false}; // continue, add New Fund, not Other
    const auto r = updateTabAccounts(s, in, "f.kvi", AccountListSort{}, completer, messages);
    ASSERT_TRUE(r.proceeded);
    EXPECT_EQ(messages.entries[0].text, "Updating 2 out of 3 accounts.\nDo you wish to continue?");
    EXPECT_EQ(messages.entries[1].text,
              "Account New Fund is not an existing account.\nDo you wish to add it?");
    EXPECT_EQ(messages.entries[1].title, "New Account Found");
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.duplicatesRemoved, 1);
    // By name ascending: Bonds, Cash (id 2), New Fund.
    ASSERT_EQ(s.accounts.accountCount, 3);
    EXPECT_STREQ(s.accounts.accounts[0].name, "Bonds");
    EXPECT_STREQ(s.accounts.accounts[1].name, "Cash");
    EXPECT_EQ(s.accounts.accounts[1].id, 2);
    EXPECT_FLOAT_EQ(s.accounts.accounts[1].initialAmount, 10.0f);
    EXPECT_STREQ(s.accounts.accounts[2].name, "New Fund");
    EXPECT_STREQ(s.accounts.accounts[2].accessOrder, "3");
}

TEST(TabImport, UpdateCountsWithoutTheSkipRulesButUpdatesWithThem) {
    Scenario s;
    resetScenario(s);
    addAccount(s, "Total Fund", 1.0f);
    std::istringstream in("Total Fund\t9.00\n");
    ScriptedCompleter completer;
    RecordingMessages messages;
    const auto r = updateTabAccounts(s, in, "f.kvi", AccountListSort{}, completer, messages);
    EXPECT_TRUE(r.proceeded);
    EXPECT_EQ(messages.entries[0].text, "Updating 1 out of 1 accounts.\nDo you wish to continue?");
    EXPECT_FLOAT_EQ(s.accounts.accounts[0].initialAmount, 1.0f);
}

TEST(TabImport, UpdateDeclinedChangesNothing) {
    Scenario s;
    resetScenario(s);
    addAccount(s, "Cash", 1.0f);
    std::istringstream in("Cash\t10.00\n");
    ScriptedCompleter completer;
    RecordingMessages messages;
    messages.answers = {false};
    updateTabAccounts(s, in, "f.kvi", AccountListSort{}, completer, messages);
    EXPECT_FLOAT_EQ(s.accounts.accounts[0].initialAmount, 1.0f);
}

// Carriage returns, line feeds and the two together end lines alike.
TEST(TabImport, EveryLineEndEndsALine) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::string text;
        for (const char* line : {"Checking\t1,234.56", "Savings\t-250.00", "Bonds\t100.00",
                                 "Stocks\t5.00", "House Fund\t9.99"})
            text += std::string(line) + end;
        auto s = std::make_unique<Scenario>();
        resetScenario(*s);
        AcceptDefaultsCompleter completer;
        RecordingMessages messages;
        std::istringstream in(text);
        EXPECT_EQ(readTabAccounts(*s, in, completer, messages).added, 5) << int(end[0]);
        EXPECT_EQ(s->accounts.accountCount, 5);
        EXPECT_TRUE(messages.entries.empty());
    }
}

// A UTF-8 byte-order mark at the start is no part of the first name, in either pass.
TEST(TabImport, ByteOrderMarkIsSkipped) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    AcceptDefaultsCompleter completer;
    RecordingMessages messages;
    std::istringstream in("\xEF\xBB\xBF"
                          "Checking\t100.00\n");
    EXPECT_EQ(readTabAccounts(*s, in, completer, messages).added, 1);
    EXPECT_STREQ(s->accounts.accounts[0].name, "Checking");
    std::istringstream update("\xEF\xBB\xBF"
                              "Checking\t7.00\n");
    EXPECT_EQ(
        updateTabAccounts(*s, update, "f.kvi", AccountListSort{}, completer, messages).updated, 1);
    EXPECT_FLOAT_EQ(s->accounts.accounts[0].initialAmount, 7.0f);
}

// Accented names keep every character: trimming takes none of them for punctuation, and
// cutting to the field's 29 bytes stops before a character it would split. The one
// helper behind every cut is checked on its edges too.
TEST(TabImport, AccentedNamesAreNeverCutInsideACharacter) {
    const auto whole =
        parseImportLine("\xC3\x89pargne Soci\xC3\xA9t\xC3\xA9\t10.00\n", ImportMode::Read);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->name, "\xC3\x89pargne Soci\xC3\xA9t\xC3\xA9");
    // 28 ASCII letters then "é": the 29-byte field has room for half of it only.
    const auto cut = parseImportLine(std::string(28, 'a') + "\xC3\xA9\t10.00\n", ImportMode::Read);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->name, std::string(28, 'a'));

    const struct {
        std::string text;
        std::size_t max;
        std::string cut;
    } cases[] = {
        {"ab\xE2\x82\xAC", 4, "ab"},             // a three-byte euro sign
        {"ab\xE2\x82\xAC", 5, "ab\xE2\x82\xAC"}, // fits whole
        {"\xF0\x9F\x92\xB0x", 2, ""},            // a four-byte character
        {"abc", 2, "ab"},
        {"\xB0\xB0\xB0\xB0\xB0", 2, "\xB0\xB0"}, // not UTF-8: cut where asked
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8Cut(c.text, c.max), c.cut) << c.text << " " << c.max;
}

// Amounts the account editor would refuse are not taken; the message names the line.
TEST(TabImport, AmountsBeyondTheEditorsAreRefusedByLine) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    AcceptDefaultsCompleter completer;
    RecordingMessages messages;
    // Also amounts beyond what a float holds, which once came in as 0.00.
    std::istringstream in("Checking\t100.00\r\n"
                          "Huge\t340000000000000000000000000000000000000.00\r\n"
                          "Owing\t-200000000.00\r\n"
                          "Edge\t-100000000.00\r\n"
                          "Beyond\t4e38\r\n"
                          "Digits\t-123456789012345678901234567890123456789012\r\n");
    EXPECT_EQ(readTabAccounts(*s, in, completer, messages).added, 2);
    ASSERT_EQ(messages.entries.size(), 4u);
    EXPECT_EQ(messages.entries[0].text,
              "Line 2, account Huge:\nThe amount must be between -100000000.00 and 100000000.00.");
    EXPECT_EQ(messages.entries[0].title, "AMOUNT ERROR");
    EXPECT_EQ(messages.entries[1].text.substr(0, 22), "Line 3, account Owing:");
    EXPECT_EQ(messages.entries[2].text.substr(0, 23), "Line 5, account Beyond:");
    EXPECT_EQ(messages.entries[3].text.substr(0, 23), "Line 6, account Digits:");
    EXPECT_FLOAT_EQ(accountTotal(*s), 100.0f - 100000000.0f);

    // Update refuses it too, and leaves the account as it was.
    messages.entries.clear();
    messages.answers = {true};
    std::istringstream update("Checking\t999999999.00\n");
    const TabImportResult r =
        updateTabAccounts(*s, update, "f.kvi", AccountListSort{}, completer, messages);
    EXPECT_EQ(r.updated, 0);
    EXPECT_EQ(messages.entries.back().text.substr(0, 25), "Line 1, account Checking:");
    EXPECT_FLOAT_EQ(accountTotal(*s), 100.0f - 100000000.0f);
}
} // namespace
} // namespace finplan
