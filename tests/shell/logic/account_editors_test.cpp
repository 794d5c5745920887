// The Accounts folder, Account Information and Groups without a display: sorting by
// the headers, the order and messages of the OK checks, Cancel and refusals leaving the
// scenario's bytes as they were, deletion refused while events need the account, and
// the names under which each change is undone, and undo then redo giving back the bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <sstream>

#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/help.h"
#include "platform/recording_messages.h"
#include "shell/logic/account_editing.h"
#include "shell/logic/accounts_folder_presenter.h"
#include "shell/logic/groups_presenter.h"
#include "shell/logic/undo_stack.h"

#include "editor_test_support.h"

namespace finplan {
namespace {

// Each dialog runs one scripted step: it types into the presenter and presses OK
// (returning what OK says) or Cancel (returning false).
class ScriptedDialogs : public DialogHost {
  public:
    using AccountStep = std::function<bool(AccountInfoPresenter&)>;
    bool runDialog(DialogPresenter& d) override {
        if (auto* groups = dynamic_cast<GroupsPresenter*>(&d))
            return groupStep ? groupStep(*groups) : false;
        ++accountDialogs;
        if (accountSteps.empty()) return false;
        auto step = accountSteps.front();
        accountSteps.pop_front();
        return step(dynamic_cast<AccountInfoPresenter&>(d));
    }

    std::deque<AccountStep> accountSteps;
    std::function<bool(GroupsPresenter&)> groupStep;
    int accountDialogs = 0;
};

class AccountEditorsTest : public ::testing::Test {
  protected:
    AccountEditorsTest() {
        resetScenario(*s);
        s->eventCount = 0;
    }

    // An account as the Add dialog would store it.
    void addAccount(const char* name, const char* order, float rate, float amount,
                    AccountType type = AccountType::InvestmentSavings) {
        AccountInfoPresenter p(session, AccountDialogMode::Add, 0, messages, help);
        typeAccount(p, {name, std::to_string(amount), std::to_string(rate), "0", "0", order});
        p.chooseType(static_cast<int>(type));
        ASSERT_TRUE(p.ok()) << name;
    }

    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (const AccountRow& r : folder.rows())
            out.push_back(r.name);
        return out;
    }

