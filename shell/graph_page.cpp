#include "shell/graph_page.h"

#include "shell/folder_pages.h"

namespace finplan {

QWidget* makeGraphPage(PlannerParts&, int kind, const char* title, int, int, QWidget* parent) {
    QString name = kind == 0 ? QString("SUMMARY") : QString(title);
    return makeUnavailablePage(name, "Drawing the graphs is not available in this build of the "
                                     "planner. The Results folder lists the same figures.",
                               parent);
}

}  // namespace finplan
