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

void EventListPresenter::edit(int line) {
    int i = eventOfLine(line);
    selected = line;
    if (line == 0) {
        if (editor) editor(-1); // the initial values
        refill();
        return;
    }
    if (i < 0 || !editor) return;
    int saved = beginEditEvent(scenario, i);
    EditorResult r = editor(i);
    endEditEvent(scenario, saved);
    refill();
    if (r != EditorResult::Unavailable) scenario.resultsStale = true;
}

void EventListPresenter::copy(int line) {
    int i = eventOfLine(line);
    selected = line;
    if (i < 0 || !copyEvent(scenario, i)) return;
    // The editor works on the original; the copy keeps the values it had. Without an
    // editor in the build the copy simply stays.
    EditorResult r = EditorResult::Unavailable;
    if (editor) {
        int saved = beginEditEvent(scenario, i);
        r = editor(i);
        endEditEvent(scenario, saved);
    }
    if (r == EditorResult::Cancelled) {
        deleteEvent(scenario, i); // a cancelled copy leaves the list as it was
    } else {
        scenario.scenarioModified = true;
    }
    scenario.resultsStale = true;
    refill();
}

void EventListPresenter::remove(int line) {
    int i = eventOfLine(line);
    selected = line;
    if (i < 0) return;
    deleteEvent(scenario, i);
    scenario.scenarioModified = true;
    refill();
    if (selected >= static_cast<int>(texts.size())) selected = static_cast<int>(texts.size()) - 1;
}

} // namespace finplan
