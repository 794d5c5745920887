// The Printer port on Qt: QPrintDialog, QPageSetupDialog and a QPrinter page, with the
// "Abort..." window. The pages of a document are kept until it ends and only then
// drawn on the printer, so an Abort or a failed page sends nothing to it (a job handed
// to the printer cannot be called back). Printing to a PDF file (the dialog's print to
// file) goes through a temporary file that replaces the chosen one only when the print
// is kept.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <vector>

#include "platform/deferred_surface.h"
#include "platform/printer.h"
#include "shell/qt_surface.h"

class QDialog;
class QLabel;
class QTemporaryFile;
class QWidget;

namespace finplan {

class QtPrinter : public Printer {
  public:
    // owner: the main window, disabled while pages are printed.
    explicit QtPrinter(std::function<QWidget*()> owner);
    ~QtPrinter() override;

    std::optional<PrintChoice> printDialog() override;
    // What the print dialog does once the user chose: prints on `chosen`, `copies` times.
    std::optional<PrintChoice> startJob(std::unique_ptr<QPrinter> chosen, int copies);
    std::optional<PageSetupMargins> pageSetupDialog() override;
    PrinterDevice device() const override;

    bool beginDocument(const std::string& name) override;
    Surface* beginPage() override;
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;
    bool finish(bool keep) override;
    std::string failure() const override { return why_; }

    void showProgress(const std::string& text) override;
    bool keepPrinting() override;
    void closeProgress() override;

  private:
    bool toFile() const;
    void endPainting();
    void endMeasuring();
    bool sendPages(); // the kept pages of the document, onto the printer
    Surface& measuring();

    std::function<QWidget*()> owner;
    std::unique_ptr<QPrinter> printer_;
    QString target_; // the PDF file the dialog chose, written at finish()
    std::unique_ptr<QTemporaryFile> scratch_;
    QPainter painter_;
    std::unique_ptr<QtSurface> surface_;
    // The document's pages until it ends, measured at the printer's resolution.
    std::vector<std::unique_ptr<DeferredSurface>> kept;
    QImage measureImage_;
    QPainter measurePainter_;
    std::unique_ptr<QtSurface> measure_;
    bool pageOpen_ = false;
    bool firstPage_ = true;
    bool painterFailed_ = false;
    std::string why_;

    QDialog* abortDialog_ = nullptr;
    QLabel* abortText_ = nullptr;
    bool aborted_ = false;
};

} // namespace finplan
