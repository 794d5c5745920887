// The unattended picture run: shows every folder of the main window in turn and
// saves each as DIR/NN-foldername.png.
#pragma once

#include <string>

namespace finplan {

class MainWindow;

// File name of folder t with that label: "03-results.png".
std::string grabFileName(int t, const std::string& label);
// True when every picture was written.
bool grabFolders(MainWindow& window, const std::string& dir);

} // namespace finplan
