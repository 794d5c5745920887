#include "platform/pdf_printer.h"

#include <cstdio>

namespace finplan {

namespace {

constexpr int kPageWidth = 8 * kPdfUnitsPerInch + kPdfUnitsPerInch / 2; // 8.5 inches
constexpr int kPageHeight = 11 * kPdfUnitsPerInch;
constexpr int kUnprintable = kPdfUnitsPerInch / 4;
// A font asked for without a height is twelve points high.
constexpr int kDefaultFontHeight = kPdfUnitsPerInch / 6;

std::string literal(const std::string& text) {
    std::string s = "(";
    for (unsigned char ch : text) {
        if (ch < 32 || ch > 126) ch = '?';
        if (ch == '(' || ch == ')' || ch == '\\') s += '\\';
        s += static_cast<char>(ch);
    }
    return s + ")";
}

} // namespace

PrinterDevice PdfPrinter::device() const {
    return PrinterDevice{kPageWidth - 2 * kUnprintable, kPageHeight - 2 * kUnprintable,
                         kPdfUnitsPerInch, kPdfUnitsPerInch};
}

bool PdfPrinter::beginDocument(const std::string& name) {
    // Every copy goes into the one file; the first document names it.
    if (title_.empty()) title_ = name;
    documentStart_ = pages_.size();
    return true;
}

void PdfPrinter::abortDocument() {
    page_.reset();
    pages_.resize(documentStart_);
}

Surface* PdfPrinter::beginPage() {
    page_ = std::make_unique<PdfSurface>(Point{kUnprintable, kUnprintable}, kPageHeight,
                                         kDefaultFontHeight);
    return page_.get();
}

bool PdfPrinter::endPage() {
    if (!page_) return false;
    pages_.push_back(page_->content());
    page_.reset();
    return true;
}

bool PdfPrinter::finish(bool keep) {
    page_.reset();
    if (!keep) {
        pages_.clear();
        return true;
    }
    if (pages_.empty()) {
        why_ = "Nothing was printed, so " + path_ + " was not written.";
        return false;
    }
    if (std::string reason; !write_(path_, document(), reason)) {
        why_ = "Cannot open " + path_ + " for writing!";
        if (!reason.empty()) why_ += "\n" + reason; // the reason on a line of its own
        return false;
    }
    return true;
}

std::string PdfPrinter::document() const {
    // Objects: 1 catalog, 2 page tree, 3 and 4 the fonts, 5 the document information,
    // then a page and its content stream for each page.
    std::vector<std::string> objects;
    std::string kids;
    const int first = 6;
    for (std::size_t i = 0; i < pages_.size(); ++i)
        kids += std::to_string(first + 2 * static_cast<int>(i)) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Count " + std::to_string(pages_.size()) + " /Kids [" +
                      kids + "] >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding "
                      "/WinAnsiEncoding >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier-Bold /Encoding "
                      "/WinAnsiEncoding >>");
    objects.push_back("<< /Title " + literal(title_) + " /Producer (finplan) >>");
    const double points = 72.0 / kPdfUnitsPerInch;
    char box[64];
    std::snprintf(box, sizeof box, "[0 0 %d %d]", static_cast<int>(kPageWidth * points),
                  static_cast<int>(kPageHeight * points));
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const int contents = first + 2 * static_cast<int>(i) + 1;
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox " + std::string(box) +
                          " /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(contents) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(pages_[i].size()) + " >>\nstream\n" +
                          pages_[i] + "endstream");
    }

    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t off : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", off);
        out += entry;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

} // namespace finplan
