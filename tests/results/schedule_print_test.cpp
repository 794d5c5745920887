// Print Results without a printer: the print file cut into page files, the pages drawn
// on a recording printer, copies, a cancelled dialog and Abort.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "graphs/recording_surface.h"
#include "platform/recording_messages.h"
#include "platform/recording_printer.h"
#include "results/schedule_print.h"
#include "tests/model/files_test_support.h"

namespace finplan::test {
namespace {

using Printer = RecordingPrinter<RecordingSurface>;

struct PrintFixture {
    ScratchDir scratch;
    RecordingMessages messages;
    std::string dir = std::filesystem::path(scratch.file("x")).parent_path().string();
    std::string printFile = scratch.file("ptmpsch.dat");

    // The print file: the "??" marker first (the header block, four counted lines),
    // then `counted` numbered lines, with extra lines mixed in where asked.
    void write(int counted, const std::vector<std::pair<int, std::string>>& extras = {}) {
        std::ofstream out(printFile);
        out << "\n\n??\n";
        for (int i = 1; i <= counted; ++i) {
            for (const auto& [before, text] : extras)
                if (before == i) out << text << "\n";
            out << "line " << i << "\n";
        }
    }
    std::vector<std::string> page(int p) const {
        std::ifstream in(pageFileName(dir, p));
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
    int paginate() { return finplan::paginate(printFile, dir, messages); }
};

TEST(Paginate, FiftyNineCountedLinesFitOnTheFirstPage) {
    // The two empty lines before the marker count as well: 2 + 4 (header) + 53 = 59.
    PrintFixture fx;
    fx.write(53);
    EXPECT_EQ(fx.paginate(), 1);
    const auto p1 = fx.page(1);
    ASSERT_EQ(p1.size(), 2u + 4u + 53u);
    EXPECT_EQ(p1[2], columnHeaderBlock()[0]);
    EXPECT_EQ(p1[3].substr(0, 20), "          Age     In");
    EXPECT_EQ(p1.back(), "          line 53");

    // One more line opens the second page, which starts with the header block.
    fx.write(54);
    EXPECT_EQ(fx.paginate(), 2);
    const auto p2 = fx.page(2);
    ASSERT_EQ(p2.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(p2.begin(), p2.begin() + 4), columnHeaderBlock());
    EXPECT_EQ(p2[4], "          line 54");
}

TEST(Paginate, MarkerLinesAreCarriedButNotCounted) {
    PrintFixture fx;
    fx.write(53, {{10, "?BO something"}, {20, "?x"}, {30, "?Bo"}});
    EXPECT_EQ(fx.paginate(), 1);
    const auto p1 = fx.page(1);
    EXPECT_EQ(p1.size(), 2u + 4u + 53u + 3u);
    EXPECT_NE(std::find(p1.begin(), p1.end(), "          ?BO something"), p1.end());
}

TEST(Paginate, EveryPageAfterTheFirstRepeatsTheHeaderAndHolds55Lines) {
    PrintFixture fx;
    fx.write(53 + 55 + 55 + 1);
    EXPECT_EQ(fx.paginate(), 4);
    for (int p = 2; p <= 4; ++p) {
        const auto lines = fx.page(p);
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4), columnHeaderBlock())
            << "page " << p;
    }
    EXPECT_EQ(fx.page(2).size(), 4u + 55u);
    EXPECT_EQ(fx.page(2)[4], "          line 54");
    EXPECT_EQ(fx.page(4).size(), 5u);
}

TEST(Paginate, AMarkerNearThePageEndStillEndsThePage) {
    // The header block of a late "??" steps from 57 to 61: the page still ends there
    // instead of running on to the 120th line.
    PrintFixture fx;
    {
        std::ofstream out(fx.printFile);
        for (int i = 1; i <= 56; ++i)
            out << "event " << i << "\n";
        out << "??\n";
        for (int i = 1; i <= 10; ++i)
            out << "line " << i << "\n";
    }
    EXPECT_EQ(fx.paginate(), 2);
    EXPECT_EQ(fx.page(1).size(), 56u + 4u);
    EXPECT_EQ(fx.page(2)[4], "          line 1");
}

TEST(Paginate, StopsAtPage999WithAMessage) {
    PrintFixture fx;
    fx.write(53 + 998 * 55 + 1);
    EXPECT_EQ(fx.paginate(), kMaxPrintPages);
    ASSERT_EQ(fx.messages.entries.size(), 1u);
    EXPECT_EQ(fx.messages.entries[0].title, "Print Results");
    EXPECT_NE(fx.messages.entries[0].text.find("999"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pageFileName(fx.dir, 1000)));
}

TEST(Paginate, AMissingPrintFileIsReportedByNameAndWhy) {
    PrintFixture fx;
    EXPECT_EQ(fx.paginate(), 0);
    ASSERT_EQ(fx.messages.entries.size(), 1u);
    EXPECT_EQ(fx.messages.entries[0].text, fx.printFile + "\n" + std::strerror(ENOENT));
    EXPECT_EQ(fx.messages.entries[0].title, "FILE OPEN ERROR");
}

// Something of a page file's name that is not a file (a named pipe would have held the
// print for ever) is refused with its name and what it is, and stays as it was.
TEST(Paginate, APageNameThatIsNotAFileIsRefused) {
    PrintFixture fx;
    fx.write(10);
    const std::string pipe = pageFileName(fx.dir, 1);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(fx.paginate(), 0);
    ASSERT_EQ(fx.messages.entries.size(), 1u);
    EXPECT_EQ(fx.messages.entries[0].text, pipe + "\nIs a named pipe (FIFO), not a file");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

std::vector<std::string> drawnTexts(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const SurfaceOp& op : s.opsOfKind(OpKind::Text))
        out.push_back(op.text);
    return out;
}

TEST(PrintPages, HeadingsHiddenMarkersAndLongLines) {
    PrintFixture fx;
    fx.write(60, {{5, "?BO bold on"}, {6, "?Bo bold off"}, {7, "?other"}});
    const int pages = fx.paginate();
    ASSERT_EQ(pages, 2);
    Printer printer;
    const PageHeading heading{"plan.ret", "12/8/26", "1:00:00 AM "};
    ASSERT_TRUE(printPages(printer, pages, heading, fx.dir, fx.messages));

    ASSERT_EQ(printer.pages.size(), 2u);
    const RecordingSurface& p1 = *printer.pages[0];
    const auto texts = drawnTexts(p1);
    EXPECT_EQ(texts[0], "          Financial Schedule");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "          ?BO bold on"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "          ?Bo bold off"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "          ?other"), 1);
    // Page 1: title and file centred on the page; the font gives 70 lines of 130
    // characters of the 2400 x 3000 printable area.
    const auto title = p1.textsEqual("          Financial Schedule");
    EXPECT_EQ(title[0].align, TextAlign::Centre);
    EXPECT_EQ(title[0].points[0].x, 1200);
    EXPECT_EQ(p1.opsOfKind(OpKind::SetFont)[0].font.height, 3000 / 70);
    EXPECT_EQ(p1.opsOfKind(OpKind::SetFont)[0].font.charWidth, 2400 / 130);
    EXPECT_EQ(p1.textsEqual("          Date: 12/8/26")[0].align, TextAlign::Left);
    // The dash line is drawn whole, not wrapped.
    EXPECT_EQ(p1.textsEqual(columnHeaderBlock()[0]).size(), 2u);

    const RecordingSurface& p2 = *printer.pages[1];
    const auto t2 = drawnTexts(p2);
    EXPECT_EQ(t2[0], "          Page 2");
    EXPECT_EQ(p2.textsEqual("          Financial Schedule")[0].align, TextAlign::Left);
    EXPECT_EQ(printer.progress.back(), "   Now printing Page 2 of 2.....");
}

