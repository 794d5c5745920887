// Print Results: the print file cut into numbered page files, each drawn on one printer
// page under its heading.
#pragma once

#include <string>
#include <vector>

#include "platform/messages.h"
#include "platform/printer.h"

namespace finplan {

// Page files are named "page1" to "page999"; a longer schedule is cut there.
inline constexpr int kMaxPrintPages = 999;
// Counted lines a page holds: 59 on the first, the header block and 55 on the others.
inline constexpr int kPageLength = 60;

// The four lines that stand for the "??" marker and head every page after the first.
const std::vector<std::string>& columnHeaderBlock();

// "page%d" with the page number, in folder dir ("" for the working directory).
std::string pageFileName(const std::string& dir, int page);

// Cuts the print file into page files; the page count, or 0 when a file could not be
// opened (the message has been shown) or the print file is empty.
int paginate(const std::string& printFile, const std::string& pageDir, Messages& messages);

// The lines above the schedule on every page.
struct PageHeading {
    std::string file; // the scenario's name as the title shows it
    std::string date;
    std::string time;
};

// The print dialog, then every page of every copy. False when nothing was printed
// (cancelled, a page failed, printing aborted); the messages have been shown.
bool printPages(Printer& printer, int pageCount, const PageHeading& heading,
                const std::string& pageDir, Messages& messages);

// Draws one page file on a printer page; false when the page file cannot be read.
bool printPage(Surface& surface, const PrinterDevice& device, const std::string& pageFile, int page,
               const PageHeading& heading);

} // namespace finplan
