// Port: a printer with its print and page setup dialogs, its documents and pages and
// the small "Abort..." window shown while pages are printed.
//
// One print is a job: the print dialog (or the page setup) chooses the printer and the
// copies, documents and pages follow, and finish() ends the job. A job that prints to
// a file writes that file only when finish() keeps the job, so a failed or cancelled
// print leaves no half-written file under the chosen name.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

namespace finplan {

// The printable part of the chosen printer's page, in its device units.
struct PrinterDevice {
    int width = 0;
    int height = 0;
    int dotsPerInchX = 600;
    int dotsPerInchY = 600;
};

struct PrintChoice {
    int copies = 1;
};

// Page margins in thousandths of an inch, as the page setup dialog gives them.
struct PageSetupMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;

    // The print dialog (no selection, no page range); nothing when cancelled.
    virtual std::optional<PrintChoice> printDialog() = 0;
    // The page setup dialog for the printer the print dialog chose.
    virtual std::optional<PageSetupMargins> pageSetupDialog() = 0;
    virtual PrinterDevice device() const = 0;

    virtual bool beginDocument(const std::string& name) = 0;
    // The page's surface, valid until endPage(); nullptr when no page could be started.
    virtual Surface* beginPage() = 0;
    virtual bool endPage() = 0;
    virtual bool endDocument() = 0;
    // In place of endDocument() after an Abort or a failed page: the document is thrown
    // away, none of its pages reaches the printer (documents ended before stand).
    virtual void abortDocument() = 0;
    // Ends the job. keep: what was printed stands; otherwise it is thrown away where
    // that is possible (a file). False when the output could not be completed, with
    // the reason in failure().
    virtual bool finish(bool keep) = 0;
    virtual std::string failure() const = 0;

    // The "Abort..." window with its text, and the abort procedure: lets pending input
    // through and tells whether printing goes on (false once Abort was pressed).
    virtual void showProgress(const std::string& text) = 0;
    virtual bool keepPrinting() = 0;
    virtual void closeProgress() = 0;
};

} // namespace finplan
