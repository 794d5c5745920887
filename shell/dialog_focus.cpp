#include "shell/dialog_focus.h"

#include <QLineEdit>
#include <QWidget>

namespace finplan {

namespace {

bool takesTab(const QWidget* w, const QWidget& dialog) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&dialog);
}

QWidget* firstInTabChain(QWidget& dialog) {
    for (QWidget* w = dialog.nextInFocusChain(); w && w != &dialog; w = w->nextInFocusChain())
        if (dialog.isAncestorOf(w) && takesTab(w, dialog)) return w;
    return nullptr;
}

} // namespace

void startTyping(QWidget& dialog) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->isReadOnly()) edit->setFocusPolicy(Qt::ClickFocus);
    QWidget* target = dialog.focusWidget();
    if (!target || !takesTab(target, dialog)) target = firstInTabChain(dialog);
    if (!target) return;
    target->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

} // namespace finplan
