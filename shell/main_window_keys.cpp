// The main window's keyboard: the platform's standard keys shown on their menu items,
// and the keys that step through the folders.
#include <QAction>

#include "shell/folder_tab_row.h"
#include "shell/logic/command_ids.h"
#include "shell/main_window.h"
#include "shell/standard_keys.h"

namespace finplan {

namespace {

// The item's text as the menu table gives it, kept for when its key moves away.
const char* const kMenuText = "menuText";

void showKey(QAction* a, std::optional<StandardKey> key) {
    if (!a->property(kMenuText).isValid()) a->setProperty(kMenuText, a->text());
    if (!key) {
        a->setShortcuts({});
        a->setText(a->property(kMenuText).toString());
        return;
    }
    const std::string label = menuLabel(a->property(kMenuText).toString().toStdString());
    a->setText(QString::fromStdString(label) + "\t" + shownKey(*key));
    a->setShortcuts(keySequencesOf(*key));
}

} // namespace

void MainWindow::installStandardKeys() {
    // The menu's item comes first among a command's actions; the toolbar's buttons
    // share its command but not its key (one key, one action).
    for (const KeyBinding& b : standardKeyCommands())
        if (!actionsOf(b.command).empty()) showKey(actionsOf(b.command).front(), b.key);

    // Ctrl+PgDown / Ctrl+PgUp and Ctrl+Tab / Ctrl+Shift+Tab step through the folders.
    const std::pair<StandardKey, int> steps[] = {{StandardKey::NextFolder, 1},
                                                 {StandardKey::PreviousFolder, -1}};
    for (auto [key, step] : steps) {
        auto* a = new QAction(this);
        QList<QKeySequence> keys = keySequencesOf(key);
        keys.prepend(QKeySequence(step > 0 ? "Ctrl+PgDown" : "Ctrl+PgUp"));
        // Shift+Tab arrives as Backtab from some keyboards and as Tab from others.
        if (step < 0)
            for (const QKeySequence& back : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)})
                if (!keys.contains(back)) keys << back;
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, [this, step = step] {
            switchFolder(steppedFolder(tabIndex_, step, static_cast<int>(tabs_->labels().size())));
        });
        addAction(a);
    }
}

void MainWindow::movePrintKey(bool graphShown) {
    const int keyed = printCommand(graphShown);
    for (int id : {cmd::kPrintResults, cmd::kPrintGraph})
        if (!actionsOf(id).empty())
            showKey(actionsOf(id).front(),
                    id == keyed ? std::optional(StandardKey::Print) : std::nullopt);
}

} // namespace finplan
