#include "shell/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace finplan {

QStringList qtNameFilters(const std::string& filter) {
    QString text = QString::fromStdString(filter);
    if (!text.contains('|')) return {text};
    QStringList parts = text.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        const QString& pattern = parts[i + 1];
        // Qt reads the patterns from the parentheses; names on disk are usually in
        // lower case, so the lower-case pattern joins an upper-case one there.
        int close = desc.lastIndexOf(')');
        if (close < 0) {
            desc += " (" + pattern + ")";
        } else if (!desc.contains(pattern)) {
            desc.insert(close, " " + pattern);
        }
        out << desc;
    }
    return out;
}

std::optional<std::string> QtFileChooser::run(const FileChoice& choice, bool save) {
    QFileDialog dialog(owner ? owner() : nullptr, QString::fromStdString(choice.title));
    dialog.setDirectory(QDir::currentPath());
    dialog.setNameFilters(qtNameFilters(choice.filter));
    dialog.setDefaultSuffix(QString::fromStdString(choice.defaultExtension));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The planner asks its own overwrite questions where it needs them.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!choice.initialName.empty()) dialog.selectFile(QString::fromStdString(choice.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtFileChooser::openFile(const FileChoice& choice) {
    return run(choice, false);
}
std::optional<std::string> QtFileChooser::saveFile(const FileChoice& choice) {
    return run(choice, true);
}

} // namespace finplan
