// The simple folder pages: the splash page and the read-only accounts list.
#pragma once

#include <QWidget>
#include <functional>

#include "model/account_list.h"
#include "model/scenario.h"

class QListWidget;

namespace finplan {

// A list of fixed-layout text lines (the schedule, the event list): a fixed-pitch font
// so their columns line up, every line whole, scrolled sideways pixel by pixel.
QListWidget* makeTextLineList(const char* objectName, QWidget* parent);

QWidget* makeSplashPage(QWidget* parent);
// onEdit is called with the row of a double-clicked account.
QWidget* makeAccountsPage(Scenario& s, const AccountListSort& sort, bool idColumn,
                          std::function<void(int row)> onEdit, QWidget* parent);

} // namespace finplan
