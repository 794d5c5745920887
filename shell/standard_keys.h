// The desktop's own key sequences for the planner's standard keys.
#pragma once

#include <QKeySequence>
#include <QList>

#include "shell/logic/key_table.h"

namespace finplan {

// The platform's bindings of the key, or the usual one where it defines none.
QList<QKeySequence> keySequencesOf(StandardKey key);

// The key as the menus show it ("Ctrl+S").
QString shownKey(StandardKey key);

} // namespace finplan
