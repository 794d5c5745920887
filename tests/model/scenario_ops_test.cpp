// Operations on the in-memory scenario: defaults, totals, event order and slots,
// account ids, deletion rules, account order, re-indexing and the birthday.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/record_io.h"
#include "model/scenario_ops.h"
#include "model/scenario_session.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

void setText(char* field, std::size_t width, const char* text) {
    std::memset(field, 0, width);
    std::strncpy(field, text, width - 1);
}

class ScenarioOpsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetScenario(s);
        s.eventCount = 0;
    }
    Account& addAccount(const char* name, AccountType type = AccountType::InvestmentSavings,
                        float amount = 0, float rate = 0) {
        Account& a = s.accounts.accounts[s.accounts.usableCount()];
        setText(a.name, kAccountNameWidth, name);
        a.type = static_cast<int16_t>(type);
        a.initialAmount = amount;
        a.rate = rate;
        assignAccountId(s);
        return a;
    }
    Event& addEvent(EventKind kind, float age, const char* description) {
        session.beginAddEvent();
        Event& e = s.events[session.currentEvent()];
        e.startAge = age;
        setText(e.description, kDescriptionWidth, description);
        session.storeEvent(kind);
        return e;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (int i = 0; i < s.accounts.accountCount; ++i)
            out.push_back(s.accounts.accounts[i].name);
        return out;
    }

    Scenario s;
    ScenarioSession session{s};
    RecordingMessages messages;
};

TEST_F(ScenarioOpsTest, NewScenarioKeepsGroupBoundsAndBirthday) {
    addAccount("Old");
    addEvent(EventKind::Deposit, 40, "x");
    setText(s.groups.groupName[2], kGroupNameWidth, "Stocks");
    s.groups.groupRandomMinRate[2] = -5.0f;
    s.groups.groupRandomMaxRate[2] = 9.0f;
    s.initial.birthMonth = 7;
    s.initial.birthDay = 4;
    s.initial.useBirthday = 1;
    s.initial.taxRate = 33.0f;

    resetScenario(s);
    const InitialValues& iv = s.initial;
    EXPECT_EQ(iv.startAge, 30.0f);
    EXPECT_EQ(iv.endAge, 84.0f);
    EXPECT_EQ(iv.taxRate, 15.0f);
    EXPECT_EQ(iv.inflationRate, 4.0f);
    EXPECT_EQ(iv.penaltyAge, 59.0f);
    EXPECT_EQ(iv.penaltyRate, 10.0f);
    EXPECT_EQ(iv.reserved2, 3.0f);
    EXPECT_EQ(iv.avgInvestmentSavingsRate, 9.0f);
    EXPECT_EQ(iv.avgTaxFreeSavingsRate, 6.0f);
    EXPECT_EQ(iv.birthMonth, 7);
    EXPECT_EQ(iv.birthDay, 4);
    EXPECT_EQ(iv.useBirthday, 1);
    EXPECT_EQ(s.accounts.accountCount, 0);
    EXPECT_EQ(s.accounts.nextAccountId, 0);
    EXPECT_STREQ(s.accounts.accounts[0].accessOrder, " ");
    EXPECT_EQ(s.accounts.accounts[0].name[0], 0);
    EXPECT_FALSE(s.groups.exists(2));
    EXPECT_EQ(s.groups.groupRandomMinRate[2], -5.0f);
    EXPECT_EQ(s.groups.groupRandomMaxRate[2], 9.0f);
    EXPECT_EQ(s.events[0].kind, 0);
    EXPECT_EQ(s.events[0].description[0], 0);
}

// New clears the event table in one go; every slot must come out as an empty event
// would, field for field, whatever it held (the in-memory listLine included).
TEST_F(ScenarioOpsTest, NewLeavesEverySlotAnEmptyEvent) {
    for (Event& e : s.events) {
        e.startAge = 61.5f;
        e.kind = static_cast<int16_t>(EventKind::Loan);
        e.listLine = 7;
        setText(e.description, kDescriptionWidth, "old loan");
        e.reserved120[3] = 0xAB;
        e.acceleratedMode = 2;
    }
    resetScenario(s);
    std::vector<uint8_t> empty;
    writeEvent(Event{}, empty);
    for (const Event& e : s.events) {
        std::vector<uint8_t> bytes;
        writeEvent(e, bytes);
        ASSERT_EQ(bytes, empty);
        ASSERT_EQ(e.listLine, 0);
    }
}

