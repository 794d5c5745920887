#include "shell/logic/event_list_presenter.h"

#include "model/scenario_ops.h"
#include "results/event_descriptions.h"

namespace finplan {

void EventListPresenter::refill() {
    // The list form sorts the events and sets every listLine.
    texts_ = describeEvents(scenario_, true);
}

int EventListPresenter::eventOfLine(int line) const {
    if (line <= 0 || line >= static_cast<int>(texts_.size())) return -1;
    const int n = std::min(scenario_.eventCount, kMaxEvents);
    for (int i = 0; i < n; ++i) {
        int next = i + 1 < kMaxEvents ? scenario_.events[i + 1].listLine : 1000;
        if (i + 1 >= n) next = 1000; // the slot after the last event
        if (line == scenario_.events[i].listLine || line < next) return i;
    }
    return -1;
}

void EventListPresenter::keepSelection() {
    refill();
    if (selected_ >= static_cast<int>(texts_.size()))
        selected_ = static_cast<int>(texts_.size()) - 1;
    if (selected_ < 0) selected_ = 0;
}

void EventListPresenter::edit(int line) {
    selected_ = line;
    if (!editing_) return;
    if (line == 0) {
        editing_->editInitialValues();
        keepSelection();
        return;
    }
    const int i = eventOfLine(line);
    if (i < 0) return;
    editing_->editEvent(i);
    editing_->changes().changed(ScenarioChange::EventEditorClosed);
    keepSelection();
}

void EventListPresenter::copy(int line) {
    selected_ = line;
    const int i = eventOfLine(line);
    if (i < 0 || !editing_) return;
    // Only an editor left with OK adds the copy; anything else changes nothing.
    editing_->copyEvent(i);
    keepSelection();
}

void EventListPresenter::remove(int line) {
    selected_ = line;
    const int i = eventOfLine(line);
    if (i < 0 || !editing_) return;
    editing_->deleteEvent(i);
    keepSelection();
}

} // namespace finplan
