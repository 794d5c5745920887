#include "graphs/plot_file_reader.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "model/small_text_file.h"
#include "model/text_lines.h"
#include "model/utf8_text.h"
#include "model/whole_number.h"

namespace finplan {

namespace {

bool isDone(const std::string& line) {
    return line.compare(0, 4, "Done") == 0;
}

bool readHeader(TextLineCursor& lines, PlotFileContents& out, int& rows, int& accounts) {
    std::string line;
    if (!lines.next(line, "its graph kind")) return false;
    if (!lineInt(line, out.graphKind) || out.graphKind < GraphKind::NetWorth ||
        out.graphKind > GraphKind::Groups)
        return lines.failHere("should hold a graph kind from 1 to 7.");
    PlotSeries& s = *out.series;
    for (auto [prefix, text] : {std::pair{"File: ", &s.fileText}, std::pair{"Date: ", &s.dateText},
                                std::pair{"Time: ", &s.timeText}}) {
        if (!lines.next(line, "its header")) return false;
        if (line.compare(0, std::strlen(prefix), prefix) != 0)
            return lines.failHere(std::string("should begin with \"") + prefix + "\".");
        *text = line.substr(std::strlen(prefix));
    }
    float years = 0;
    if (!lines.next(line, "its number of years")) return false;
    if (!lineFloat(line, years) || years < 1 || years >= kMaxPlotRows + 1)
        return lines.failHere("should hold the number of years, 1 to " +
                              std::to_string(kMaxPlotRows) + ".");
    rows = static_cast<int>(years);
    if (!lines.next(line, "its number of accounts")) return false;
    if (!lineInt(line, accounts) || accounts < 0 || accounts > kMaxAccounts)
        return lines.failHere("should hold the number of accounts, 0 to " +
                              std::to_string(kMaxAccounts) + ".");
    s.accountCount = accounts;
    out.scenario->accounts.accountCount = static_cast<int16_t>(accounts);
    for (int i = 0; i < accounts; ++i) {
        if (!lines.next(line, "its account names")) return false;
        s.accountNames[static_cast<std::size_t>(i)] = utf8Cut(line, kAccountNameWidth - 1);
    }
    return true;
}

bool readRow(TextLineCursor& lines, PlotSeries& s, int k, int rows, int accounts) {
    std::string line;
    const std::string ended = "the year " + std::to_string(k + 1) + " of " + std::to_string(rows);
    auto endsEarly = [&] { return lines.failHere("ends the file at " + ended + "."); };
    for (int i = 0; i < accounts; ++i) {
        if (!lines.next(line, ended)) return false;
        if (isDone(line)) return endsEarly();
        if (!lineFloat(line,
                       s.accountBalances[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)]))
            return lines.failHere("should hold an account balance.");
    }
    if (!lines.next(line, ended)) return false;
    if (isDone(line)) return endsEarly();
    const char* at = line.c_str();
    PlotRow& row = s.rows[static_cast<std::size_t>(k)];
    for (int f = 0; f < kPlotFieldCount; ++f) {
        float v = 0;
        if (!scanFloat(at, v))
            return lines.failHere("should hold the " + std::to_string(kPlotFieldCount) +
                                  " values of a year.");
        row.setField(f, v);
    }
    if (!onlyBlanksLeft(at)) return lines.failHere("holds more than the values of a year.");
    return true;
}

bool readTrailer(TextLineCursor& lines, PlotFileContents& out, int accounts) {
    std::string line;
    GroupTable& groups = out.scenario->groups;
    for (int g = 0; g < kMaxGroups; ++g) {
        if (!lines.next(line, "its group names")) return false;
        if (isDone(line)) return lines.failHere("ends the file before the group names.");
        const std::string name = utf8Cut(line, kGroupNameWidth - 1);
        std::memset(groups.groupName[g], 0, kGroupNameWidth);
        std::memcpy(groups.groupName[g], name.data(), name.size());
    }
    for (int i = 0; i < accounts; ++i) {
        int g = 0;
        if (!lines.next(line, "the group of each account")) return false;
        if (!lineInt(line, g) || g < INT16_MIN || g > INT16_MAX)
            return lines.failHere("should hold the group of an account.");
        out.scenario->accounts.accounts[i].groupIndex = static_cast<int16_t>(g);
    }
    if (!lines.next(line, "its closing \"Done\"")) return false;
    if (!isDone(line)) return lines.failHere("should read \"Done\".");
    return true;
}

} // namespace

std::string parsePlotFile(const std::string& text, PlotFileContents& out) {
    out = PlotFileContents{};
    TextLineCursor lines(text);
    int rows = 0, accounts = 0;
    bool ok = readHeader(lines, out, rows, accounts);
    for (int k = 0; ok && k < rows; ++k) {
        ok = readRow(lines, *out.series, k, rows, accounts);
        out.series->plotRowCount = k;
    }
    ok = ok && readTrailer(lines, out, accounts);
    if (ok) {
        out.series->plotStartAge = wholeNumber(out.series->rows[0].age);
        return "";
    }
    out = PlotFileContents{};
    return "It is not a complete plot file: " + lines.error();
}

std::string readPlotFile(const std::string& path, PlotFileContents& out) {
    out = PlotFileContents{};
    std::string text;
    const TextFileStatus status = readSmallTextFile(path, kMaxPlotFileBytes, text);
    if (status != TextFileStatus::Read) return textFileProblem(status, path);
    const std::string problem = parsePlotFile(text, out);
    return problem.empty() ? "" : "Cannot show " + path + ".\n" + problem;
}

} // namespace finplan
