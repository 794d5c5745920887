// Print Current Graph on a recording printer: the page setup margins in device units,
// the printer-page drawing and the window's own state left alone.
#include <gtest/gtest.h>

#include "graphs/graph_print.h"
#include "platform/recording_messages.h"
#include "platform/recording_printer.h"
#include "tests/graphs/graph_fixture.h"

namespace finplan::test {
namespace {

using Printer = RecordingPrinter<RecordingSurface>;

TEST(GraphPrint, MarginsAreThousandthsOfAnInchInDeviceUnits) {
    // Each product with the printer's dots per inch times 0.001, truncated.
    const PrinterDevice d{2400, 3000, 600, 300};
    const PageMargins m = deviceMargins(PageSetupMargins{1000, 1000, 333, 250}, d);
    EXPECT_EQ(m.left, 600);
    EXPECT_EQ(m.top, 300);
    EXPECT_EQ(m.right, 199); // 333 x 0.6 = 199.8
    EXPECT_EQ(m.bottom, 75);
}

TEST(GraphPrint, PageSetupAsksForThePrinterThenTheMargins) {
    Printer printer;
    printer.choice = PrintChoice{3};
    printer.margins = PageSetupMargins{500, 500, 500, 500};
    const auto setup = pageSetup(printer);
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->copies, 3);
    EXPECT_EQ(setup->margins.left, 150);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"printDialog", "pageSetupDialog"}));

    printer.margins.reset();
    EXPECT_FALSE(pageSetup(printer));
    printer.choice.reset();
    printer.calls.clear();
    EXPECT_FALSE(pageSetup(printer));
    EXPECT_EQ(printer.calls, std::vector<std::string>{"printDialog"});
}

TEST(GraphPrint, EachCopyIsADocumentDrawnOnThePrinterPage) {
    GraphFixture fx;
    fx.setRows(4);
    for (int r = 0; r < 4; ++r)
        fx.row(r).netWorth = 1000.0f * r;
    fx.draw(GraphKind::NetWorth); // the window's own drawing
    const PlotGeometry screen = fx.state.plot;

    Printer printer;
    RecordingMessages messages;
    const GraphPageSetup setup{2, PageMargins{100, 200, 100, 200}};
    const PrintedGraph graph{GraphKind::NetWorth, 0, 0, fx.series->plotRowCount, true};
    ASSERT_TRUE(printGraph(printer, setup, fx.state, graph, fx.source(), messages));

    EXPECT_EQ(printer.calls,
              (std::vector<std::string>{"beginDocument Printing Graph", "beginPage", "endPage",
                                        "endDocument", "beginDocument Printing Graph", "beginPage",
                                        "endPage", "endDocument", "finish keep"}));
    const RecordingSurface& page = *printer.pages[0];
    const auto fonts = page.opsOfKind(OpKind::SetFont);
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts[0].font.face, "Courier");
    EXPECT_TRUE(fonts[0].font.fixedPitch);
    // The title stands centred at the top of the area inside the margins: the page is
    // taller than wide, so the area is 2400 wide and 2400 x 2400 / 3000 = 1920 high.
    const auto title = page.textsEqual("NET WORTH");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].points[0], (Point{100 + (2300 - 100) / 2, 200}));
    // Series lines are eight units wide on paper.
    bool wide = false;
    for (const SurfaceOp& op : page.opsOfKind(OpKind::Line))
        wide = wide || (op.pen.color == seriesColor(0) && op.pen.width == 8);
    EXPECT_TRUE(wide);
    // The window keeps the geometry its mouse is measured against.
    EXPECT_EQ(fx.state.plot.plotLeft, screen.plotLeft);
    EXPECT_EQ(fx.state.plot.plotBottom, screen.plotBottom);
    EXPECT_FALSE(fx.state.options.printing);
    EXPECT_TRUE(messages.entries.empty());
}

TEST(GraphPrint, AFailedPageIsReportedAndNothingKept) {
    GraphFixture fx;
    fx.setRows(3);
    Printer printer;
    printer.failPage = true;
    RecordingMessages messages;
    EXPECT_FALSE(printGraph(printer, GraphPageSetup{}, fx.state,
                            PrintedGraph{GraphKind::NetWorth, 0, 0, 2, true}, fx.source(),
                            messages));
    EXPECT_EQ(printer.calls.back(), "finish discard");
    EXPECT_EQ(printer.calls.end()[-2], "abortDocument"); // not ended: nothing is sent
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Cannot print page!"});
}

} // namespace
} // namespace finplan::test
