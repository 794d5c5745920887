// The Mortgage Schedule: year by year, how a mortgage event is paid down and what the
// property is worth. A table model of ten text columns that a list view shows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calculators/calculator_memory.h"
#include "model/records.h"
#include "model/scenario.h"

namespace finplan {

class MortgageSchedule {
  public:
    static constexpr int kColumnCount = 10;
    static constexpr int kExpectedRows = 130;
    using Row = std::array<std::string, kColumnCount>;

    static const char* header(int column);
    // Width of a column for a list of the given client width (the columns together
    // are wider than the list, which scrolls sideways).
    static int columnWidth(int column, int clientWidth);

    // Fills the rows from the mortgage event; writes its month counter and running
    // totals as the schedule goes. A mortgage outside the limits gives no rows.
    void fill(Event& mortgage, const InitialValues& initial);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Empty text for a cell outside the table.
    std::string cell(int row, int column) const;
    const std::vector<Row>& allRows() const { return rows_; }

  private:
    std::vector<Row> rows_;
};

// The window's width bookkeeping: resizing wider than the remembered width asks for
// the column widths to be recomputed; closing forgets the width.
bool scheduleNeedsNewWidths(ScheduleWindowState& state, int clientWidth);
void scheduleWindowClosed(ScheduleWindowState& state);

} // namespace finplan
