// The simple folder pages: the splash page and the text-line lists.
#pragma once

#include <QWidget>

class QListWidget;

namespace finplan {

// A list of fixed-layout text lines (the schedule, the event list): a fixed-pitch font
// so their columns line up, every line whole, scrolled sideways pixel by pixel.
QListWidget* makeTextLineList(const char* objectName, QWidget* parent);

QWidget* makeSplashPage(QWidget* parent);

} // namespace finplan
