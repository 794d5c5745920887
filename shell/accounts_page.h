// The Accounts folder: the account list with its sortable headers, "Sort by
// withdrawal order", Add, Edit, Import, Delete and Help, the count and the total.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/logic/accounts_folder_presenter.h"

class QCheckBox;
class QLayout;
class QLineEdit;
class QTreeWidget;

namespace finplan {

class AccountsPage : public QWidget {
    Q_OBJECT
  public:
    AccountsPage(AccountsFolderPresenter& presenter, bool idColumn, QWidget* parent = nullptr);
    // Sorts and fills the list, the checkbox, the count and the total.
    void refill();

    QTreeWidget* list() const { return tree_; }
    QCheckBox* withdrawalOrder() const { return byOrder_; }
    QLineEdit* countBox() const { return count_; }
    QLineEdit* totalBox() const { return total_; }

    // The buttons; a row is a list row (= account slot), -1 when none is selected.
    std::function<void()> onAdd;
    std::function<void(int row)> onEdit;
    std::function<void(int row)> onDelete;
    std::function<void()> onImport;
    std::function<void()> onHelp;

  private:
    int selectedRow() const;
    void makeList();
    QLayout* buttonRow();
    QLayout* totalsRow();
    void fitColumns();
    AccountsFolderPresenter& presenter_;
    bool idColumn_;
    QTreeWidget* tree_;
    QCheckBox* byOrder_;
    QLineEdit* count_;
    QLineEdit* total_;
};

} // namespace finplan
