#include "graphs/plot_file.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <unistd.h>

#include <algorithm>

#include "engine/run_context.h"
#include "model/atomic_file.h"
#include "model/file_names.h"
#include "model/file_prompts.h"
#include "model/whole_number.h"
#include "text/date_time_text.h"
#include "text/format.h"
#include "text/printable_text.h"

namespace finplan {

PlotFileWriter::PlotFileWriter(PlotSeries& series, const Clock& clock, Messages& messages,
                               std::string path)
    : series_(series), clock_(clock), messages_(messages), path_(std::move(path)) {}

PlotFileWriter::~PlotFileWriter() {
    close();
}

void PlotFileWriter::close() {
    writing_ = false;
    text_.clear();
}

bool PlotFileWriter::begin() {
    close();
    failed_ = false;
    series_.clear();
    const LocalTime now = clock_.now();
    series_.fileText = printableText(fileTitle_);
    series_.dateText = dateText(now);
    series_.timeText = timeText(now);
    if (path_.empty()) return true;
    if (const FileResult r = checkWritableTarget(path_); !r) {
        reportFailure(r);
        return false;
    }
    writing_ = true;
    text_ += format("%d\n", graphKind_);
    text_ += format("File: %s\n", series_.fileText.c_str());
    text_ += format("Date: %s\n", series_.dateText.c_str());
    text_ += format("Time: %s\n", series_.timeText.c_str());
    return true;
}

void PlotFileWriter::header(float years, int accountCount) {
    series_.accountCount = accountCount;
    if (!writing_) return;
    text_ += format("%.2f\n", years);
    text_ += format("%d\n", accountCount);
}

void PlotFileWriter::accountName(int index, const char* name) {
    const std::string text =
        printableText(std::string_view(name, strnlen(name, kAccountNameWidth)));
    if (index >= 0 && index < kMaxAccounts) series_.accountNames[index] = text;
    if (writing_) text_ += format("%s\n", text.c_str());
}

void PlotFileWriter::rowStart(int k, const PlotRow& row, const float* balances, int n,
                              float writtenAge) {
    if (k < 0 || k >= kMaxPlotRows) return;
    if (k == 0) series_.plotStartAge = wholeNumber(row.age);
    series_.plotRowCount = k;
    series_.rows[k] = row;
    for (int i = 0; i < n && i < kMaxAccounts; ++i) {
        series_.accountBalances[k][i] = balances[i];
        if (writing_) text_ += format("%.2f\n", balances[i]);
    }
    if (!writing_) return;
    text_ +=
        format("%.2f %.2f %.2f %.2f %.2f %.2f %.2f ", writtenAge, row.investmentSavings,
               row.taxFreeSavings, row.retirementSavings, row.assets, row.equity, row.netWorth);
}

void PlotFileWriter::rowEnd(int k, const PlotRow& row, float writtenOutgoing) {
    if (k < 0 || k >= kMaxPlotRows) return;
    PlotRow& stored = series_.rows[k];
    for (int f = 7; f < kPlotFieldCount; ++f)
        stored.setField(f, row.field(f));
    if (!writing_) return;
    text_ += format("%.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f\n",
                    row.totalIncoming, row.deposits, row.taxableIncome, row.nonTaxableIncome,
                    writtenOutgoing, row.withdrawals, row.taxes, row.interestPaid, row.penalties,
                    row.loans, row.incomeFromEquity, row.incomeFromAssets, row.otherOutgoing);
}

void PlotFileWriter::ageTotals(int age, const float (&v)[7]) {
    if (age < 0 || age >= kAgeSlots) return;
    AgeTotals& t = series_.ageTotals;
    t.investmentTotal[age] = v[0];
    t.taxFreeTotal[age] = v[1];
    t.retirementTotal[age] = v[2];
    t.assetTotal[age] = v[3];
    t.equityTotal[age] = v[4];
    t.liabilities[age] = v[5];
    t.netWorth[age] = v[6];
}

void PlotFileWriter::end(const Scenario& s) {
    const int n = s.accounts.usableCount();
    for (int i = 0; i < n; ++i)
        series_.accountGroups[static_cast<std::size_t>(i)] = s.accounts.accounts[i].groupIndex;
    if (!writing_) return;
    for (int g = 0; g < kMaxGroups; ++g)
        text_ += format("%s\n", groupName(s, g).c_str());
    for (int i = 0; i < n; ++i)
        text_ += format("%d\n", s.accounts.accounts[i].groupIndex);
    text_ += format("Done\n");
    if (const FileResult r = saveTextFile(path_, text_); !r) reportFailure(r);
    close();
}

void PlotFileWriter::reportFailure(const FileResult& r) {
    failed_ = true;
    showFileError(messages_, "Cannot open plot file", absolutePath(path_) + ": " + r.reason);
}

void launchGraphViewer(Launcher& launcher, const std::string& plotPath) {
    launcher.launch({files::kGraphViewer, plotPath});
}

namespace {

// The plot file's text, read a line at a time up to and including its newline. (A
// 255-character line buffer would count a long row of large amounts as several lines
// and end the copy before the group names.)
class LineSource {
  public:
    explicit LineSource(const std::string& text) : text_(text) {}
    // False at the end of the text.
    bool readLine(std::string& line) {
        if (at_ >= text_.size()) return false;
        const std::size_t newline = text_.find('\n', at_);
        const std::size_t n = newline == std::string::npos ? text_.size() - at_ : newline - at_ + 1;
        line.assign(text_, at_, n);
        // A NUL ends what a C buffer would hold.
        line.resize(std::strlen(line.c_str()));
        at_ += n;
        return true;
    }

