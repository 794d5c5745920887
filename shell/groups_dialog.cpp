#include "shell/groups_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/dialog_buttons.h"
#include "shell/dialog_focus.h"

namespace finplan {

GroupsDialog::GroupsDialog(GroupsPresenter& thePresenter, std::function<void()> help,
                           QWidget* parent)
    : QDialog(parent), presenter(thePresenter) {
    setWindowTitle("Groups");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Group Name", this), 0, 0);
    grid->addWidget(new QLabel("Random Minimum\nRate", this), 0, 1);
    grid->addWidget(new QLabel("Random Maximum\nRate", this), 0, 2);
    for (int i = 0; i < kMaxGroups; ++i) {
        const GroupRowTexts& row = thePresenter.rows[i];
        const std::string texts[3] = {row.name, row.minRate, row.maxRate};
        const char* names[3] = {"name", "min", "max"};
        for (int c = 0; c < 3; ++c) {
            auto* box = new QLineEdit(QString::fromStdString(texts[c]), this);
            box->setObjectName(QString("%1%2").arg(names[c]).arg(i + 1));
            grid->addWidget(box, i + 1, c);
            boxes[i][c] = box;
        }
        boxes[i][0]->setMaxLength(19);
    }
    grid->setColumnStretch(0, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    addDialogButtons(
        *this, *layout, [this] { return okPressed(); }, std::move(help));
    startTyping(*this);
}

bool GroupsDialog::okPressed() {
    for (int i = 0; i < kMaxGroups; ++i) {
        GroupRowTexts& row = presenter.rows[i];
        row.name = nameBox(i)->text().toStdString();
        row.minRate = minBox(i)->text().toStdString();
        row.maxRate = maxBox(i)->text().toStdString();
    }
    if (presenter.ok()) return true;
    // Back to the bound the message was about, ready to be retyped.
    const int refused = presenter.refusedField();
    for (int i = 0; i < kMaxGroups; ++i) {
        QLineEdit* box = refused == GroupsPresenter::minimumId(i)   ? minBox(i)
                         : refused == GroupsPresenter::maximumId(i) ? maxBox(i)
                                                                    : nullptr;
        if (!box) continue;
        box->setFocus();
        box->selectAll();
    }
    return false;
}

} // namespace finplan
