// Windows that fit the screen at any scale: a dialog larger than the room on its
// screen scrolls instead of running off it, and a window opens fully on the screen.
#pragma once

#include <QObject>

class QWidget;

namespace finplan {

// Watches every dialog the application shows and fits it to its screen before it
// appears. Qt centres a dialog on its parent window and keeps it on the screen; this
// makes sure that it can.
class DialogScreenFit : public QObject {
  public:
    explicit DialogScreenFit(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The object name of a dialog's row of buttons: it stays in sight when the rest scrolls.
inline constexpr const char* kButtonRowName = "dialogButtons";

// Installs one DialogScreenFit for the application (a second call does nothing).
void fitDialogsToScreen();

// Cuts a top-level window to the room on its screen and moves it fully onto it.
void keepOnScreen(QWidget& window);

} // namespace finplan
