// The accounts as the Accounts folder lists them: the folder's sort state, the order
// it puts the table in, and the text of each column.
#pragma once

#include <string>
#include <vector>

#include "model/scenario.h"

namespace finplan {

inline constexpr int kAccessOrderColumn = 6;

// Lives for the whole run of the program: a new run lists the accounts by name,
// ascending.
struct AccountListSort {
    int column = 0; // 0..6
    bool ascending[6] = {true, false, false, false, false, false};
    bool byAccessOrder = false; // column 6, "Sort by withdrawal order"
};

// Puts the table in list order (repairing a damaged account count first), so that
// list row k is account slot k.
void sortForList(Scenario& s, const AccountListSort& sort);

struct AccountRow {
    std::string name;
    std::string group;
    std::string penalty; // "x" or " "
    std::string type;    // display name, 18 characters
    std::string rate;    // "%8.3f"
    std::string amount;  // "%13.2f"
    std::string order;
    std::string id; // "%5d", shown only with the ID column
};

// Column texts of the account in slot i (which must be in use).
AccountRow accountRow(const Scenario& s, int i);

// Sum of the initial amounts of the accounts in use, in slot order.
float accountTotal(const Scenario& s);

// Sorts for the list and returns one row per account.
std::vector<AccountRow> accountListRows(Scenario& s, const AccountListSort& sort);

} // namespace finplan
