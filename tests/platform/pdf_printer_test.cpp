// The PDF printer: a well-formed file of the pages drawn, written only when kept.
#include <gtest/gtest.h>

#include <string>

#include "platform/pdf_printer.h"

namespace finplan {
namespace {

struct Written {
    int calls = 0;
    std::string bytes;
    bool succeed = true;
    PdfPrinter::FileWriter writer() {
        return [this](const std::string&, const std::string& b, std::string& reason) {
            ++calls;
            bytes = b;
            if (!succeed) reason = "No space left on device";
            return succeed;
        };
    }
};

void printTwoPages(PdfPrinter& printer) {
    printer.beginDocument("Printing Graph");
    for (int i = 0; i < 2; ++i) {
        Surface* s = printer.beginPage();
        ASSERT_NE(s, nullptr);
        s->text(Point{0, 0}, "a (b) \\c", Color{}, TextAlign::Left, std::nullopt);
        s->line(Point{0, 0}, Point{100, 100}, Pen{Color{255, 0, 0}, 8});
        printer.endPage();
    }
    printer.endDocument();
}

TEST(PdfPrinter, CrossReferenceTablePointsAtEveryObject) {
    Written out;
    PdfPrinter printer("out.pdf", out.writer());
    printTwoPages(printer);
    ASSERT_TRUE(printer.finish(true));
    ASSERT_EQ(out.calls, 1);
    const std::string& pdf = out.bytes;
    ASSERT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    EXPECT_NE(pdf.find("/Count 2 "), std::string::npos);
    EXPECT_NE(pdf.find("/Title (Printing Graph)"), std::string::npos);
    // Brackets and backslashes in texts are escaped.
    EXPECT_NE(pdf.find("(a \\(b\\) \\\\c) Tj"), std::string::npos);

    const std::size_t start = pdf.rfind("startxref\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(start + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    // 5 fixed objects and two per page, each entry 20 bytes after the free entry.
    const std::size_t first = pdf.find('\n', pdf.find('\n', xref) + 1) + 1 + 20;
    for (int obj = 1; obj <= 9; ++obj) {
        const std::size_t at = std::stoul(pdf.substr(first + (obj - 1) * 20, 10));
        EXPECT_EQ(pdf.compare(at, std::to_string(obj).size() + 6, std::to_string(obj) + " 0 obj"),
                  0)
            << "object " << obj;
    }
}

TEST(PdfPrinter, NothingIsWrittenUnlessTheJobIsKept) {
    Written out;
    PdfPrinter printer("out.pdf", out.writer());
    printTwoPages(printer);
    EXPECT_TRUE(printer.finish(false));
    EXPECT_EQ(out.calls, 0);

    out.succeed = false;
    PdfPrinter failing("/x/out.pdf", out.writer());
    printTwoPages(failing);
    EXPECT_FALSE(failing.finish(true));
    EXPECT_EQ(failing.failure(), "Cannot open /x/out.pdf for writing!\nNo space left on device");

    PdfPrinter empty("out.pdf", out.writer());
    EXPECT_FALSE(empty.finish(true));
    EXPECT_NE(empty.failure().find("Nothing was printed"), std::string::npos);
}

TEST(PdfSurface, CourierMeasuresAndAGivenCharacterWidth) {
    PdfSurface s(Point{150, 150}, 6600, 100);
    EXPECT_EQ(s.metrics().height, 100);
    EXPECT_EQ(s.metrics().averageCharWidth, 60);
    EXPECT_EQ(s.textWidth("12345"), 300);
    s.setFont(FontSpec{"", 90, false, true, 36});
    EXPECT_EQ(s.metrics().lineHeight(), 90);
    EXPECT_EQ(s.textWidth("1234567890"), 360);
    s.text(Point{10, 20}, "x", Color{}, TextAlign::Left, std::nullopt);
    // 36 units of a 90-unit Courier (54 wide) is two thirds of its width.
    EXPECT_NE(s.content().find("/F1 90 Tf 66.67 Tz"), std::string::npos);
}

TEST(PdfPrinter, AnAbortedDocumentLeavesTheDocumentsBeforeIt) {
    Written out;
    PdfPrinter printer("out.pdf", out.writer());
    printTwoPages(printer);
    printer.beginDocument("Printing Graph");
    ASSERT_NE(printer.beginPage(), nullptr);
    printer.endPage();
    ASSERT_NE(printer.beginPage(), nullptr);
    printer.abortDocument();
    EXPECT_EQ(printer.pageCount(), 2);
}

} // namespace
} // namespace finplan
