// What the three viewer programs (plot viewer, scenario comparison, trade-off grapher)
// share: the graph canvas, export to PNG, SVG or PDF, the command line, the message
// that refuses a file and the offscreen picture of the window.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "platform/surface.h"

class QCoreApplication;
class QMainWindow;
class QMenu;

namespace finplan {

// Draws a graph into the window rectangle of a surface.
using GraphDrawing = std::function<void(Surface& surface, const Rect& window)>;

// A widget that shows a drawing over its whole area on the graph background.
class GraphCanvas : public QWidget {
  public:
    GraphCanvas(GraphDrawing draw, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    GraphDrawing draw_;
};

// Writes the drawing, size device units large, to path as PNG, SVG or PDF (chosen by the
// file's ending), whole or not at all. Empty when written; otherwise the message.
std::string exportGraph(const GraphDrawing& draw, const QString& path, QSize size,
                        const QFont& font);

// The File menu of a viewer: Export PNG, SVG and PDF of what the canvas shows, and Close.
QMenu* addViewerFileMenu(QMainWindow& window, GraphCanvas& canvas, const GraphDrawing& draw);

// The application object of a viewer: a plain core application when the command line
// only asks for --help or --version, so those answer without a display, as command-line
// programs do; otherwise the widget application.
std::unique_ptr<QCoreApplication> makeViewerApplication(int& argc, char** argv);

// Names the running viewer (for --help and --version) and reads and writes numbers with a
// decimal point whatever the user's locale, as the planner writes its files.
void startViewerProgram(const char* name, const char* version);

// The options every viewer takes besides its files: --grab OUT.png, --export OUT,
// --help and --version.
struct ViewerCommandLine {
    QCommandLineParser parser;
    QCommandLineOption grab{"grab", "Draw the window offscreen into OUT.png and exit.", "OUT.png"};
    QCommandLineOption exportTo{"export", "Write the graph to OUT (.png, .svg or .pdf) and exit.",
                                "OUT"};
    ViewerCommandLine(const QString& description, const QString& files, const QString& syntax);
    // Runs without a user: messages go to standard error only.
    bool unattended() const { return parser.isSet(grab) || parser.isSet(exportTo); }
};

// Tells the user why a file cannot be shown (a message box unless unattended, and
// standard error); gives the exit status 1.
int refuseFile(const std::string& message, bool unattended);

// Shows window and, for --grab or --export, writes the picture or the graph and returns
// the exit status; otherwise runs the program until the window closes.
int runViewer(QMainWindow& window, const ViewerCommandLine& cmd, GraphCanvas& canvas,
              const GraphDrawing& draw);

} // namespace finplan
