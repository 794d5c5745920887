// Files dropped on the main window: a scenario opens, a tab file dropped on the
// Accounts folder is imported. The presenter decides; the window only reads the drop.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "shell/logic/dropped_files.h"
#include "shell/logic/folder_tabs.h"
#include "shell/main_window.h"

namespace finplan {

namespace {

// The one local file a drop carries; several files or anything else is not taken.
std::optional<std::string> droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    return url.toLocalFile().toStdString();
}

} // namespace

bool MainWindow::takesDrop(const QMimeData* theData) const {
    auto path = droppedFile(theData);
    return path && dropKindOf(*path, tabIndex_ == tab::kAccounts) != DropKind::None;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (takesDrop(e->mimeData())) e->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* e) {
    if (takesDrop(e->mimeData())) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    auto path = droppedFile(e->mimeData());
    if (!path || !takesDrop(e->mimeData())) return;
    e->acceptProposedAction();
    presenter_.dropFile(*path);
}

} // namespace finplan
