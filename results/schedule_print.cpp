#include "results/schedule_print.h"

#include <fstream>

#include "engine/money.h"

namespace finplan {

namespace {

constexpr const char* kIndent = "          "; // every page file line is moved in ten blanks
constexpr std::size_t kLongestLine = 255;
constexpr Color kInk = rgb(0, 0, 0);

bool isMarker(const std::string& line) {
    return !line.empty() && line[0] == '?';
}

// Marker lines that carry no text of their own ("?BO", "?Bo").
bool isHiddenMarker(const std::string& pageLine) {
    const std::string_view text = std::string_view(pageLine).substr(
        pageLine.starts_with(kIndent) ? std::string_view(kIndent).size() : 0);
    return text.starts_with("?BO") || text.starts_with("?Bo");
}

std::string expandTabs(const std::string& line) {
    std::string out;
    for (char ch : line) {
        if (ch != '\t') {
            out += ch;
            continue;
        }
        do
            out += ' ';
        while (out.size() % 8 != 0);
    }
    return out;
}

void openError(Messages& messages, const std::string& name) {
    messages.show(name, "FILE OPEN ERROR", MessageIcon::Error);
}

void writeHeader(std::ofstream& page) {
    for (const std::string& l : columnHeaderBlock())
        page << l << '\n';
}

} // namespace

const std::vector<std::string>& columnHeaderBlock() {
    static const std::vector<std::string> block = {
        std::string(kIndent) + std::string(184, '-'),
        "          Age     Investment        Tax-Free      Retirement        Assets            "
        "Equity       Liabilities      Net Worth",
        "                   Accounts          Accounts      Accounts        Accounts          "
        "Accounts",
        std::string(kIndent) + std::string(184, '-')};
    return block;
}

std::string pageFileName(const std::string& dir, int page) {
    const std::string name = format("page%d", page);
    return dir.empty() ? name : dir + "/" + name;
}

int paginate(const std::string& printFile, const std::string& pageDir, Messages& messages) {
    std::ifstream in(printFile);
    if (!in) {
        openError(messages, printFile);
        return 0;
    }
    int p = 1;
    std::ofstream page(pageFileName(pageDir, p), std::ios::trunc);
    if (!page) {
        openError(messages, pageFileName(pageDir, p));
        return 0;
    }
    int n = 1;
    bool any = false;
    std::string line;
    while (std::getline(in, line)) {
        any = true;
        if (line.size() > kLongestLine) line.resize(kLongestLine);
        // A new page only for a line that is there to go on it; and a header block that
        // stepped over the page length still ends the page.
        if (n >= kPageLength) {
            if (p == kMaxPrintPages) {
                messages.show(format("The schedule is longer than %d pages: only the first %d "
                                     "pages are printed.",
                                     kMaxPrintPages, kMaxPrintPages),
                              "Print Results", MessageIcon::Warning);
                break;
            }
            page.close();
            ++p;
            page.open(pageFileName(pageDir, p), std::ios::trunc);
            if (!page) {
                openError(messages, pageFileName(pageDir, p));
                return 0;
            }
            writeHeader(page);
            n = 1 + 4;
        }
        if (line.starts_with("??")) {
            writeHeader(page);
            n += 4;
        } else {
            page << kIndent << line << '\n';
            if (!isMarker(line)) ++n;
        }
    }
    page.close();
    if (!page) {
        openError(messages, pageFileName(pageDir, p));
        return 0;
    }
    // An empty print file has nothing to put on a page.
    return any ? p : 0;
}

bool printPage(Surface& surface, const PrinterDevice& device, const std::string& pageFile, int page,
               const PageHeading& heading) {
    std::ifstream in(pageFile);
    if (!in) return false;
    // Seventy lines of 130 characters to the page, in a fixed-pitch face so the columns
    // of the schedule line up.
    surface.setFont(FontSpec{"", device.height / 70, false, true, device.width / 130});
    const int step = std::max(surface.metrics().lineHeight(), 1);
    int y = 0;
    auto put = [&](const std::string& text, bool centred, int lines) {
        if (centred)
            surface.text(Point{device.width / 2, y}, text, kInk, TextAlign::Centre, std::nullopt);
        else
            surface.text(Point{0, y}, expandTabs(text), kInk, TextAlign::Left, std::nullopt);
        y += lines * step;
    };
    if (page > 1)
        surface.text(Point{0, y}, format("          Page %d", page), Color{}, TextAlign::Left,
                     std::nullopt);
    y += 2 * step;
    const bool first = page == 1;
    put("          Financial Schedule", first, 1);
    put("          File: " + heading.file, first, 1);
    put("          Date: " + heading.date, false, 1);
    put("          Time: " + heading.time, false, 2);
    std::string line;
    while (std::getline(in, line)) {
        if (isHiddenMarker(line)) continue;
        // Long lines run off the page's right edge rather than wrapping.
        put(line, false, 1);
    }
    return !in.bad();
}

bool printPages(Printer& printer, int pageCount, const PageHeading& heading,
                const std::string& pageDir, Messages& messages) {
    const auto choice = printer.printDialog();
    if (!choice) return false;
    const PrinterDevice device = printer.device();
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(choice->copies, 1); ++copy) {
        ok = printer.beginDocument("Printing Schedule");
        for (int p = 1; ok && p <= pageCount; ++p) {
            printer.showProgress(format("   Now printing Page %d of %d.....", p, pageCount));
            Surface* surface = printer.keepPrinting() ? printer.beginPage() : nullptr;
            ok = surface && printPage(*surface, device, pageFileName(pageDir, p), p, heading);
            ok = surface && printer.endPage() && ok && printer.keepPrinting();
        }
        if (!ok) messages.show("Cannot print page!", "Print Error", MessageIcon::Error);
        printer.endDocument();
    }
    printer.closeProgress();
    if (!printer.finish(ok) && ok) {
        messages.show(printer.failure(), "Print Error", MessageIcon::Error);
        return false;
    }
    return ok;
}

} // namespace finplan
