// The Accounts folder: the account list with its sortable headers, "Sort by
// withdrawal order", Add, Edit, Import, Delete and Help, the count and the total.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/logic/accounts_folder_presenter.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;

namespace finplan {

class AccountsPage : public QWidget {
    Q_OBJECT
  public:
    AccountsPage(AccountsFolderPresenter& presenter, bool idColumn, QWidget* parent = nullptr);
    // Sorts and fills the list, the checkbox, the count and the total.
    void refill();

    QTreeWidget* list() const { return tree; }
    QCheckBox* withdrawalOrder() const { return byOrder; }
    QLineEdit* countBox() const { return count; }
    QLineEdit* totalBox() const { return total; }

    // The buttons; a row is a list row (= account slot), -1 when none is selected.
    std::function<void()> onAdd;
    std::function<void(int row)> onEdit;
    std::function<void(int row)> onDelete;
    std::function<void()> onImport;
    std::function<void()> onHelp;

  private:
    int selectedRow() const;
    AccountsFolderPresenter& presenter;
    bool idColumn;
    QTreeWidget* tree;
    QCheckBox* byOrder;
    QLineEdit* count;
    QLineEdit* total;
};

} // namespace finplan
