// The Groups dialog: ten rows of a name and two random-rate bounds over
// GroupsPresenter.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "shell/logic/groups_presenter.h"

class QLineEdit;

namespace finplan {

class GroupsDialog : public QDialog {
    Q_OBJECT
  public:
    GroupsDialog(GroupsPresenter& presenter, std::function<void()> help, QWidget* parent = nullptr);

    // Row i (0..9): the name, minimum and maximum edits.
    QLineEdit* nameBox(int i) const { return boxes[i][0]; }
    QLineEdit* minBox(int i) const { return boxes[i][1]; }
    QLineEdit* maxBox(int i) const { return boxes[i][2]; }

  private:
    bool okPressed();

    GroupsPresenter& presenter;
    std::array<std::array<QLineEdit*, 3>, kMaxGroups> boxes{};
};

} // namespace finplan