TEST_F(ScenarioOpsTest, TotalsAndAveragesPerType) {
    addAccount("A", AccountType::InvestmentSavings, 1000.0f, 4.0f);
    addAccount("B", AccountType::InvestmentSavings, 500.5f, 7.0f);
    addAccount("C", AccountType::Asset, 20000.0f, -10.0f);
    addAccount("D", AccountType::RetirementSavings, 300.0f, 9.0f);
    s.accounts.accounts[0].balance = 1.0f; // a run's working value
    s.initial.reserved1 = 5.0f;
    recomputeTotals(s);
    const InitialValues& iv = s.initial;
    EXPECT_EQ(iv.initialInvestmentSavings, 1500.5f);
    EXPECT_EQ(iv.avgInvestmentSavingsRate, 5.5f);
    EXPECT_EQ(iv.initialAssets, 20000.0f);
    EXPECT_EQ(iv.avgAssetDepreciationRate, -10.0f);
    EXPECT_EQ(iv.initialRetirementSavings, 300.0f);
    EXPECT_EQ(iv.avgRetirementSavingsRate, 9.0f);
    // Types without accounts average 0.
    EXPECT_EQ(iv.initialTaxFreeSavings, 0.0f);
    EXPECT_EQ(iv.avgTaxFreeSavingsRate, 0.0f);
    EXPECT_EQ(iv.avgEquityAppreciationRate, 0.0f);
    EXPECT_EQ(iv.reserved1, 0.0f);
    EXPECT_EQ(iv.reserved2, 0.0f);
    EXPECT_EQ(s.accounts.accounts[0].balance, 1000.0f);
    EXPECT_EQ(s.accounts.accounts[3].currentRate, 9.0f);
}

