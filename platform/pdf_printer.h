// A printer that makes a PDF file: US Letter pages with the printable area a quarter
// inch in from each edge, 600 device units to the inch. Its dialogs answer with the
// copies and margins it was given. The file is written only when the job is kept.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/pdf_surface.h"
#include "platform/printer.h"

namespace finplan {

class PdfPrinter : public Printer {
  public:
    // Writes the finished file's bytes to path; false when that failed, with the
    // system's reason in reason when there is one.
    using FileWriter =
        std::function<bool(const std::string& path, const std::string& bytes, std::string& reason)>;

    PdfPrinter(std::string path, FileWriter write)
        : path_(std::move(path)), write_(std::move(write)) {}

    int copies = 1;
    PageSetupMargins margins{1000, 1000, 1000, 1000}; // an inch all round

    std::optional<PrintChoice> printDialog() override { return PrintChoice{copies}; }
    std::optional<PageSetupMargins> pageSetupDialog() override { return margins; }
    PrinterDevice device() const override;

    bool beginDocument(const std::string& name) override;
    Surface* beginPage() override;
    bool endPage() override;
    bool endDocument() override { return true; }
    void abortDocument() override;
    bool finish(bool keep) override;
    std::string failure() const override { return why_; }

    void showProgress(const std::string&) override {}
    bool keepPrinting() override { return true; }
    void closeProgress() override {}

    // The file as it would be written now.
    std::string document() const;
    int pageCount() const { return static_cast<int>(pages_.size()); }

  private:
    std::string path_;
    FileWriter write_;
    std::string title_;
    std::vector<std::string> pages_; // content streams
    std::size_t documentStart_ = 0;  // the first page of the document being printed
    std::unique_ptr<PdfSurface> page_;
    std::string why_;
};

} // namespace finplan
