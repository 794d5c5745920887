#include "shell/qt_printer.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "model/atomic_file.h"

namespace finplan {

QtPrinter::QtPrinter(std::function<QWidget*()> theOwner) : owner(std::move(theOwner)) {}

QtPrinter::~QtPrinter() {
    endPainting();
    endMeasuring();
    closeProgress();
}

bool QtPrinter::toFile() const {
    return printer && printer->outputFormat() == QPrinter::PdfFormat;
}

std::optional<PrintChoice> QtPrinter::printDialog() {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    target.clear();
    why.clear();
    QPrintDialog dialog(printer.get(), owner());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = printer->copyCount();
    return startJob(std::move(printer), copies);
}

std::optional<PrintChoice> QtPrinter::startJob(std::unique_ptr<QPrinter> chosen, int copies) {
    printer = std::move(chosen);
    // The copies are printed one document each, so the printer must not repeat them.
    printer->setCopyCount(1);
    return PrintChoice{std::max(copies, 1)};
}

std::optional<PageSetupMargins> QtPrinter::pageSetupDialog() {
    if (!printer) return std::nullopt;
    QPageSetupDialog dialog(printer.get(), owner());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QMarginsF m = printer->pageLayout().margins(QPageLayout::Inch);
    // The graph takes the margins off itself: the page keeps only what the paper needs.
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    auto thousandths = [](double inches) { return static_cast<int>(inches * 1000.0 + 0.5); };
    return PageSetupMargins{thousandths(m.left()), thousandths(m.top()), thousandths(m.right()),
                            thousandths(m.bottom())};
}

PrinterDevice QtPrinter::device() const {
    if (!printer) return {};
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    return PrinterDevice{page.width(), page.height(), printer->logicalDpiX(),
                         printer->logicalDpiY()};
}

bool QtPrinter::beginDocument(const std::string& name) {
    if (!printer) return false;
    // Copies into one file go on in the one job, which keeps its first name.
    if (!painter.isActive()) printer->setDocName(QString::fromStdString(name));
    kept.clear();
    if (toFile() && !scratch) {
        target = printer->outputFileName();
        scratch = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/finplan-print-XXXXXX.pdf");
        if (!scratch->open()) {
            why = "Cannot open a temporary file for the print!";
            return false;
        }
        scratch->close();
        printer->setOutputFileName(scratch->fileName());
    }
    return true;
}

Surface& QtPrinter::measuring() {
    if (!measure) {
        // Text is measured as the printer will draw it: at its resolution.
        measureImage = QImage(1, 1, QImage::Format_RGB32);
        constexpr double kInchesPerMetre = 39.3701;
        measureImage.setDotsPerMeterX(static_cast<int>(printer->logicalDpiX() * kInchesPerMetre));
        measureImage.setDotsPerMeterY(static_cast<int>(printer->logicalDpiY() * kInchesPerMetre));
        measurePainter.begin(&measureImage);
        measure = std::make_unique<QtSurface>(measurePainter);
    }
    return *measure;
}

Surface* QtPrinter::beginPage() {
    if (!printer) return nullptr;
    kept.push_back(std::make_unique<DeferredSurface>(measuring()));
    pageOpen = true;
    if (QWidget* w = owner()) w->setEnabled(false);
    return kept.back().get();
}

bool QtPrinter::endPage() {
    pageOpen = false;
    if (QWidget* w = owner()) w->setEnabled(true);
    return printer != nullptr;
}

bool QtPrinter::endDocument() {
    const bool sent = sendPages();
    // Into a file, every copy goes on after the last: the file is one job.
    if (!toFile()) endPainting();
    return sent && !painterFailed;
}

bool QtPrinter::sendPages() {
    if (!painter.isActive()) {
        if (!painter.begin(printer.get())) {
            why = "The printer cannot be started.";
            painterFailed = true;
            kept.clear();
            return false;
        }
        surface = std::make_unique<QtSurface>(painter);
        firstPage = true;
    }
    bool ok = true;
    for (const auto& page : kept) {
        if (!firstPage && !printer->newPage()) {
            ok = false;
            break;
        }
        firstPage = false;
        page->replay(*surface);
    }
    kept.clear();
    return ok;
}

void QtPrinter::abortDocument() {
    kept.clear();
    if (pageOpen) endPage();
}

void QtPrinter::endMeasuring() {
    measure.reset();
    if (measurePainter.isActive()) measurePainter.end();
}

void QtPrinter::endPainting() {
    surface.reset();
    if (painter.isActive() && !painter.end()) painterFailed = true;
}

bool QtPrinter::finish(bool keep) {
    kept.clear();
    endPainting();
    bool ok = !painterFailed;
    if (scratch) {
        if (keep && ok) {
            QFile f(scratch->fileName());
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
            if (bytes.isEmpty() ||
                !writeFileAtomically(
                    target.toStdString(),
                    std::span<const uint8_t>(data, static_cast<size_t>(bytes.size())))) {
                why = "Cannot open " + target.toStdString() + " for writing!";
                ok = false;
            }
        }
        scratch.reset(); // removes the temporary file
    }
    endMeasuring(); // the next printer may have another resolution
    printer.reset();
    painterFailed = false;
    return ok || !keep;
}

void QtPrinter::showProgress(const std::string& text) {
    if (!abortDialog) {
        aborted = false;
        // A window of its own, so it stays usable while the main window is disabled.
        abortDialog = new QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
        abortDialog->setObjectName("abortDialog");
        abortDialog->setWindowTitle("Abort...");
        abortText = new QLabel(abortDialog);
        abortText->setAlignment(Qt::AlignCenter);
        auto* button = new QPushButton("Abort", abortDialog);
        QObject::connect(button, &QPushButton::clicked, abortDialog, [this] { aborted = true; });
        // Escape and the window's close button stop the print as Abort does; the
        // window would otherwise only hide for the rest of the job.
        QObject::connect(abortDialog, &QDialog::rejected, abortDialog, [this] { aborted = true; });
        auto* layout = new QVBoxLayout(abortDialog);
        layout->addWidget(abortText);
        layout->addWidget(button, 0, Qt::AlignHCenter);
        abortDialog->show();
    }
    abortText->setText(QString::fromStdString(text));
    QApplication::processEvents();
}

bool QtPrinter::keepPrinting() {
    QApplication::processEvents();
    return !aborted;
}

void QtPrinter::closeProgress() {
    delete abortDialog;
    abortDialog = nullptr;
    abortText = nullptr;
}

} // namespace finplan
