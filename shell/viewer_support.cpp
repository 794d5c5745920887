#include "shell/viewer_support.h"

#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <clocale>
#include <cstdio>
#include <span>

#include "graphs/graph_palette.h"
#include "graphs/svg_surface.h"
#include "model/atomic_file.h"
#include "shell/qt_surface.h"
#include "shell/screen_fit.h"

namespace finplan {

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    return writeFileAtomically(
        path.toStdString(),
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
}

void paintOn(QPaintDevice& device, const GraphDrawing& draw, QSize size, const QFont& font) {
    QPainter painter(&device);
    painter.setFont(font);
    QtSurface surface(painter);
    const Rect window{0, 0, size.width(), size.height()};
    surface.fillRect(window, kDefaultButtonFace);
    draw(surface, window);
}

QByteArray pngOf(const GraphDrawing& draw, QSize size, const QFont& font) {
    QImage image = blankGraphImage(size.width(), size.height(), kDefaultButtonFace);
    paintOn(image, draw, size, font);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray pdfOf(const GraphDrawing& draw, QSize size, const QFont& font) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // A page the graph's size at the screen's 96 units an inch, so the text keeps
        // the size it has on screen.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setPageSize(
            QPageSize(QSizeF(size) * 0.75, QPageSize::Point, "Graph", QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintOn(pdf, draw, size, font);
    }
    return bytes;
}

QByteArray svgOf(const GraphDrawing& draw, QSize size, const QFont& font) {
    SvgSurface svg(size.width(), size.height(), QFontMetrics(font).height());
    const Rect window{0, 0, size.width(), size.height()};
    svg.fillRect(window, kDefaultButtonFace);
    draw(svg, window);
    return QByteArray::fromStdString(svg.document());
}

} // namespace

GraphCanvas::GraphCanvas(GraphDrawing theDraw, QWidget* parent)
    : QWidget(parent), draw_(std::move(theDraw)) {
    setObjectName("graph");
    setMinimumSize(320, 240);
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtSurface surface(painter);
    const Rect window{0, 0, width(), height()};
    surface.fillRect(window, kDefaultButtonFace);
    draw_(surface, window);
}

std::string exportGraph(const GraphDrawing& draw, const QString& path, QSize size,
                        const QFont& font) {
    const QString ending = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (ending == "png")
        bytes = pngOf(draw, size, font);
    else if (ending == "svg")
        bytes = svgOf(draw, size, font);
    else if (ending == "pdf")
        bytes = pdfOf(draw, size, font);
    else
        return "Cannot export to " + path.toStdString() +
               ": the name must end in .png, .svg or .pdf.";
    if (bytes.isEmpty() || !writeBytes(path, bytes))
        return "Cannot open " + path.toStdString() + " for writing!";
    return "";
}

QMenu* addViewerFileMenu(QMainWindow& window, GraphCanvas& canvas, const GraphDrawing& draw) {
    QMenu* file = window.menuBar()->addMenu("&File");
    const std::pair<const char*, const char*> kinds[] = {
        {"Export &PNG...", "PNG Images (*.png)"},
        {"Export &SVG...", "SVG Drawings (*.svg)"},
        {"Export P&DF...", "PDF Documents (*.pdf)"}};
    for (auto [label, filter] : kinds) {
        QString suffix = QString(filter).section("*.", 1).left(3);
        QObject::connect(
            file->addAction(label), &QAction::triggered, &window,
            [&window, &canvas, draw, filter, suffix] {
                QFileDialog dialog(&window, "Export the Graph", QString(), filter);
                dialog.setAcceptMode(QFileDialog::AcceptSave);
                dialog.setDefaultSuffix(suffix);
                if (dialog.exec() != QDialog::Accepted) return;
                const std::string problem = exportGraph(draw, dialog.selectedFiles().value(0),
                                                        canvas.size(), canvas.font());
                if (!problem.empty())
                    QMessageBox::critical(&window, "FILE ERROR", QString::fromStdString(problem));
            });
    }
    file->addSeparator();
    QAction* close = file->addAction("&Close");
    close->setShortcut(QKeySequence::Close);
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    return file;
}

std::unique_ptr<QCoreApplication> makeViewerApplication(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h" || a == "-?" || a == "--help-all" || a == "--version" ||
            a == "-v")
            return std::make_unique<QCoreApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

void startViewerProgram(const char* name, const char* version) {
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(version);
    std::setlocale(LC_NUMERIC, "C");
}

ViewerCommandLine::ViewerCommandLine(const QString& description, const QString& files,
                                     const QString& syntax) {
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(files, syntax);
    parser.addOption(grab);
    parser.addOption(exportTo);
}

int refuseFile(const std::string& message, bool unattended) {
    std::fprintf(stderr, "FILE ERROR: %s\n", message.c_str());
    if (!unattended) QMessageBox::critical(nullptr, "FILE ERROR", QString::fromStdString(message));
    return 1;
}

int runViewer(QMainWindow& window, const ViewerCommandLine& cmd, GraphCanvas& canvas,
              const GraphDrawing& draw) {
    keepOnScreen(window);
    window.show();
    if (cmd.parser.isSet(cmd.exportTo)) {
        QApplication::processEvents();
        const std::string problem =
            exportGraph(draw, cmd.parser.value(cmd.exportTo), canvas.size(), canvas.font());
        return problem.empty() ? 0 : refuseFile(problem, true);
    }
    if (cmd.parser.isSet(cmd.grab)) {
        QApplication::processEvents();
        const QString out = cmd.parser.value(cmd.grab);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        window.grab().toImage().save(&buffer, "PNG");
        if (!writeBytes(out, bytes))
            return refuseFile("Cannot open " + out.toStdString() + " for writing!", true);
        return 0;
    }
    return QApplication::exec();
}

} // namespace finplan
