#include "shell/screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include "shell/logic/window_geometry.h"

namespace finplan {

namespace {

const char* const kFitterName = "dialogScreenFit";

WindowGeometry roomOf(const QWidget& w) {
    const QWidget* owner = w.parentWidget() ? w.parentWidget()->window() : &w;
    QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect r = screen ? screen->availableGeometry() : QRect();
    return {r.x(), r.y(), r.width(), r.height()};
}

// What the window manager's frame adds, judged from a window already framed; a title
// bar's worth before any window has one.
QSize frameExtra(const QWidget& w) {
    const QWidget* framed = w.parentWidget() ? w.parentWidget()->window() : nullptr;
    if (framed && framed->isVisible()) {
        const QSize extra = framed->frameGeometry().size() - framed->geometry().size();
        if (extra.height() > 0) return extra;
    }
    const int title = w.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &w);
    return QSize(8, title + 8);
}

// The dialog's row of buttons (a layout named kButtonRowName), taken out of its layout.
QLayout* takeButtonRow(QLayout& layout, QSet<QWidget*>& buttons) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayout* row = layout.itemAt(i)->layout();
        if (!row || row->objectName() != kButtonRowName) continue;
        layout.takeAt(i);
        for (int b = 0; b < row->count(); ++b)
            if (QWidget* w = row->itemAt(b)->widget()) buttons.insert(w);
        return row;
    }
    return nullptr;
}

// Moves the dialog's fields into a scroll area; its row of buttons stays below it, in
// sight.
void scrollContents(QDialog& dialog) {
    if (dialog.findChild<QScrollArea*>(kFitterName, Qt::FindDirectChildrenOnly)) return;
    QLayout* old = dialog.layout();
    if (!old) return;
    auto* contents = new QWidget;
    const QList<QWidget*> children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QSet<QWidget*> buttons;
    QLayout* buttonRow = takeButtonRow(*old, buttons);
    contents->setLayout(old); // taken from the dialog
    old->setSizeConstraint(QLayout::SetDefaultConstraint);
    for (QWidget* child : children) {
        if (child->isWindow() || buttons.contains(child)) continue;
        const bool hidden = child->isHidden();
        child->setParent(contents);
        child->setVisible(!hidden);
    }
    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName(kFitterName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    if (buttonRow) {
        auto* margins = new QVBoxLayout;
        margins->setContentsMargins(old->contentsMargins());
        margins->addLayout(buttonRow);
        layout->addLayout(margins);
    }
}

void fitDialog(QDialog& dialog) {
    const WindowGeometry room = roomOf(dialog);
    if (room.width <= 0 || room.height <= 0) return;
    const QSize extra = frameExtra(dialog);
    const QSize most(room.width - extra.width(), room.height - extra.height());
    const QSize wanted = dialog.sizeHint().expandedTo(dialog.minimumSizeHint());
    if (wanted.width() <= most.width() && wanted.height() <= most.height()) return;
    scrollContents(dialog);
    const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    // Room for the scroll bar beside the fields, so only the one direction scrolls.
    const QSize full = wanted + QSize(bar + 2, bar + 2);
    dialog.setMinimumSize(0, 0);
    dialog.setMaximumSize(most);
    dialog.resize(full.boundedTo(most));
}

} // namespace

bool DialogScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) fitDialog(*dialog);
    }
    return QObject::eventFilter(watched, event);
}

void fitDialogsToScreen() {
    if (!qApp || qApp->findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly)) return;
    auto* fit = new DialogScreenFit(qApp);
    fit->setObjectName(kFitterName);
    qApp->installEventFilter(fit);
}

void keepOnScreen(QWidget& window) {
    const WindowGeometry room = roomOf(window);
    if (room.width <= 0 || room.height <= 0) return;
    const QSize extra = frameExtra(window);
    // move() places the frame's corner; the size is the inside of the frame. A window
    // not placed yet opens in the middle of the room.
    WindowGeometry at{window.x(), window.y(), window.width(), window.height()};
    if (!window.testAttribute(Qt::WA_Moved)) {
        at.x = room.x + (room.width - at.width - extra.width()) / 2;
        at.y = room.y + (room.height - at.height - extra.height()) / 2;
    }
    const WindowGeometry g = keptInside(at, room, extra.width(), extra.height());
    window.resize(g.width, g.height);
    window.move(g.x, g.y);
}

} // namespace finplan
