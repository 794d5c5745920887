#include "model/window_placement.h"

#include <sstream>

#include "model/atomic_file.h"
#include "model/text_lines.h"

namespace finplan {

WindowPlacement loadPlacement(const std::string& path) {
    WindowPlacement p;
    std::string text;
    readTextFile(path, kMaxSettingsFileBytes, text); // a missing file keeps the defaults
    std::istringstream in(text);
    std::string line;
    for (int* value : {&p.left, &p.top, &p.width, &p.height}) {
        if (!readTextLine(in, line)) break;
        const char* at = line.c_str();
        scanInt(at, *value);
    }
    return p;
}

void savePlacement(const WindowPlacement& p, const std::string& path) {
    std::string text;
    for (int v : {p.left, p.top, p.width, p.height})
        text += std::to_string(v) + "\n";
    writeTextFileAtomically(path, text);
}

} // namespace finplan
