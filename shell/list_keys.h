// Enter, Insert and Delete in a list press its Edit, Add and Delete buttons, so the
// keys ask the same questions the buttons do.
#pragma once

class QAbstractItemView;
class QPushButton;

namespace finplan {

struct ListButtons {
    QPushButton* add = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* remove = nullptr;
};

void pressButtonsOnListKeys(QAbstractItemView* list, ListButtons buttons);

} // namespace finplan
