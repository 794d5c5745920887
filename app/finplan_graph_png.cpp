// finplan-graph-png: the `finplan graph` options, drawn with Qt into a PNG image
// offscreen (no display needed).
//
//   finplan-graph-png FILE.ret --kind ... [same options as finplan graph] --png OUT.png
#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cstdlib>
#include <span>

#include "app/cli_support.h"
#include "app/graph_job.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "shell/qt_surface.h"

int main(int argc, char** argv) {
    using namespace finplan;
    using namespace finplan::cli;
    // Images are drawn offscreen whether or not a display is there.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");

    CLI::App cmd{"Run a scenario and draw a graph as a PNG image"};
    GraphRequest request;
    std::string out;
    addGraphOptions(cmd, request);
    cmd.add_option("--png", out, "Write the image to this .png file")->required();
    CLI11_PARSE(cmd, argc, argv);

    QGuiApplication app(argc, argv);
    // Qt takes the user's locale on start-up; the planner's texts and files always
    // use a decimal point, as printf and strtof read and write them in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    StderrMessages messages(true);
    GraphJob job;
    if (!prepareGraph(request, job, messages)) return 1;

    QImage image = blankGraphImage(request.width, request.height, job.state.options.buttonFace);
    {
        QPainter painter(&image);
        // The layout counts in average character widths (value-label room, age-label
        // spacing); in a fixed-pitch font every digit is exactly one, so the number labels
        // get the room the layout gives them, and the PNG matches the SVG.
        QFont font("DejaVu Sans Mono");
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(job.fontHeight * 6 / 7); // a cell of about fontHeight
        painter.setFont(font);
        QtSurface surface(painter);
        renderGraph(surface, job, request);
    }
    // Encoded in memory first, then written as every other file is (the old file
    // survives a failed write; devices and folders are refused).
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    FileResult r = image.save(&buffer, "PNG") ? FileResult{} : FileResult::failed("");
    if (r) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(png.constData());
        r = finplan::saveFile(
            out, std::span<const uint8_t>(bytes, static_cast<std::size_t>(png.size())));
    }
    if (!r) {
        showFileError(messages, "Cannot open " + out + " for writing!", r.reason);
        return 1;
    }
    return 0;
}
