// The Scenario folder without its widgets: the event list lines, which event a line
// belongs to, and the Copy and Delete buttons.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/scenario.h"

namespace finplan {

class EventListPresenter {
  public:
    // What an event editor reports when it closes.
    enum class EditorResult { Ok, Cancelled, Unavailable };
    // Opens the editor of event `index` (the slot protocol's currentEvent).
    using Editor = std::function<EditorResult(int index)>;

    EventListPresenter(Scenario& scenario, Editor editor)
        : scenario(scenario), editor(std::move(editor)) {}

    // Sorts the events into list order and rebuilds the lines and every listLine.
    void refill();
    const std::vector<std::string>& lines() const { return texts; }

    // Event of a list line: -1 for line 0 (the initial-values line) and for lines
    // that belong to no event.
    int eventOfLine(int line) const;

    // The buttons; each refills the list and keeps the selected line number.
    void edit(int line);
    void copy(int line);
    void remove(int line);
    int selectedLine() const { return selected; }

  private:
    Scenario& scenario;
    Editor editor;
    std::vector<std::string> texts;
    int selected = 0;
};

} // namespace finplan
