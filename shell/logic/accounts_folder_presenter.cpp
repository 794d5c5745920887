#include "shell/logic/accounts_folder_presenter.h"

#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

std::vector<std::string> AccountsFolderPresenter::headers(bool idColumn) {
    std::vector<std::string> h = {"Account", "Group",  "P",    "Account Type",
                                  "Rate",    "Amount", "Order"};
    if (idColumn) h.push_back("ID");
    return h;
}

std::vector<AccountRow> AccountsFolderPresenter::rows() {
    return accountListRows(scenario, sort);
}

std::string AccountsFolderPresenter::countText() const {
    const int n = scenario.accounts.usableCount();
    return n == 0 ? std::string() : format("%2d", n);
}

std::string AccountsFolderPresenter::totalText() const {
    if (scenario.accounts.usableCount() == 0) return {};
    return money13(accountTotal(scenario));
}

void AccountsFolderPresenter::clickHeader(int column) {
    if (column == kAccessOrderColumn) {
        sort.byAccessOrder = !sort.byAccessOrder;
    } else if (column >= 0 && column < kAccessOrderColumn) {
        sort.ascending[column] = !sort.ascending[column];
    } else {
        return; // the ID column does not sort
    }
    sort.column = column;
}

void AccountsFolderPresenter::setWithdrawalOrder(bool checked) {
    sort.byAccessOrder = checked;
    if (checked) {
        sort.column = kAccessOrderColumn;
    } else {
        sort.ascending[0] = true;
        sort.column = 0;
    }
}

AccountsFolderPresenter::SortMark AccountsFolderPresenter::sortMark() const {
    const int column = sort.column >= 0 && sort.column <= kAccessOrderColumn ? sort.column : 0;
    return {column, column == kAccessOrderColumn ? sort.byAccessOrder : sort.ascending[column]};
}

bool AccountsFolderPresenter::withdrawalOrderChecked() const {
    return sort.column == kAccessOrderColumn && sort.byAccessOrder;
}

} // namespace finplan
