// The Mortgage Schedule window: a resizable report list of the mortgage event the
// Mortgage event editor has just stored, year by year.
#pragma once

#include <QDialog>

#include "calculators/mortgage_schedule.h"
#include "shell/logic/main_presenter.h"

class QTreeWidget;

namespace finplan {

class MortgageScheduleWindow : public QDialog {
    Q_OBJECT
  public:
    MortgageScheduleWindow(PlannerParts& parts, QWidget* parent);
    QTreeWidget* list() const { return table; }
    void done(int result) override;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void fill();
    void setColumnWidths();

    PlannerParts& parts;
    MortgageSchedule schedule;
    QTreeWidget* table;
};

} // namespace finplan
