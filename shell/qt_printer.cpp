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
    return printer_ && printer_->outputFormat() == QPrinter::PdfFormat;
}

std::optional<PrintChoice> QtPrinter::printDialog() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    target_.clear();
    why_.clear();
    QPrintDialog dialog(printer_.get(), owner());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = printer_->copyCount();
    return startJob(std::move(printer_), copies);
}

std::optional<PrintChoice> QtPrinter::startJob(std::unique_ptr<QPrinter> chosen, int copies) {
    printer_ = std::move(chosen);
    // The copies are printed one document each, so the printer must not repeat them.
    printer_->setCopyCount(1);
    return PrintChoice{std::max(copies, 1)};
}

std::optional<PageSetupMargins> QtPrinter::pageSetupDialog() {
    if (!printer_) return std::nullopt;
    QPageSetupDialog dialog(printer_.get(), owner());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QMarginsF m = printer_->pageLayout().margins(QPageLayout::Inch);
    // The graph takes the margins off itself: the page keeps only what the paper needs.
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    auto thousandths = [](double inches) { return static_cast<int>(inches * 1000.0 + 0.5); };
    return PageSetupMargins{thousandths(m.left()), thousandths(m.top()), thousandths(m.right()),
                            thousandths(m.bottom())};
}

PrinterDevice QtPrinter::device() const {
    if (!printer_) return {};
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return PrinterDevice{page.width(), page.height(), printer_->logicalDpiX(),
                         printer_->logicalDpiY()};
}

bool QtPrinter::beginDocument(const std::string& name) {
    if (!printer_) return false;
    // Copies into one file go on in the one job, which keeps its first name.
    if (!painter_.isActive()) printer_->setDocName(QString::fromStdString(name));
    kept.clear();
    if (toFile() && !scratch_) {
        target_ = printer_->outputFileName();
        scratch_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/finplan-print-XXXXXX.pdf");
        if (!scratch_->open()) {
            why_ = "Cannot open a temporary file for the print!";
            return false;
        }
        scratch_->close();
        printer_->setOutputFileName(scratch_->fileName());
    }
    return true;
}

Surface& QtPrinter::measuring() {
    if (!measure_) {
        // Text is measured as the printer will draw it: at its resolution.
        measureImage_ = QImage(1, 1, QImage::Format_RGB32);
        constexpr double kInchesPerMetre = 39.3701;
        measureImage_.setDotsPerMeterX(static_cast<int>(printer_->logicalDpiX() * kInchesPerMetre));
        measureImage_.setDotsPerMeterY(static_cast<int>(printer_->logicalDpiY() * kInchesPerMetre));
        measurePainter_.begin(&measureImage_);
        measure_ = std::make_unique<QtSurface>(measurePainter_);
    }
    return *measure_;
}

Surface* QtPrinter::beginPage() {
    if (!printer_) return nullptr;
    kept.push_back(std::make_unique<DeferredSurface>(measuring()));
    pageOpen_ = true;
    if (QWidget* w = owner()) w->setEnabled(false);
    return kept.back().get();
}

bool QtPrinter::endPage() {
    pageOpen_ = false;
    if (QWidget* w = owner()) w->setEnabled(true);
    return printer_ != nullptr;
}

bool QtPrinter::endDocument() {
    const bool sent = sendPages();
    // Into a file, every copy goes on after the last: the file is one job.
    if (!toFile()) endPainting();
    return sent && !painterFailed_;
}

bool QtPrinter::sendPages() {
    if (!painter_.isActive()) {
        if (!painter_.begin(printer_.get())) {
            why_ = "The printer cannot be started.";
            painterFailed_ = true;
            kept.clear();
            return false;
        }
        surface_ = std::make_unique<QtSurface>(painter_);
        firstPage_ = true;
    }
    bool ok = true;
    for (const auto& page : kept) {
        if (!firstPage_ && !printer_->newPage()) {
            ok = false;
            break;
        }
        firstPage_ = false;
        page->replay(*surface_);
    }
    kept.clear();
    return ok;
}

void QtPrinter::abortDocument() {
    kept.clear();
    if (pageOpen_) endPage();
}

void QtPrinter::endMeasuring() {
    measure_.reset();
    if (measurePainter_.isActive()) measurePainter_.end();
}

void QtPrinter::endPainting() {
    surface_.reset();
    if (painter_.isActive() && !painter_.end()) painterFailed_ = true;
}

bool QtPrinter::finish(bool keep) {
    kept.clear();
    endPainting();
    bool ok = !painterFailed_;
    if (scratch_) {
        if (keep && ok) {
            QFile f(scratch_->fileName());
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
            if (bytes.isEmpty() ||
                !writeFileAtomically(
                    target_.toStdString(),
                    std::span<const uint8_t>(data, static_cast<size_t>(bytes.size())))) {
                why_ = "Cannot open " + target_.toStdString() + " for writing!";
                ok = false;
            }
        }
        scratch_.reset(); // removes the temporary file
    }
    endMeasuring(); // the next printer may have another resolution
    printer_.reset();
    painterFailed_ = false;
    return ok || !keep;
}

void QtPrinter::showProgress(const std::string& text) {
    if (!abortDialog_) {
        aborted_ = false;
        // A window of its own, so it stays usable while the main window is disabled.
        abortDialog_ = new QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
        abortDialog_->setObjectName("abortDialog");
        abortDialog_->setWindowTitle("Abort...");
        abortText_ = new QLabel(abortDialog_);
        abortText_->setAlignment(Qt::AlignCenter);
        auto* button = new QPushButton("Abort", abortDialog_);
        QObject::connect(button, &QPushButton::clicked, abortDialog_, [this] { aborted_ = true; });
        // Escape and the window's close button stop the print as Abort does; the
        // window would otherwise only hide for the rest of the job.
        QObject::connect(abortDialog_, &QDialog::rejected, abortDialog_,
                         [this] { aborted_ = true; });
        auto* layout = new QVBoxLayout(abortDialog_);
        layout->addWidget(abortText_);
        layout->addWidget(button, 0, Qt::AlignHCenter);
        abortDialog_->show();
    }
    abortText_->setText(QString::fromStdString(text));
    QApplication::processEvents();
}

bool QtPrinter::keepPrinting() {
    QApplication::processEvents();
    return !aborted_;
}

void QtPrinter::closeProgress() {
    delete abortDialog_;
    abortDialog_ = nullptr;
    abortText_ = nullptr;
}

} // namespace finplan
