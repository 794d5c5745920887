// The Printer port on Qt: QPrintDialog, QPageSetupDialog and a QPrinter page, with the
// "Abort..." window. Printing to a PDF file (the dialog's print to file) goes through
// a temporary file that replaces the chosen one only when the print is kept.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

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
    std::optional<PageSetupMargins> pageSetupDialog() override;
    PrinterDevice device() const override;

    bool beginDocument(const std::string& name) override;
    Surface* beginPage() override;
    bool endPage() override;
    bool endDocument() override;
    bool finish(bool keep) override;
    std::string failure() const override { return why; }

    void showProgress(const std::string& text) override;
    bool keepPrinting() override;
    void closeProgress() override;

  private:
    bool toFile() const;
    void endPainting();

    std::function<QWidget*()> owner;
    std::unique_ptr<QPrinter> printer;
    QString target; // the PDF file the dialog chose, written at finish()
    std::unique_ptr<QTemporaryFile> scratch;
    QPainter painter;
    std::unique_ptr<QtSurface> surface;
    bool pageOpen = false;
    bool firstPage = true;
    bool painterFailed = false;
    std::string why;

    QDialog* abortDialog = nullptr;
    QLabel* abortText = nullptr;
    bool aborted = false;
};

} // namespace finplan