  private:
    const std::string& text_;
    std::size_t at_ = 0;
};

// The most of a plot file that Save Graphs reads: far more than 100 rows need.
constexpr std::size_t kMaxPlotFileBytes = 64u << 20;

bool startsWithDone(const std::string& line) {
    return line.compare(0, 4, "Done") == 0;
}

// The path as seen from the working directory, so "plotinf..." is recognised
// whether the dialog gave it relative or absolute.
std::string workingName(const std::string& path) {
    std::string name = path;
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) != nullptr) {
        const std::string dir = std::string(cwd) + "/";
        if (name.compare(0, dir.size(), dir) == 0) name = name.substr(dir.size());
    }
    while (name.compare(0, 2, "./") == 0)
        name = name.substr(2);
    return name;
}

bool sameStart(const std::string& a, const std::string& b) {
    if (a.size() < 7 || b.size() < 7) return false;
    for (std::size_t i = 0; i < 7; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

enum class CopyResult { Complete, Problem };

// Copies the plot file's lines as Save Graphs does; the text ends in "Done".
CopyResult copyPlotLines(const std::string& text, std::string& out) {
    LineSource in(text);
    std::string line;
    auto copy = [&](bool& done) {
        if (!in.readLine(line)) {
            done = true; // a file that ends early ends the copy as a Done line does
            return;
        }
        out += line;
        if (startsWithDone(line)) done = true;
    };
    for (int i = 0; i < 5; ++i) {
        if (!in.readLine(line)) return CopyResult::Problem;
        out += line;
    }
    float years = 0;
    if (std::sscanf(line.c_str(), "%f", &years) != 1) years = -1;
    const double y = std::trunc(static_cast<double>(years));
    if (!(y >= 0 && y < 100)) return CopyResult::Problem;
    int n = 0;
    if (!in.readLine(line)) return CopyResult::Problem;
    out += line;
    if (std::sscanf(line.c_str(), "%d", &n) != 1 || n < 0) n = 0;
    bool done = false;
    for (int i = 0; i < n && !done; ++i)
        copy(done);
    for (int row = 0; row < wholeNumber(y) && !done; ++row)
        for (int i = 0; i <= n && !done; ++i)
            copy(done);
    for (int i = 0; i < 10 + n && !done; ++i) {
        if (!in.readLine(line)) break;
        out += line;
    }
    out += "Done";
    return CopyResult::Complete;
}

} // namespace

bool saveGraphsTo(const std::string& target, Messages& messages, const std::string& plotPath) {
    const bool existed = fileExists(target);
    if (existed && sameStart(workingName(target), workingName(plotPath))) {
        messages.show("Cannot overwrite the system file plotinf. \nChoose another file name.",
                      "FILE WARNING", MessageIcon::Error);
        return false;
    }
    if (!confirmOverwrite(target, OverwriteWording::Exists, messages)) return false;
    if (const FileResult r = checkWritableTarget(target); !r) {
        showFileError(messages, existed ? cannotOpenText(target) : "Cannot open file!", r.reason);
        return false;
    }
    std::string plotText;
    if (const FileResult r = readTextFile(plotPath, kMaxPlotFileBytes, plotText); !r) {
        showFileError(messages, "Cannot open plotinf for reading!", r.reason);
        return false;
    }
    std::string out;
    const CopyResult result = copyPlotLines(plotText, out);
    if (result == CopyResult::Problem) {
        // The target keeps what it held: a half copy helps nobody.
        showFileError(messages, "Problem saving graphs.\nPlease try again.");
        return false;
    }
    if (const FileResult r = saveTextFile(target, out); !r) {
        showFileError(messages, format("Cannot open %s for writing!", target.c_str()), r.reason);
        return false;
    }
    return true;
}

void saveGraphs(FileChooser& chooser, Messages& messages, const std::string& plotPath) {
    const auto target =
        chooser.saveFile({"Save Graphs To a File", "Plot Files (*.KVP)|*.kvp", "kvp", ""});
    if (!target) return;
    saveGraphsTo(*target, messages, plotPath);
}

} // namespace finplan