TEST_F(ScenarioOpsTest, EventsSortByAgeThenDescriptionThenKindStably) {
    addEvent(EventKind::Withdrawal, 50, "b");
    addEvent(EventKind::Deposit, 50, "a");
    addEvent(EventKind::Withdrawal, 40, "z");
    addEvent(EventKind::Withdrawal, 60, "same");
    addEvent(EventKind::Fundamentals, 60, "same");
    addEvent(EventKind::Withdrawal, 60, "same");
    addEvent(EventKind::Deposit, 50, "B"); // upper case sorts before lower case
    for (int i = 0; i < s.eventCount; ++i)
        s.events[i].listLine = static_cast<int16_t>(i);
    sortEvents(s);
    const int wantLines[] = {2, 6, 1, 0, 4, 3, 5};
    ASSERT_EQ(s.eventCount, 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(s.events[i].listLine, wantLines[i]) << "position " << i;
}

TEST_F(ScenarioOpsTest, EventSlotProtocol) {
    addEvent(EventKind::Deposit, 40, "first");
    addEvent(EventKind::Loan, 45, "second");
    EXPECT_EQ(s.eventCount, 2);
    EXPECT_TRUE(session.scenarioModified());

    // Editing: OK's increment is discarded by restoring the saved count.
    const int saved = session.beginEditEvent(0);
    EXPECT_EQ(session.editedEvent(), &s.events[0]);
    session.currentSlot()->amount = 77.0f;
    session.beginCopy(); // OK clears a pending copy
    session.storeEvent(EventKind::Deposit);
    EXPECT_FALSE(session.copyPending());
    EXPECT_EQ(s.eventCount, 1);
    session.endEditEvent(saved);
    EXPECT_EQ(s.eventCount, 2);
    EXPECT_FALSE(session.editingEvent());
    EXPECT_EQ(session.editedEvent(), nullptr);
    EXPECT_EQ(s.events[0].amount, 77.0f);

    // Copy then delete the copy: back to the list as it was.
    ASSERT_TRUE(copyEvent(s, 1));
    EXPECT_EQ(s.eventCount, 3);
    EXPECT_STREQ(s.events[2].description, "second");
    deleteEvent(s, 2);
    EXPECT_EQ(s.eventCount, 2);
    EXPECT_EQ(s.events[2].kind, 0);
    EXPECT_FALSE(copyEvent(s, 2)); // not an event in use

    deleteEvent(s, 0);
    EXPECT_EQ(s.eventCount, 1);
    EXPECT_STREQ(s.events[0].description, "second");
    EXPECT_EQ(s.events[1].kind, 0);
}

TEST_F(ScenarioOpsTest, FullEventTableRefusesMore) {
    for (int i = 0; i < kMaxEvents; ++i)
        addEvent(EventKind::Withdrawal, 40, "w");
    EXPECT_EQ(s.eventCount, kMaxEvents);
    EXPECT_TRUE(eventTableFull(s));
    EXPECT_FALSE(copyEvent(s, 0));
    session.beginAddEvent();
    EXPECT_EQ(session.currentSlot(), nullptr);
    session.storeEvent(EventKind::Deposit);
    EXPECT_EQ(s.eventCount, kMaxEvents);
}

TEST_F(ScenarioOpsTest, AccountIdsWrapAt30000AndSkipIdsInUse) {
    s.accounts.nextAccountId = 5;
    EXPECT_EQ(addAccount("a").id, 5);
    EXPECT_EQ(s.accounts.nextAccountId, 6);

    s.accounts.accounts[0].id = 10;
    addAccount("b");
    s.accounts.accounts[1].id = 11;
    s.accounts.nextAccountId = 30000;
    const Account& c = addAccount("c");
    EXPECT_EQ(c.id, 12); // 10 and 11 are taken
    EXPECT_EQ(s.accounts.nextAccountId, 13);
    EXPECT_EQ(s.accounts.accountCount, 3);

    // One scan counts every account carrying the candidate (duplicate ids 20).
    s.accounts.accounts[0].id = 20;
    s.accounts.accounts[1].id = 20;
    s.accounts.nextAccountId = 20;
    EXPECT_EQ(addAccount("d").id, 22);
}

TEST_F(ScenarioOpsTest, DamagedAccountCountMeansNoAccounts) {
    addAccount("a");
    s.accounts.accountCount = 60;
    s.accounts.nextAccountId = 99;
    EXPECT_EQ(findAccountIndex(s, 0), -1);
    sortAccounts(s, AccountSortKey::Name, true); // nothing to sort, nothing touched
    recomputeTotals(s);
    EXPECT_EQ(s.initial.initialInvestmentSavings, 0.0f);
    addAccount("b");
    EXPECT_EQ(s.accounts.accountCount, 1);
    EXPECT_EQ(s.accounts.accounts[0].id, 0);
}

TEST_F(ScenarioOpsTest, AccountsNeededByEventsCannotBeDeleted) {
    struct Row {
        EventKind kind;
        int16_t flag22, flag24;
        bool blocks;
    };
    // The account under test gets id 1; ids sit at offsets 22 and 24.
    const Row rows[] = {
        {EventKind::Transfer, 0, 1, true},     // target of a transfer
        {EventKind::Transfer, 1, 0, true},     // source of a transfer
        {EventKind::Deposit, 0, 1, true},      // target of a deposit
        {EventKind::Loan, 0, 1, true},         // target of a loan
        {EventKind::Fundamentals, 0, 1, true}, // rate change
        {EventKind::Deposit, 1, 0, false},     // taxDeposit flag, not an id
        {EventKind::Withdrawal, 1, 1, false},
        {EventKind::Mortgage, 1, 1, false}, // isRefinance flag, not an id
    };
    for (const Row& row : rows) {
        SetUp();
        messages.entries.clear();
        addAccount("zero");
        addAccount("one");
        Event& e = addEvent(row.kind, 50, "Needs it");
        e.fromAccountId = row.flag22;
        e.toAccountId = row.flag24;
        const bool allowed = canDeleteAccount(s, 1, messages);
        EXPECT_EQ(allowed, !row.blocks) << static_cast<int>(row.kind);
        if (row.blocks) {
            ASSERT_EQ(messages.entries.size(), 2u);
            EXPECT_EQ(messages.entries[0].text, "This account is required by the Needs it event.");
            EXPECT_EQ(messages.entries[0].title, "Account Deletion Problem!");
            EXPECT_EQ(messages.entries[1].text,
                      "Make the necessary changes to your Financial Scenario.");
            EXPECT_EQ(messages.entries[1].title, "Cannot delete this account!");
        } else {
            EXPECT_TRUE(messages.entries.empty());
        }
    }
}

TEST_F(ScenarioOpsTest, DeleteAccountMovesTheRestDown) {
    addAccount("a");
    addAccount("b");
    addAccount("c");
    deleteAccount(s, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"b", "c"}));
    deleteAccount(s, 5); // no such slot
    EXPECT_EQ(s.accounts.accountCount, 2);
}

