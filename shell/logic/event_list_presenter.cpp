#include "shell/logic/event_list_presenter.h"

#include "model/scenario_ops.h"
#include "results/event_descriptions.h"

namespace finplan {

void EventListPresenter::refill() {
    // The list form sorts the events and sets every listLine.
    texts = describeEvents(scenario, true);
}

int EventListPresenter::eventOfLine(int line) const {
    if (line <= 0 || line >= static_cast<int>(texts.size())) return -1;
    const int n = std::min(scenario.eventCount, kMaxEvents);
    for (int i = 0; i < n; ++i) {
        int next = i + 1 < kMaxEvents ? scenario.events[i + 1].listLine : 1000;
        if (i + 1 >= n) next = 1000; // the slot after the last event
        if (line == scenario.events[i].listLine || line < next) return i;
    }
    return -1;
}

void EventListPresenter::keepSelection() {
    refill();
    if (selected >= static_cast<int>(texts.size())) selected = static_cast<int>(texts.size()) - 1;
    if (selected < 0) selected = 0;
}

void EventListPresenter::edit(int line) {
    selected = line;
    if (!editing) return;
    if (line == 0) {
        editing->editInitialValues();
        keepSelection();
        return;
    }
    const int i = eventOfLine(line);
    if (i < 0) return;
    editing->editEvent(i);
    editing->changes().changed(ScenarioChange::EventEditorClosed);
    keepSelection();
}

void EventListPresenter::copy(int line) {
    selected = line;
    const int i = eventOfLine(line);
    if (i < 0 || !editing) return;
    // Only an editor left with OK adds the copy; anything else changes nothing.
    editing->copyEvent(i);
    keepSelection();
}

void EventListPresenter::remove(int line) {
    selected = line;
    const int i = eventOfLine(line);
    if (i < 0 || !editing) return;
    editing->deleteEvent(i);
    keepSelection();
}

} // namespace finplan
