#include "model/account_list.h"

#include <cstdio>

#include "model/scenario_ops.h"
#include "model/shown_names.h"

namespace finplan {

namespace {

std::string printed(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

AccountSortKey keyOfColumn(int column) {
    switch (column) {
    case 1:
        return AccountSortKey::Group;
    case 2:
        return AccountSortKey::Penalty;
    case 3:
        return AccountSortKey::Type;
    case 4:
        return AccountSortKey::Rate;
    case 5:
        return AccountSortKey::Amount;
    case kAccessOrderColumn:
        return AccountSortKey::AccessOrder;
    default:
        return AccountSortKey::Name;
    }
}

} // namespace

void sortForList(Scenario& s, const AccountListSort& sort) {
    repairAccountCount(s);
    const int column = (sort.column >= 0 && sort.column <= kAccessOrderColumn) ? sort.column : 0;
    const bool ascending =
        column == kAccessOrderColumn ? sort.byAccessOrder : sort.ascending[column];
    sortAccounts(s, keyOfColumn(column), ascending);
}

AccountRow accountRow(const Scenario& s, int i) {
    const Account& a = s.accounts.accounts[i];
    AccountRow row;
    row.name = accountName(a);
    if (a.groupIndex >= 0 && a.groupIndex < kMaxGroups) row.group = groupName(s, a.groupIndex);
    const bool penaltyType = a.accountType() == AccountType::RetirementSavings ||
                             a.accountType() == AccountType::TaxFreeSavings;
    row.penalty = (penaltyType && a.penaltyFlag == 1) ? "x" : " ";
    row.type = accountTypeName(a.type);
    row.rate = printed("%8.3f", a.rate);
    row.amount = printed("%13.2f", a.initialAmount);
    row.order = shownText(a.accessOrder);
    char id[16];
    std::snprintf(id, sizeof id, "%5d", static_cast<int>(a.id));
    row.id = id;
    return row;
}

float accountTotal(const Scenario& s) {
    float total = 0;
    for (int i = 0; i < s.accounts.usableCount(); ++i)
        total += s.accounts.accounts[i].initialAmount;
    return total;
}

std::vector<AccountRow> accountListRows(Scenario& s, const AccountListSort& sort) {
    sortForList(s, sort);
    std::vector<AccountRow> rows;
    for (int i = 0; i < s.accounts.usableCount(); ++i)
        rows.push_back(accountRow(s, i));
    return rows;
}

} // namespace finplan