TEST_F(ScenarioOpsTest, AccountSortKeys) {
    addAccount("beta", AccountType::Equity, 30.0f, 2.0f);
    addAccount("Alpha", AccountType::Asset, 10.0f, 3.0f);
    addAccount("gamma", AccountType::Asset, 20.0f, 1.0f);
    setText(s.accounts.accounts[0].accessOrder, kAccessOrderWidth, "10");
    setText(s.accounts.accounts[1].accessOrder, kAccessOrderWidth, "2");
    setText(s.accounts.accounts[2].accessOrder, kAccessOrderWidth, "1");
    setText(s.groups.groupName[1], kGroupNameWidth, "bonds");
    setText(s.groups.groupName[2], kGroupNameWidth, "Aggressive");
    s.accounts.accounts[0].groupIndex = 1;
    s.accounts.accounts[1].groupIndex = 2;
    s.accounts.accounts[2].groupIndex = 42; // damaged: sorts as an empty name

    struct Row {
        AccountSortKey key;
        bool ascending;
        std::vector<std::string> want;
    };
    const Row rows[] = {
        {AccountSortKey::AccessOrder, true, {"gamma", "beta", "Alpha"}}, // "1","10","2"
        {AccountSortKey::AccessOrder, false, {"Alpha", "beta", "gamma"}},
        {AccountSortKey::Name, true, {"Alpha", "beta", "gamma"}},
        {AccountSortKey::Name, false, {"gamma", "beta", "Alpha"}},
        {AccountSortKey::Group, true, {"gamma", "Alpha", "beta"}},
        {AccountSortKey::Rate, true, {"gamma", "beta", "Alpha"}},
        {AccountSortKey::Amount, false, {"beta", "gamma", "Alpha"}},
    };
    for (const Row& row : rows) {
        sortAccounts(s, row.key, row.ascending);
        EXPECT_EQ(names(), row.want) << static_cast<int>(row.key) << " " << row.ascending;
    }
    // Type: the two assets keep their order (stable) in either direction.
    sortAccounts(s, AccountSortKey::Name, true);
    sortAccounts(s, AccountSortKey::Type, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"beta", "Alpha", "gamma"}));
    sortAccounts(s, AccountSortKey::Type, true);
    EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "gamma", "beta"}));
}

TEST_F(ScenarioOpsTest, ReindexGivesIdsInNameOrder) {
    addAccount("C").id = 7;
    addAccount("A").id = 3;
    addAccount("B").id = 5;
    messages.answers = {false};
    EXPECT_FALSE(reindexAccounts(s, messages));
    EXPECT_EQ(names(), (std::vector<std::string>{"C", "A", "B"}));

    messages.entries.clear();
    messages.answers = {true};
    EXPECT_TRUE(reindexAccounts(s, messages));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(s.accounts.accounts[0].id, 0);
    EXPECT_EQ(s.accounts.accounts[1].id, 1);
    EXPECT_EQ(s.accounts.accounts[2].id, 2);
    EXPECT_EQ(s.accounts.nextAccountId, 3);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(
        messages.entries[0].text,
        "This may change the account assignments in your scenario!\nDo you wish to continue?");
    EXPECT_EQ(messages.entries[1].text,
              "The Accounts have been re-indexed.\nPlease check the account assignments in your "
              "scenario.");
    EXPECT_EQ(messages.entries[1].title, "Accounts");
}

TEST_F(ScenarioOpsTest, AccountNamesById) {
    addAccount("Savings");
    addAccount("IRA");
    std::string text = "To ";
    appendAccountName(s, text, 1);
    appendAccountName(s, text, 9);
    appendAccountName(s, text, -1); // "no account" of a rate change
    EXPECT_EQ(text, "To IRA");
}

TEST(BirthdayFraction, DaysSinceTheLastBirthday) {
    struct Row {
        int month, day, birthMonth, birthDay, days;
    };
    const Row rows[] = {
        {3, 1, 1, 1, 59},    // (31-1) + 28 + 1
        {1, 1, 1, 1, 0},     // the birthday itself
        {12, 31, 1, 1, 364}, // capped
        {6, 20, 6, 10, 10},  // same month, after
        {6, 5, 6, 10, 360},  // same month, before: 365 - 5
        {2, 10, 11, 15, 87}, // last year's: (30-15) + 31 + 31 + 10
        {5, 3, 4, 30, 3},    // next month: (30-30) + 3
        {7, 1, 13, 1, 0},    // damaged birth month
    };
    for (const Row& r : rows) {
        InitialValues iv;
        iv.birthMonth = static_cast<int16_t>(r.birthMonth);
        iv.birthDay = static_cast<int16_t>(r.birthDay);
        LocalTime today;
        today.month = r.month;
        today.day = r.day;
        EXPECT_EQ(birthdayFraction(iv, today), static_cast<float>(r.days) / 365.0f)
            << r.month << "/" << r.day << " born " << r.birthMonth << "/" << r.birthDay;
    }
}

TEST(AccountTypeName, PaddedToEighteen) {
    EXPECT_STREQ(accountTypeName(0), "Asset             ");
    EXPECT_STREQ(accountTypeName(2), "Investment Savings");
    EXPECT_STREQ(accountTypeName(4), "Tax Free Savings  ");
    EXPECT_STREQ(accountTypeName(9), "                  ");
}

} // namespace
} // namespace finplan
