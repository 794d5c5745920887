#include "shell/qt_help.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace finplan {

std::string helpAnchor(int context) {
    return "ctx" + std::to_string(context);
}

QtHelp::QtHelp(std::string theHelpFile, std::string theFallbackFile, QWidget* theParent)
    : helpFile(std::move(theHelpFile)), fallbackFile(std::move(theFallbackFile)),
      parent(theParent) {}

QtHelp::~QtHelp() {
    if (dialog && !dialog->parent()) delete dialog.data();
}

void QtHelp::showContext(int context) {
    showAnchor(helpAnchor(context));
}

namespace {

// While a modal dialog is open every other window of the program is blocked, the help
// window too: it is lent to the dialog (a window of the dialog is not blocked by it)
// and given back to its owner when the dialog goes, still open.
class LentHelpWindow : public QObject {
  public:
    LentHelpWindow(QDialog* helpPort, QWidget* theOwner, QWidget* host)
        : QObject(helpPort), help(helpPort), owner(theOwner) {
        host->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            watched->removeEventFilter(this);
            const bool shown = help->isVisible();
            help->setParent(owner, help->windowFlags());
            if (shown) help->show();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QDialog* help;
    QPointer<QWidget> owner;
};

} // namespace

void QtHelp::lendToModalDialog() {
    QWidget* host = QApplication::activeModalWidget();
    if (!host || host == dialog.data() || dialog->parentWidget() == host) return;
    dialog->setParent(host, dialog->windowFlags());
    new LentHelpWindow(dialog.data(), parent, host);
}

void QtHelp::showAnchor(const std::string& name) {
    anchor = name;
    if (!dialog) {
        dialog = new QDialog(parent);
        dialog->setWindowTitle("Financial Planner Help");
        dialog->resize(560, 480);
        auto* layout = new QVBoxLayout(dialog.data());
        browser = new QTextBrowser(dialog.data());
        browser->setOpenLinks(true);
        layout->addWidget(browser);
    }
    // Read the file each time so an edited help file shows without a restart.
    QFile file(QString::fromStdString(helpFile));
    if (!file.exists() && !fallbackFile.empty())
        file.setFileName(QString::fromStdString(fallbackFile));
    if (file.open(QIODevice::ReadOnly)) {
        browser->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser->setPlainText(
            QString("The help file %1 could not be opened.").arg(QString::fromStdString(helpFile)));
    }
    browser->scrollToAnchor(QString::fromStdString(name));
    lendToModalDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace finplan
