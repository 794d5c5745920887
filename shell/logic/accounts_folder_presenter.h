// The Accounts folder without its widgets: the list's headers and rows in the chosen
// order, the count and total, and the sorting by header or by withdrawal order. The
// order lives in the AccountListSort the application keeps, so it survives the folder
// being made anew.
#pragma once

#include <string>
#include <vector>

#include "model/account_list.h"
#include "model/scenario.h"

namespace finplan {

class AccountsFolderPresenter {
  public:
    AccountsFolderPresenter(Scenario& plan, AccountListSort& listSort)
        : scenario_(plan), sort_(listSort) {}

    // "Account" ... "Order", and "ID" when the program was started with "IDON".
    static std::vector<std::string> headers(bool idColumn);
    // Puts the table in list order (list row k is account slot k) and gives its rows.
    std::vector<AccountRow> rows();
    // "Number of Accounts" ("%2d") and "Total" (money); empty without accounts.
    std::string countText() const;
    std::string totalText() const;

    // A click on header 0..6: 0..5 flip their direction, 6 flips the withdrawal order.
    void clickHeader(int column);
    // Checkbox 107 "Sort by withdrawal order".
    void setWithdrawalOrder(bool checked);
    // The checkbox shows the withdrawal order only while the list is sorted by it.
    bool withdrawalOrderChecked() const;

    // The column the list is sorted by and its direction: the header's arrow.
    struct SortMark {
        int column = 0;
        bool ascending = true;
    };
    SortMark sortMark() const;

  private:
    Scenario& scenario_;
    AccountListSort& sort_;
};

} // namespace finplan
