// A graph folder (kind 1..7) or, with kind 0, the Summary folder.
#pragma once

#include <QWidget>

#include "shell/logic/main_presenter.h"

namespace finplan {

QWidget* makeGraphPage(PlannerParts& parts, int kind, int firstAccount, int accountCount,
                       QWidget* parent);

} // namespace finplan
