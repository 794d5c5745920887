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
    return accountListRows(scenario_, sort_);
}

std::string AccountsFolderPresenter::countText() const {
    const int n = scenario_.accounts.usableCount();
    return n == 0 ? std::string() : format("%2d", n);
}

std::string AccountsFolderPresenter::totalText() const {
    if (scenario_.accounts.usableCount() == 0) return {};
    return money13(accountTotal(scenario_));
}

void AccountsFolderPresenter::clickHeader(int column) {
    if (column == kAccessOrderColumn) {
        sort_.byAccessOrder = !sort_.byAccessOrder;
    } else if (column >= 0 && column < kAccessOrderColumn) {
        sort_.ascending[column] = !sort_.ascending[column];
    } else {
        return; // the ID column does not sort
    }
    sort_.column = column;
}

void AccountsFolderPresenter::setWithdrawalOrder(bool checked) {
    sort_.byAccessOrder = checked;
    if (checked) {
        sort_.column = kAccessOrderColumn;
    } else {
        sort_.ascending[0] = true;
        sort_.column = 0;
    }
}

AccountsFolderPresenter::SortMark AccountsFolderPresenter::sortMark() const {
    const int column = sort_.column >= 0 && sort_.column <= kAccessOrderColumn ? sort_.column : 0;
    return {column, column == kAccessOrderColumn ? sort_.byAccessOrder : sort_.ascending[column]};
}

bool AccountsFolderPresenter::withdrawalOrderChecked() const {
    return sort_.column == kAccessOrderColumn && sort_.byAccessOrder;
}

} // namespace finplan
