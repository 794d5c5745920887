#include "shell/qt_help.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace finplan {

std::string helpAnchor(int context) {
    return "ctx" + std::to_string(context);
}

QtHelp::QtHelp(std::string helpFile, std::string fallbackFile, QWidget* parent)
    : helpFile(std::move(helpFile)), fallbackFile(std::move(fallbackFile)), parent(parent) {}

QtHelp::~QtHelp() {
    if (dialog && !dialog->parent()) delete dialog.data();
}

void QtHelp::showContext(int context) {
    showAnchor(helpAnchor(context));
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
    dialog->show();
    dialog->raise();
}

} // namespace finplan
