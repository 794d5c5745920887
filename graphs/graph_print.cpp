#include "graphs/graph_print.h"

#include <algorithm>
#include <functional>

#include "graphs/draw_graph.h"

namespace finplan {

PageMargins deviceMargins(const PageSetupMargins& m, const PrinterDevice& device) {
    auto units = [](int thousandths, int dotsPerInch) {
        return static_cast<int>(thousandths * static_cast<double>(dotsPerInch) * 0.001);
    };
    return PageMargins{units(m.left, device.dotsPerInchX), units(m.top, device.dotsPerInchY),
                       units(m.right, device.dotsPerInchX), units(m.bottom, device.dotsPerInchY)};
}

std::optional<GraphPageSetup> pageSetup(Printer& printer) {
    const auto choice = printer.printDialog();
    if (!choice) return std::nullopt;
    const auto margins = printer.pageSetupDialog();
    if (!margins) return std::nullopt;
    return GraphPageSetup{std::max(choice->copies, 1), deviceMargins(*margins, printer.device())};
}

namespace {

// One page per copy, each its own document "Printing Graph", drawn by draw.
bool printPages(Printer& printer, int copies, Messages& messages,
                const std::function<void(Surface&)>& draw) {
    bool ok = true;
    for (int copy = 0; ok && copy < copies; ++copy) {
        ok = printer.beginDocument("Printing Graph");
        Surface* surface = ok ? printer.beginPage() : nullptr;
        if (surface) {
            surface->setFont(FontSpec{"Courier", 0, false, true});
            draw(*surface);
        }
        ok = surface && printer.endPage() && ok;
        if (ok) {
            printer.endDocument();
        } else {
            printer.abortDocument();
            messages.show("Cannot print page!", "Print Error", MessageIcon::Error);
        }
    }
    if (!printer.finish(ok) && ok) {
        messages.show(printer.failure(), "Print Error", MessageIcon::Error);
        return false;
    }
    return ok;
}

} // namespace

bool printGraph(Printer& printer, const GraphPageSetup& setup, const GraphWindowState& screen,
                const PrintedGraph& graph, const GraphSource& source, Messages& messages) {
    // The print draws with its own copy of the window state: the screen keeps the
    // geometry the mouse is measured against.
    GraphWindowState page = screen;
    page.layoutMode = 0;
    page.options.printing = true;
    page.options.margins = setup.margins;
    const PrinterDevice device = printer.device();
    return printPages(printer, setup.copies, messages, [&](Surface& surface) {
        if (graph.drawable)
            drawGraph(surface, Rect{0, 0, device.width, device.height}, graph.kind,
                      graph.firstAccount, graph.lastAccount, graph.lastRowIndex, page, source);
    });
}

bool printFanChart(Printer& printer, const GraphPageSetup& setup, const FanChart& chart,
                   Messages& messages) {
    const PrinterDevice device = printer.device();
    const PageMargins& m = setup.margins;
    const Rect area{m.left, m.top, std::max(m.left + 1, device.width - m.right),
                    std::max(m.top + 1, device.height - m.bottom)};
    return printPages(printer, setup.copies, messages,
                      [&](Surface& surface) { drawFanChart(surface, area, chart); });
}

} // namespace finplan
