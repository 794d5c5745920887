#include "results/schedule_print.h"

#include <sstream>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/utf8_text.h"
#include "text/format.h"
#include "text/printable_text.h"

namespace finplan {

namespace {

constexpr const char* kIndent = "          "; // every page file line is moved in ten blanks
constexpr std::size_t kLongestLine = 255;
// Far more than 999 pages of the longest lines; what lies beyond is never printed.
constexpr std::size_t kMaxPrintFileBytes = std::size_t{64} << 20;
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

// The name of the file with its folder, and on a second line the system's reason when
// there is one.
void openError(Messages& messages, const std::string& name, const std::string& reason = {}) {
    messages.show(withReason(absolutePath(name), reason), "FILE OPEN ERROR", MessageIcon::Error);
}

// Each page is a file of its own, replaced whole like any file the program writes (a
// named pipe or a device of that name is refused, not written into).
bool savePage(const std::string& name, const std::string& text, Messages& messages) {
    if (const FileResult r = saveTextFile(name, text); !r) {
        openError(messages, name, r.reason);
        return false;
    }
    return true;
}

void writeHeader(std::ostream& page) {
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
    std::string printText;
    if (const FileResult r = readTextFile(printFile, kMaxPrintFileBytes, printText); !r) {
        openError(messages, printFile, r.reason);
        return 0;
    }
    std::istringstream in(printText);
    int p = 1;
    std::ostringstream page;
    int n = 1;
    bool any = false;
    std::string line;
    while (std::getline(in, line)) {
        any = true;
        line = utf8Cut(line, kLongestLine);
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
            if (!savePage(pageFileName(pageDir, p), page.str(), messages)) return 0;
            page.str("");
            ++p;
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
    if (!savePage(pageFileName(pageDir, p), page.str(), messages)) return 0;
    // An empty print file has nothing to put on a page.
    return any ? p : 0;
}

bool printPage(Surface& surface, const PrinterDevice& device, const std::string& pageFile, int page,
               const PageHeading& heading) {
    std::string pageText;
    if (!readTextFile(pageFile, kMaxPrintFileBytes, pageText)) return false;
    std::istringstream in(pageText);
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
    put("          File: " + printableText(heading.file), first, 1);
    put("          Date: " + heading.date, false, 1);
    put("          Time: " + heading.time, false, 2);
    std::string line;
    while (std::getline(in, line)) {
        if (isHiddenMarker(line)) continue;
        // Long lines run off the page's right edge rather than wrapping.
        put(line, false, 1);
    }
    return true;
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
        if (ok) {
            printer.endDocument();
        } else {
            // Nothing of a document that was aborted or lost a page is printed.
            printer.abortDocument();
            messages.show("Cannot print page!", "Print Error", MessageIcon::Error);
        }
    }
    printer.closeProgress();
    if (!printer.finish(ok) && ok) {
        messages.show(printer.failure(), "Print Error", MessageIcon::Error);
        return false;
    }
    return ok;
}

} // namespace finplan