TEST(PrintPages, TwoCopiesAreTwoDocuments) {
    PrintFixture fx;
    fx.write(10);
    Printer printer;
    printer.choice = PrintChoice{2};
    ASSERT_TRUE(printPages(printer, fx.paginate(), {}, fx.dir, fx.messages));
    const std::vector<std::string> expected = {"printDialog", "beginDocument Printing Schedule",
                                               "beginPage",   "endPage",
                                               "endDocument", "beginDocument Printing Schedule",
                                               "beginPage",   "endPage",
                                               "endDocument", "closeProgress",
                                               "finish keep"};
    EXPECT_EQ(printer.calls, expected);
    EXPECT_TRUE(fx.messages.entries.empty());
}

TEST(PrintPages, CancelAbortAndFailuresPrintNothing) {
    PrintFixture fx;
    fx.write(200);
    const int pages = fx.paginate();
    {
        Printer printer;
        printer.choice.reset();
        EXPECT_FALSE(printPages(printer, pages, {}, fx.dir, fx.messages));
        EXPECT_EQ(printer.calls, std::vector<std::string>{"printDialog"});
        EXPECT_TRUE(fx.messages.entries.empty());
    }
    {
        Printer printer;
        printer.abortAfterPages = 2;
        EXPECT_FALSE(printPages(printer, pages, {}, fx.dir, fx.messages));
        EXPECT_EQ(printer.pages.size(), 2u);
        // The document is thrown away, never ended: ending it would send its pages.
        const std::vector<std::string> last(printer.calls.end() - 3, printer.calls.end());
        EXPECT_EQ(last,
                  (std::vector<std::string>{"abortDocument", "closeProgress", "finish discard"}));
        ASSERT_EQ(fx.messages.entries.size(), 1u);
        EXPECT_EQ(fx.messages.entries[0].text, "Cannot print page!");
        EXPECT_EQ(fx.messages.entries[0].title, "Print Error");
    }
    {
        // A page file that went missing fails its page.
        fx.messages.entries.clear();
        std::filesystem::remove(pageFileName(fx.dir, 2));
        Printer printer;
        EXPECT_FALSE(printPages(printer, pages, {}, fx.dir, fx.messages));
        EXPECT_EQ(printer.calls.back(), "finish discard");
        EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), "endDocument"), 0);
        EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), "abortDocument"), 1);
        EXPECT_EQ(fx.messages.texts(), std::vector<std::string>{"Cannot print page!"});
    }
    {
        // The finished output cannot be written: said so, and not reported as printed.
        fx.messages.entries.clear();
        fx.paginate();
        Printer printer;
        printer.failFinish = true;
        EXPECT_FALSE(printPages(printer, pages, {}, fx.dir, fx.messages));
        EXPECT_EQ(fx.messages.texts(),
                  std::vector<std::string>{"Cannot open out.pdf for writing!"});
    }
}

} // namespace
} // namespace finplan::test
