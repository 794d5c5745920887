// The Scenario folder without its widgets: the event list lines, which event a line
// belongs to, and the Edit, Copy and Delete buttons.
#pragma once

#include <string>
#include <vector>

#include "model/scenario.h"
#include "shell/logic/event_editing.h"

namespace finplan {

class EventListPresenter {
  public:
    // Without `editing` (a list that only shows) the buttons do nothing.
    EventListPresenter(Scenario& plan, EventEditing* eventEditing)
        : scenario_(plan), editing_(eventEditing) {}

    // Sorts the events into list order and rebuilds the lines and every listLine.
    void refill();
    const std::vector<std::string>& lines() const { return texts_; }

    // Event of a list line: -1 for line 0 (the initial-values line) and for lines
    // that belong to no event.
    int eventOfLine(int line) const;

    // The buttons; each refills the list and keeps the selected line number. Line 0
    // opens the Initial Values dialog.
    void edit(int line);
    void copy(int line);
    void remove(int line);
    int selectedLine() const { return selected_; }

  private:
    void keepSelection();

    Scenario& scenario_;
    EventEditing* editing_;
    std::vector<std::string> texts_;
    int selected_ = 0;
};

} // namespace finplan
