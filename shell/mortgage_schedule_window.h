// The Mortgage Schedule window: a resizable report list, year by year, of the mortgage
// the Mortgage event editor has just validated.
#pragma once

#include <QDialog>

#include "calculators/mortgage_schedule.h"
#include "shell/logic/main_presenter.h"

class QTreeWidget;

namespace finplan {

class MortgageScheduleWindow : public QDialog {
    Q_OBJECT
  public:
    // The mortgage given, else the event in slot currentEvent.
    MortgageScheduleWindow(PlannerParts& parts, const Event* mortgage, QWidget* parent);
    QTreeWidget* list() const { return table_; }
    void done(int result) override;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void fill(const Event* mortgage);
    void setColumnWidths();

    PlannerParts& parts_;
    MortgageSchedule schedule_;
    QTreeWidget* table_;
};

} // namespace finplan
