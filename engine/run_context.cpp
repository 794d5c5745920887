#include "engine/run_context.h"

#include "model/scenario_ops.h"

namespace finplan {

int RunContext::accountIndexUnplanned(int id) const {
    if (accountCount() == 0) return -1;
    const int i = findAccountIndex(scenario, id);
    return (i >= 0 && i < accountCount()) ? i : -1;
}

void RunContext::planOwn() {
    ownPlan = std::make_unique<RunPlan>();
    planRun(scenario, *ownPlan);
    plan = ownPlan.get();
    savingsHint = 0;
}

} // namespace finplan
