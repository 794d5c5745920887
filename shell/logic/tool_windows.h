// The table of open tool windows: each modal tool dialog marks itself open while it
// shows. While any is open most commands only bring them to the front.
#pragma once

#include <functional>
#include <map>
#include <string>

namespace finplan {

class ToolWindows {
  public:
    // Marks a tool open; raise() brings its window to the front.
    void open(const std::string& name, std::function<void()> raise = {}) {
        tools[name] = std::move(raise);
    }
    void close(const std::string& name) { tools.erase(name); }
    bool isOpen(const std::string& name) const { return tools.count(name) != 0; }
    bool anyOpen() const { return !tools.empty(); }
    // Clears every open mark (after Open and Save As).
    void clearMarks() { tools.clear(); }

    // Brings every open tool window to the front; true when one was open.
    bool bringToFront() const {
        for (const auto& [name, raise] : tools)
            if (raise) raise();
        return anyOpen();
    }

  private:
    std::map<std::string, std::function<void()>> tools;
};

} // namespace finplan