    std::unique_ptr<Scenario> s = std::make_unique<Scenario>();
    ScenarioSession session{*s};
    AccountListSort sort;
    RecordingMessages messages;
    RecordingHelp help;
    ScriptedDialogs dialogs;
    AccountsFolderPresenter folder{*s, sort};
    UndoStack undo;
    AccountEditing editing{session, messages, help, dialogs, undo};
};

using Names = std::vector<std::string>;

TEST_F(AccountEditorsTest, HeadersSortByNameRateAndOrderInBothDirections) {
    // Names compare as text, so "10" lists between "1" and "2".
    addAccount("2", "10", 5.0f, 300.0f);
    addAccount("10", "2", -1.5f, 100.0f);
    addAccount("1", "1", 12.0f, 200.0f);

    EXPECT_EQ(listed(), (Names{"1", "10", "2"})); // a new run: by name, ascending
    folder.clickHeader(0);
    EXPECT_EQ(listed(), (Names{"2", "10", "1"}));
    folder.clickHeader(0);
    EXPECT_EQ(listed(), (Names{"1", "10", "2"}));

    folder.clickHeader(4); // the rate column starts descending, so a click ascends
    EXPECT_EQ(listed(), (Names{"10", "2", "1"}));
    EXPECT_EQ(folder.sortMark().column, 4); // the header's arrow
    EXPECT_TRUE(folder.sortMark().ascending);
    folder.clickHeader(4);
    EXPECT_EQ(listed(), (Names{"1", "2", "10"}));
    EXPECT_FALSE(folder.sortMark().ascending);

    folder.clickHeader(5); // "Amount" twice: ascending, then descending
    EXPECT_EQ(listed(), (Names{"10", "1", "2"}));
    folder.clickHeader(5);
    EXPECT_EQ(listed(), (Names{"2", "1", "10"}));

    folder.clickHeader(6); // the order header flips the withdrawal order on
    EXPECT_TRUE(folder.withdrawalOrderChecked());
    EXPECT_EQ(listed(), (Names{"1", "2", "10"})); // orders "1", "10", "2"
    folder.clickHeader(6);
    EXPECT_FALSE(folder.withdrawalOrderChecked());
    EXPECT_EQ(listed(), (Names{"10", "2", "1"}));
    folder.clickHeader(7); // the ID column does not sort
    EXPECT_EQ(sort.column, 6);
}

TEST_F(AccountEditorsTest, WithdrawalOrderCheckboxAndTheOrderKeptForTheNextFolder) {
    addAccount("b", "2", 0, 0);
    addAccount("c", "10", 0, 0);
    addAccount("a", "1", 0, 0);
    folder.clickHeader(0); // names descending
    folder.setWithdrawalOrder(true);
    EXPECT_EQ(listed(), (Names{"a", "c", "b"}));
    folder.setWithdrawalOrder(false); // back to the names, ascending
    EXPECT_EQ(listed(), (Names{"a", "b", "c"}));
    EXPECT_FALSE(folder.withdrawalOrderChecked());

    folder.clickHeader(2); // "P": the folder made anew keeps the order
    AccountsFolderPresenter again(*s, sort);
    EXPECT_EQ(sort.column, 2);
    EXPECT_EQ(again.rows().size(), 3u);
    EXPECT_FALSE(again.withdrawalOrderChecked());
    EXPECT_EQ(AccountsFolderPresenter::headers(true).back(), "ID");
    EXPECT_EQ(AccountsFolderPresenter::headers(false).back(), "Order");
}

TEST_F(AccountEditorsTest, CountAndTotalOfTheFolder) {
    EXPECT_EQ(folder.countText(), ""); // nothing is written without accounts
    addAccount("Savings", "1", 4.0f, 1234.5f);
    addAccount("House", "2", 3.0f, 250000.0f, AccountType::Asset);
    EXPECT_EQ(folder.countText(), " 2");
    EXPECT_EQ(folder.totalText(), "$251,234.50");
}

TEST_F(AccountEditorsTest, AddStoresTheFieldsAndGivesTheNextId) {
    s->accounts.nextAccountId = 7;
    AccountInfoPresenter p(session, AccountDialogMode::Add, 0, messages, help);
    EXPECT_EQ(p.text(AccountInfoField::Name), ""); // a new account starts with empty fields
    EXPECT_EQ(p.type(), 0);
    typeAccount(
        p, {"A name longer than twenty-nine characters", "  1500.25", "6.5", "-2", "14", "1234"});
    p.chooseType(static_cast<int>(AccountType::RetirementSavings));
    p.toggle(AccountInfoField::Penalty);
    ASSERT_TRUE(p.ok());
    const Account& a = s->accounts.accounts[0];
    EXPECT_STREQ(a.name, "A name longer than twenty-nin");
    EXPECT_FLOAT_EQ(a.initialAmount, 1500.25f);
    EXPECT_FLOAT_EQ(a.balance, 1500.25f);
    EXPECT_FLOAT_EQ(a.rate, 6.5f);
    EXPECT_FLOAT_EQ(a.currentRate, 6.5f);
    EXPECT_FLOAT_EQ(a.randomMinRate, -2.0f);
    EXPECT_FLOAT_EQ(a.randomMaxRate, 14.0f);
    EXPECT_STREQ(a.accessOrder, "123");
    EXPECT_EQ(a.penaltyFlag, 1);
    EXPECT_EQ(a.id, 7);
    EXPECT_EQ(s->accounts.accountCount, 1);
    EXPECT_EQ(s->accounts.nextAccountId, 8);
    EXPECT_TRUE(session.accountsModified());
    EXPECT_TRUE(session.resultsStale());
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(AccountEditorsTest, ChecksRunInOrderAndARefusalStoresNothing) {
    addAccount("Savings", "1", 4.0f, 100.0f);
    session.changed(ScenarioChange::FileWritten);
    session.changed(ScenarioChange::RunCompleted);
    const auto before = scenarioContentBytes(*s);
    struct Row {
        AccountTexts texts;
        const char* message; // nullptr: accepted
        const char* title;
        AccountInfoField field; // the one the dialog goes back to
    };
    const char* amountText = "This amount must be greater than 0.00 and less than 99999999.00.";
    const char* rateText = "This rate must be between -99.0% and 99.0%";
    const Row rows[] = {
        // The amount comes first, whatever else is wrong.
        {{"x", "100000100", "150", "0", "0", ""},
         amountText,
         "AMOUNT ERROR",
         AccountInfoField::InitialAmount},
        {{"x", "-100000100", "0", "0", "0", ""},
         amountText,
         "AMOUNT ERROR",
         AccountInfoField::InitialAmount},
        {{"x", "5", "99.01", "0", "0", ""}, rateText, "RATE ERROR", AccountInfoField::Rate},
        {{"x", "5", "1", "-99.5", "0", ""},
         rateText,
         "RATE ERROR",
         AccountInfoField::RandomMinimumRate},
        {{"x", "5", "1", "0", "99.5", ""},
         rateText,
         "RATE ERROR",
         AccountInfoField::RandomMaximumRate},
        // Only the first 12 characters are read: "1000000000000" is 100000000000.
        {{"x", "1000000000000", "1", "0", "0", ""},
         amountText,
         "AMOUNT ERROR",
         AccountInfoField::InitialAmount},
    };
    for (const Row& r : rows) {
        messages.entries.clear();
        AccountInfoPresenter p(session, AccountDialogMode::Edit, 0, messages, help);
        typeAccount(p, r.texts);
        EXPECT_FALSE(p.ok()) << r.texts.initialAmount;
        ASSERT_EQ(messages.entries.size(), 1u) << r.texts.initialAmount;
        EXPECT_EQ(messages.entries[0].text, r.message);
        EXPECT_EQ(messages.entries[0].title, r.title);
        EXPECT_EQ(p.takeRefusedField(), r.field) << r.texts.initialAmount;
        EXPECT_EQ(scenarioContentBytes(*s), before) << "a refused OK changed the scenario";
    }
    EXPECT_FALSE(session.accountsModified());

    // The edges: the amount limits, rates of -99 and 99, a minimum above the maximum.
    AccountInfoPresenter p(session, AccountDialogMode::Edit, 0, messages, help);
    typeAccount(p, {"Savings", "-100000000", "-99", "5", "2", "7"});
    EXPECT_TRUE(p.ok());
    EXPECT_FALSE(p.takeRefusedField());
    EXPECT_FLOAT_EQ(s->accounts.accounts[0].initialAmount, -100000000.0f);
    AccountInfoPresenter q(session, AccountDialogMode::Edit, 0, messages, help);
    q.text(AccountInfoField::InitialAmount) = "100000000";
    q.text(AccountInfoField::Rate) = "99";
    EXPECT_TRUE(q.ok());
    EXPECT_EQ(s->accounts.accountCount, 1); // an edit counts nothing in
}

TEST_F(AccountEditorsTest, EditShowsTheStoredValuesAndTheGroupsThatExist) {
    std::strcpy(s->groups.groupName[0], "Stocks");
    std::strcpy(s->groups.groupName[1], "B"); // one letter: no such group
    std::strcpy(s->groups.groupName[4], "Bonds");
    std::strcpy(s->groups.groupName[6], "bank"); // byte-wise: after "Stocks"
    addAccount("Brokerage", "3", 7.25f, 12345.678f);
    s->accounts.accounts[0].groupIndex = 4;
    s->accounts.accounts[0].randomMaxRate = 18.0f;

    AccountInfoPresenter p(session, AccountDialogMode::Edit, 0, messages, help);
    EXPECT_EQ(p.text(AccountInfoField::Name), "Brokerage");
    EXPECT_EQ(p.text(AccountInfoField::InitialAmount), "12345.68");
    EXPECT_EQ(p.text(AccountInfoField::Rate), "7.250");
    EXPECT_EQ(p.text(AccountInfoField::RandomMinimumRate), "0.000");
    EXPECT_EQ(p.text(AccountInfoField::RandomMaximumRate), "18.000");
    EXPECT_EQ(p.text(AccountInfoField::AccessOrder), "3");
    EXPECT_EQ(p.field(AccountInfoField::Group).items, (Names{"Bonds", "Stocks", "bank"}));
    EXPECT_EQ(p.field(AccountInfoField::Group).selected, 0);
    p.chooseGroup(2);
    EXPECT_EQ(s->accounts.accounts[0].groupIndex, 4); // nothing stored before OK
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(s->accounts.accounts[0].groupIndex, 6);
    EXPECT_EQ(p.changeLabel(), "Edit Account 'Brokerage'");
}

TEST_F(AccountEditorsTest, OnlyRetirementAndTaxFreeSavingsKeepThePenaltyBox) {
    AccountInfoPresenter p(session, AccountDialogMode::Add, 0, messages, help);
    p.chooseType(static_cast<int>(AccountType::Equity));
    EXPECT_FALSE(p.penaltyUsable());
    p.toggle(AccountInfoField::Penalty);
    EXPECT_FALSE(p.penaltyChecked()); // a new Equity account cannot keep it checked
    p.chooseType(static_cast<int>(AccountType::TaxFreeSavings));
    p.toggle(AccountInfoField::Penalty);
    EXPECT_TRUE(p.penaltyChecked());
    p.chooseType(static_cast<int>(AccountType::RetirementSavings));
    EXPECT_TRUE(p.penaltyChecked());
    p.chooseType(static_cast<int>(AccountType::Asset)); // a change of type clears it
    EXPECT_FALSE(p.penaltyChecked());
    p.chooseType(9); // no such type: nothing changes
    EXPECT_EQ(p.type(), 0);
}

TEST_F(AccountEditorsTest, AddIsRefusedAtFiftyAccounts) {
    for (int i = 0; i < kMaxAccounts; ++i)
        addAccount(("A" + std::to_string(i)).c_str(), "1", 0, 0);
    const auto before = scenarioContentBytes(*s);
    EXPECT_FALSE(editing.requestAdd());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Maximum number of accounts reached!");
    EXPECT_EQ(messages.entries[0].title, "Account Warning");
    // A stray Account Information for a 51st account stores nothing either.
    AccountInfoPresenter p(session, AccountDialogMode::Add, 0, messages, help);
    EXPECT_FALSE(p.ok());
    EXPECT_EQ(scenarioContentBytes(*s), before);
}

TEST_F(AccountEditorsTest, CancelAndRefusedOkLeaveTheBytesAndRecordNothing) {
    addAccount("Savings", "1", 4.0f, 100.0f);
    const auto before = scenarioContentBytes(*s);
    // Cancel after changing every choice.
    dialogs.accountSteps.push_back([](AccountInfoPresenter& p) {
        p.chooseType(3);
        p.toggle(AccountInfoField::Penalty);
        p.text(AccountInfoField::Name) = "Changed";
        return false;
    });
    ASSERT_TRUE(editing.requestEdit(0));
    EXPECT_FALSE(editing.openAccountInfo());
    // OK refused by the rate check, then Cancel.
    dialogs.accountSteps.push_back([](AccountInfoPresenter& p) {
        p.text(AccountInfoField::Rate) = "250";
        return p.ok();
    });
    ASSERT_TRUE(editing.requestEdit(0));
    EXPECT_FALSE(editing.openAccountInfo());
    dialogs.groupStep = [](GroupsPresenter& g) {
        typeGroup(g, 0, {"Stocks", "-50.01", "10"});
        return g.ok();
    };
    EXPECT_FALSE(editing.editGroups());
    EXPECT_EQ(scenarioContentBytes(*s), before);
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(editing.requestEdit(1)); // no such row
}

TEST_F(AccountEditorsTest, EachChangeIsRecordedUnderItsNameWithTheBytesBefore) {
    const auto empty = scenarioContentBytes(*s);
    dialogs.accountSteps.push_back([](AccountInfoPresenter& p) {
        typeAccount(p, {"Savings", "100", "4", "0", "0", "1"});
        return p.ok();
    });
    ASSERT_TRUE(editing.requestAdd());
    EXPECT_TRUE(editing.openAccountInfo());
    const auto added = scenarioContentBytes(*s);
    dialogs.accountSteps.push_back([](AccountInfoPresenter& p) {
        p.text(AccountInfoField::InitialAmount) = "250";
        return p.ok();
    });
    ASSERT_TRUE(editing.requestEdit(0));
    EXPECT_TRUE(editing.openAccountInfo());
    const auto edited = scenarioContentBytes(*s);
    dialogs.groupStep = [](GroupsPresenter& g) {
        typeGroup(g, 2, {"Bonds", "-50", "100"});
        return g.ok();
    };
    EXPECT_TRUE(editing.editGroups());
    const auto grouped = scenarioContentBytes(*s);
    session.changed(ScenarioChange::FileWritten);
    EXPECT_TRUE(editing.deleteRow(0));
    EXPECT_TRUE(session.accountsModified()); // the deletion is not lost without the save question

    const auto deleted = scenarioContentBytes(*s);

    // Each undo names its change and gives back the bytes before it; redo the after.
    const std::pair<const char*, const std::vector<uint8_t>*> steps[] = {
        {"Delete Account 'Savings'", &grouped},
        {"Edit Group Names", &edited},
        {"Edit Account 'Savings'", &added},
        {"Add Account 'Savings'", &empty},
    };
    for (const auto& [name, bytes] : steps) {
        EXPECT_EQ(undo.undoText(), std::string("Undo ") + name);
        ASSERT_TRUE(undo.undo(session));
        EXPECT_EQ(scenarioContentBytes(*s), *bytes) << name;
    }
    EXPECT_FALSE(undo.canUndo());
    for (const auto* bytes : {&added, &edited, &grouped, &deleted}) {
        ASSERT_TRUE(undo.redo(session));
        EXPECT_EQ(scenarioContentBytes(*s), *bytes);
    }
}

TEST_F(AccountEditorsTest, DeletingAnAccountThatEventsUseIsRefused) {
    addAccount("Checking", "1", 1.0f, 10.0f);  // id 0
    addAccount("Brokerage", "2", 7.0f, 10.0f); // id 1
    addAccount("Cash", "3", 0.0f, 10.0f);      // id 2
    auto event = [&](EventKind kind, const char* description, int from, int to) {
        Event& e = s->events[s->eventCount++];
        e.kind = static_cast<int16_t>(kind);
        std::strcpy(e.description, description);
        e.fromAccountId = static_cast<int16_t>(from);
        e.toAccountId = static_cast<int16_t>(to);
    };
    event(EventKind::Transfer, "Rebalance", 1, 2);
    event(EventKind::Fundamentals, "Rate change", 0, 1);
    event(EventKind::Withdrawal, "Living", 0, 0); // withdrawals never block
    event(EventKind::Mortgage, "House", 0, 0);    // nor mortgages
    sortForList(*s, sort);                        // rows: Brokerage, Cash, Checking
    const auto before = scenarioContentBytes(*s);

    EXPECT_FALSE(editing.deleteRow(0)); // Brokerage: the transfer's source and the rate change
    EXPECT_EQ(messages.texts(), (Names{"This account is required by the Rebalance event.",
                                       "This account is required by the Rate change event.",
                                       "Make the necessary changes to your Financial Scenario."}));
    EXPECT_EQ(messages.entries[0].title, "Account Deletion Problem!");
    EXPECT_EQ(messages.entries[2].title, "Cannot delete this account!");
    messages.entries.clear();
    EXPECT_FALSE(editing.deleteRow(1)); // Cash: the transfer's target
    EXPECT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(scenarioContentBytes(*s), before);
    EXPECT_FALSE(undo.canUndo());

    messages.entries.clear();
    EXPECT_TRUE(editing.deleteRow(2)); // Checking: only a withdrawal and a mortgage mention id 0
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(s->accounts.accountCount, 2);
    // No event is left naming an account that is gone.
    for (int i = 0; i < s->eventCount; ++i) {
        const Event& e = s->events[i];
        if (e.eventKind() == EventKind::Transfer) {
            EXPECT_GE(findAccountIndex(*s, e.fromAccountId), 0);
            EXPECT_GE(findAccountIndex(*s, e.toAccountId), 0);
        }
        if (e.eventKind() == EventKind::Fundamentals) {
            EXPECT_GE(findAccountIndex(*s, e.rateAccountId), 0);
        }
    }
}

TEST_F(AccountEditorsTest, ImportCompletesEachNewAccountInTheDialog) {
    addAccount("Checking", "1", 1.0f, 10.0f);
    // The dialog shows the import's defaults; the user changes the rate of one account
    // and cancels the other.
    dialogs.accountSteps.push_back([](AccountInfoPresenter& p) {
        EXPECT_EQ(p.mode(), AccountDialogMode::Import);
        EXPECT_EQ(p.text(AccountInfoField::Name), "Savings");
        EXPECT_EQ(p.text(AccountInfoField::InitialAmount), "2500.00");
        EXPECT_EQ(p.text(AccountInfoField::Rate), "10.000");
        EXPECT_EQ(p.text(AccountInfoField::RandomMaximumRate), "20.000");
        EXPECT_EQ(p.text(AccountInfoField::AccessOrder), "1");
        EXPECT_EQ(p.type(), static_cast<int>(AccountType::InvestmentSavings));
        p.text(AccountInfoField::Rate) = "3.5";
        return p.ok();
    });
    dialogs.accountSteps.push_back([](AccountInfoPresenter&) { return false; });
    std::istringstream file("Checking\t1,234.56\nSavings\t2,500.00\nBroker\t99.00\n");
    const auto before = scenarioContentBytes(*s);
    const bool imported = editing.recorded("Import Account Data", [&] {
        return updateTabAccounts(*s, file, "bank.kvi", sort, editing.importCompleter(), messages)
            .proceeded;
    });
    EXPECT_TRUE(imported);
    EXPECT_EQ(dialogs.accountDialogs, 2);
    ASSERT_EQ(s->accounts.accountCount, 2);
    const Account& savings = s->accounts.accounts[findAccountIndex(*s, 1)];
    EXPECT_STREQ(savings.name, "Savings");
    EXPECT_FLOAT_EQ(savings.rate, 3.5f);
    EXPECT_FLOAT_EQ(s->accounts.accounts[findAccountIndex(*s, 0)].initialAmount, 1234.56f);
    const auto after = scenarioContentBytes(*s);
    EXPECT_EQ(undo.undoText(), "Undo Import Account Data");
    ASSERT_EQ(undo.undoCount(), 1u);

    // An import that changes nothing is not recorded.
    std::istringstream none("Nobody\t1.00\n");
    editing.recorded("Import Account Data", [&] {
        return updateTabAccounts(*s, none, "x.kvi", sort, editing.importCompleter(), messages)
            .opened;
    });
    EXPECT_EQ(undo.undoCount(), 1u);
    ASSERT_TRUE(undo.undo(session));
    EXPECT_EQ(scenarioContentBytes(*s), before);
    ASSERT_TRUE(undo.redo(session));
    EXPECT_EQ(scenarioContentBytes(*s), after);
}

TEST_F(AccountEditorsTest, GroupBoundsAndNames) {
    std::strcpy(s->groups.groupName[9], "Old");
    s->groups.groupRandomMinRate[9] = -5.0f;
    s->groups.groupRandomMaxRate[9] = 12.5f;
    GroupsPresenter shown(session, messages, help);
    EXPECT_EQ(shown.text(groupNameField(9)), "Old");
    EXPECT_EQ(shown.text(groupMinimumField(9)), "-5.00");
    EXPECT_EQ(shown.text(groupMaximumField(9)), "12.50");
    EXPECT_EQ(shown.text(groupNameField(0)), ""); // rows of unnamed groups stay blank
    EXPECT_EQ(shown.text(groupMinimumField(0)), "");

    struct Row {
        GroupTexts row;
        const char* message; // nullptr: accepted
    };
    const char* range = "The rate must be between -50.00% and 100.00%.";
    const Row rows[] = {
        {{"Stocks", "-50", "100"}, nullptr},
        {{"Stocks", "-50.01", "100"}, range},
        {{"Stocks", "0", "100.01"}, range},
        {{"Stocks", "5", "5"}, nullptr},
        {{"Stocks", "6", "5"}, "The minimum rate must be less than the maximum rate."},
        {{"S", "500", "-500"}, nullptr}, // one letter: no group, its bounds become 0
    };
    for (const Row& r : rows) {
        messages.entries.clear();
        const auto before = scenarioContentBytes(*s);
        GroupsPresenter g(session, messages, help);
        typeGroup(g, 3, r.row);
        const bool ok = g.ok();
        EXPECT_EQ(ok, r.message == nullptr) << r.row.minRate << " " << r.row.maxRate;
        if (r.message) {
            ASSERT_EQ(messages.entries.size(), 1u);
            EXPECT_EQ(messages.entries[0].text, r.message);
            EXPECT_EQ(messages.entries[0].title, "Rate Error");
            EXPECT_EQ(scenarioContentBytes(*s), before) << "a refused row changed the groups";
        }
    }
    EXPECT_STREQ(s->groups.groupName[3], "S");
    EXPECT_EQ(s->groups.groupRandomMinRate[3], 0.0f);
    EXPECT_EQ(s->groups.groupRandomMaxRate[3], 0.0f);
    EXPECT_FLOAT_EQ(s->groups.groupRandomMinRate[9], -5.0f); // other rows kept as shown

    GroupsPresenter longName(session, messages, help);
    typeGroup(longName, 0, {"A group name of many words", "0", "1"});
    ASSERT_TRUE(longName.ok());
    EXPECT_STREQ(s->groups.groupName[0], "A group name of man"); // 19 characters
}

} // namespace
} // namespace finplan
