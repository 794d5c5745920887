// The Groups dialog without its widgets: ten rows of a name and two random-rate
// bounds. OK checks every row before anything is stored, so a refused row or Cancel
// leaves the scenario as it was.
#pragma once

#include <array>
#include <string>

#include "model/scenario.h"
#include "platform/messages.h"

namespace finplan {

struct GroupRowTexts {
    std::string name;    // edit i (1..10)
    std::string minRate; // edit 12 + 2i
    std::string maxRate; // edit 13 + 2i
};

class GroupsPresenter {
  public:
    GroupsPresenter(Scenario& scenario, Messages& messages);

    // Rows of groups without a name start blank.
    std::array<GroupRowTexts, kMaxGroups> rows;

    // True when every row passed and the groups were stored.
    bool ok();
    // The control id of the bound whose check refused the last OK (minimum 12 + 2i,
    // maximum 13 + 2i for row i = 1..10), 0 when none: the dialog goes back there.
    int refusedField() const { return refused; }
    static int minimumId(int row) { return 14 + 2 * row; } // row 0..9
    static int maximumId(int row) { return 15 + 2 * row; }

  private:
    Scenario& scenario;
    Messages& messages;
    int refused = 0;
};

} // namespace finplan
