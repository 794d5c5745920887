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
    : QWidget(parent), presenter_(thePresenter) {
    listView_ = makeTextLineList("eventList", this);
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
        presenter_.edit(selectedLine());
        refresh();
    });
    button("Copy", [this] {
        presenter_.copy(selectedLine());
        refresh();
    });
    keys.remove = button("Delete", [this] {
        presenter_.remove(selectedLine());
        refresh();
    });
    button("Help", [this] {
        if (onHelp) onHelp();
    });
    buttons->addStretch();
    pressButtonsOnListKeys(listView_, keys);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->addWidget(new QLabel("Double click an event to edit it.", this));
    layout->addWidget(listView_, 1);
    layout->addLayout(buttons);
    connect(listView_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        presenter_.edit(listView_->row(item));
        refresh();
    });
    thePresenter.refill();
    refresh();
}

int EventListPage::selectedLine() const {
    return listView_->currentRow();
}

void EventListPage::refresh() {
    listView_->clear();
    for (const auto& l : presenter_.lines())
        listView_->addItem(QString::fromStdString(l));
    int sel = std::min(presenter_.selectedLine(), listView_->count() - 1);
    if (sel >= 0) listView_->setCurrentRow(sel);
}

} // namespace finplan
