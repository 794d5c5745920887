// The OK, Cancel and Help row of the planner's modal dialogs. OK asks `accept`
// first and closes only when it agrees; Cancel closes; Help calls `help`.
#pragma once

#include <QDialog>
#include <functional>

class QBoxLayout;

namespace finplan {

void addDialogButtons(QDialog& dialog, QBoxLayout& layout, std::function<bool()> accept,
                      std::function<void()> help);

} // namespace finplan
