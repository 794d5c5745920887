#include "shell/event_list_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/folder_pages.h"
#include "shell/list_keys.h"
#include "shell/logic/command_ids.h"

namespace finplan {

EventListPage::EventListPage(EventListPresenter& thePresenter, QWidget* parent)
    : QWidget(parent), presenter(thePresenter) {
    listView = makeTextLineList("eventList", this);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* text, std::function<void()> f) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(text);
        connect(b, &QPushButton::clicked, this, f);
        buttons->addWidget(b);
        return b;
    };
    ListButtons keys;
    keys.add = button("Add", [this] {
        if (onCommand) onCommand(cmd::kAddEventChooser);
    });
    keys.edit = button("Edit", [this] {
        this->presenter.edit(selectedLine());
        refresh();
    });
    button("Copy", [this] {
        this->presenter.copy(selectedLine());
        refresh();
    });
    keys.remove = button("Delete", [this] {
        this->presenter.remove(selectedLine());
        refresh();
    });
    button("Help", [this] {
        if (onHelp) onHelp();
    });
    buttons->addStretch();
    pressButtonsOnListKeys(listView, keys);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->addWidget(new QLabel("Double click an event to edit it.", this));
    layout->addWidget(listView, 1);
    layout->addLayout(buttons);
    connect(listView, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        this->presenter.edit(listView->row(item));
        refresh();
    });
    thePresenter.refill();
    refresh();
}

int EventListPage::selectedLine() const {
    return listView->currentRow();
}

void EventListPage::refresh() {
    listView->clear();
    for (const auto& l : presenter.lines())
        listView->addItem(QString::fromStdString(l));
    int sel = std::min(presenter.selectedLine(), listView->count() - 1);
    if (sel >= 0) listView->setCurrentRow(sel);
}

} // namespace finplan
