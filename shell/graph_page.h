// A graph folder or, with GraphKind::None, the Summary folder.
#pragma once

#include <QWidget>

#include "shell/logic/graph_interaction.h"
#include "shell/logic/main_presenter.h"

namespace finplan {

// graphs is the graph window's state, kept while the program runs.
QWidget* makeGraphPage(PlannerParts& parts, GraphInteraction& graphs, int kind, int firstAccount,
                       int accountCount, QWidget* parent);

} // namespace finplan
