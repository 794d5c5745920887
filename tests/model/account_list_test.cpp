#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/account_list.h"
#include "model/scenario_ops.h"

namespace finplan {
namespace {

void add(Scenario& s, const char* name, const char* order, AccountType type, int16_t penalty,
         float rate, float amount) {
    Account& a = s.accounts.accounts[s.accounts.accountCount];
    std::strcpy(a.name, name);
    std::strcpy(a.accessOrder, order);
    a.type = static_cast<int16_t>(type);
    a.penaltyFlag = penalty;
    a.rate = rate;
    a.initialAmount = amount;
    assignAccountId(s);
}

std::vector<std::string> names(Scenario& s, const AccountListSort& sort) {
    std::vector<std::string> out;
    for (const AccountRow& r : accountListRows(s, sort))
        out.push_back(r.name);
    return out;
}

TEST(AccountList, RowsCarryTheFolderColumnTexts) {
    Scenario s;
    resetScenario(s);
    std::strcpy(s.groups.groupName[3], "Stocks");
    add(s, "IRA", "2", AccountType::RetirementSavings, 1, 7.5f, 1234.5f);
    add(s, "Car", "10", AccountType::Asset, 1, -15.0f, 30000.0f);
    s.accounts.accounts[0].groupIndex = 3;
    s.accounts.accounts[1].groupIndex = 12; // damaged: no group text, no crash

    const AccountRow ira = accountRow(s, 0);
    EXPECT_EQ(ira.group, "Stocks");
    EXPECT_EQ(ira.penalty, "x");
    EXPECT_EQ(ira.type, "Retirement Savings");
    EXPECT_EQ(ira.rate, "   7.500");
    EXPECT_EQ(ira.amount, "      1234.50");
    EXPECT_EQ(ira.order, "2");
    EXPECT_EQ(ira.id, "    0");

    const AccountRow car = accountRow(s, 1);
    EXPECT_EQ(car.group, "");
    EXPECT_EQ(car.penalty, " "); // the flag means nothing for an asset
    EXPECT_EQ(car.type, "Asset             ");
    EXPECT_FLOAT_EQ(accountTotal(s), 31234.5f);
}

TEST(AccountList, SortColumnsAndTheWithdrawalOrder) {
    Scenario s;
    resetScenario(s);
    add(s, "b", "2", AccountType::InvestmentSavings, 0, 3.0f, 20.0f);
    add(s, "C", "10", AccountType::InvestmentSavings, 0, 1.0f, 30.0f);
    add(s, "a", "1", AccountType::InvestmentSavings, 0, 2.0f, 10.0f);

    AccountListSort sort; // a new run: by name, ascending, case-insensitive
    EXPECT_EQ(names(s, sort), (std::vector<std::string>{"a", "b", "C"}));
    sort.column = 5;
    sort.ascending[5] = false;
    EXPECT_EQ(names(s, sort), (std::vector<std::string>{"C", "b", "a"}));
    sort.column = kAccessOrderColumn;
    sort.byAccessOrder = true; // access orders compare as text: "1", "10", "2"
    EXPECT_EQ(names(s, sort), (std::vector<std::string>{"a", "C", "b"}));
    sort.byAccessOrder = false;
    EXPECT_EQ(names(s, sort), (std::vector<std::string>{"b", "C", "a"}));

    s.accounts.accountCount = 51; // a damaged count lists nothing and resets the ids
    EXPECT_TRUE(accountListRows(s, sort).empty());
    EXPECT_EQ(s.accounts.nextAccountId, 0);
}

} // namespace
} // namespace finplan
