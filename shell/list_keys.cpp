#include "shell/list_keys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPushButton>

#include "shell/logic/key_table.h"

namespace finplan {

namespace {

ListKey listKeyOf(const QKeyEvent& e) {
    if (e.modifiers() & ~Qt::KeypadModifier) return ListKey::Other;
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ListKey::Enter;
    case Qt::Key_Insert:
        return ListKey::Insert;
    case Qt::Key_Delete:
        return ListKey::Delete;
    default:
        return ListKey::Other;
    }
}

class ListKeyFilter : public QObject {
  public:
    ListKeyFilter(QObject* parent, ListButtons theButtons) : QObject(parent), buttons(theButtons) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        QPushButton* b = buttonOf(listAction(listKeyOf(*static_cast<QKeyEvent*>(event))));
        if (!b || !b->isEnabled()) return false;
        b->click();
        return true;
    }

  private:
    QPushButton* buttonOf(ListAction action) const {
        switch (action) {
        case ListAction::Add:
            return buttons.add;
        case ListAction::Edit:
            return buttons.edit;
        case ListAction::Delete:
            return buttons.remove;
        case ListAction::None:
            break;
        }
        return nullptr;
    }
    ListButtons buttons;
};

} // namespace

void pressButtonsOnListKeys(QAbstractItemView* list, ListButtons buttons) {
    list->installEventFilter(new ListKeyFilter(list, buttons));
}

} // namespace finplan
