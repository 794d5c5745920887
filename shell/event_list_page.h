// The Scenario folder: the event list and its Add, Edit, Copy, Delete and Help buttons.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/logic/event_list_presenter.h"

class QListWidget;

namespace finplan {

class EventListPage : public QWidget {
    Q_OBJECT
  public:
    EventListPage(EventListPresenter& presenter, QWidget* parent = nullptr);
    void refresh();
    QListWidget* list() const { return listView_; }

    std::function<void(int command)> onCommand; // Add opens the Add Event chooser
    std::function<void()> onHelp;

  private:
    int selectedLine() const;
    EventListPresenter& presenter_;
    QListWidget* listView_;
};

} // namespace finplan
