#include "shell/grab_folders.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cctype>
#include <cstdio>

#include "shell/folder_tab_row.h"
#include "shell/main_window.h"
#include "text/format.h"

namespace finplan {

std::string grabFileName(int t, const std::string& label) {
    std::string slug;
    for (char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return format("%02d-%s.png", t, slug.c_str());
}

bool grabFolders(MainWindow& window, const std::string& dir) {
    if (!QDir().mkpath(QString::fromStdString(dir))) {
        std::fprintf(stderr, "Cannot create %s\n", dir.c_str());
        return false;
    }
    bool ok = true;
    auto shoot = [&](int t) {
        window.switchFolder(t);
        QApplication::processEvents();
        std::string label = window.tabRow()->labels()[t].toStdString();
        QString path = QDir(QString::fromStdString(dir))
                           .filePath(QString::fromStdString(grabFileName(t, label)));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "Cannot write %s\n", path.toStdString().c_str());
            ok = false;
        }
    };
    QApplication::processEvents();
    // The first tab shows the welcome page until another folder has been shown, and
    // the Summary after that: it is taken first and last.
    for (int t = 0; t < window.tabRow()->labels().size(); ++t)
        shoot(t);
    shoot(0);
    return ok;
}

} // namespace finplan
