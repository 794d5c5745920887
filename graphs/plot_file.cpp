#include "graphs/plot_file.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/money.h"
#include "engine/run_context.h"
#include "model/atomic_file.h"
#include "model/file_names.h"

namespace finplan {

PlotFileWriter::PlotFileWriter(PlotSeries& series, const Clock& clock, Messages& messages,
                               std::string path)
    : series_(series), clock_(clock), messages_(messages), path_(std::move(path)) {}

PlotFileWriter::~PlotFileWriter() {
    close();
}

void PlotFileWriter::close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

bool PlotFileWriter::begin() {
    close();
    series_.clear();
    const LocalTime now = clock_.now();
    series_.fileText = fileTitle_;
    series_.dateText = dateText(now);
    series_.timeText = timeText(now);
    if (path_.empty()) return true;
    file_ = std::fopen(path_.c_str(), "w");
    if (file_ == nullptr) {
        messages_.show("Cannot open plot file", "FILE ERROR", MessageIcon::Error);
        return false;
    }
    std::fprintf(file_, "%d\n", graphKind_);
    std::fprintf(file_, "File: %s\n", series_.fileText.c_str());
    std::fprintf(file_, "Date: %s\n", series_.dateText.c_str());
    std::fprintf(file_, "Time: %s\n", series_.timeText.c_str());
    return true;
}

void PlotFileWriter::header(float years, int accountCount) {
    series_.accountCount = accountCount;
    if (file_ == nullptr) return;
    std::fprintf(file_, "%.2f\n", years);
    std::fprintf(file_, "%d\n", accountCount);
}

void PlotFileWriter::accountName(int index, const char* name) {
    const std::string text(name, strnlen(name, kAccountNameWidth));
    if (index >= 0 && index < kMaxAccounts) series_.accountNames[index] = text;
    if (file_ != nullptr) std::fprintf(file_, "%s\n", text.c_str());
}

void PlotFileWriter::rowStart(int k, const PlotRow& row, const float* balances, int n,
                              float writtenAge) {
    if (k < 0 || k >= kMaxPlotRows) return;
    if (k == 0) series_.plotStartAge = static_cast<int>(row.age);
    series_.plotRowCount = k;
    series_.rows[k] = row;
    for (int i = 0; i < n && i < kMaxAccounts; ++i) {
        series_.accountBalances[k][i] = balances[i];
        if (file_ != nullptr) std::fprintf(file_, "%.2f\n", balances[i]);
    }
    if (file_ == nullptr) return;
    std::fprintf(file_, "%.2f %.2f %.2f %.2f %.2f %.2f %.2f ", writtenAge, row.investmentSavings,
                 row.taxFreeSavings, row.retirementSavings, row.assets, row.equity, row.netWorth);
}

void PlotFileWriter::rowEnd(int k, const PlotRow& row, float writtenOutgoing) {
    if (k < 0 || k >= kMaxPlotRows) return;
    PlotRow& stored = series_.rows[k];
    for (int f = 7; f < kPlotFieldCount; ++f)
        stored.setField(f, row.field(f));
    if (file_ == nullptr) return;
    std::fprintf(file_, "%.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f\n",
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
    if (file_ == nullptr) return;
    for (int g = 0; g < kMaxGroups; ++g)
        std::fprintf(file_, "%s\n", groupName(s, g).c_str());
    const int n = s.accounts.usableCount();
    for (int i = 0; i < n; ++i)
        std::fprintf(file_, "%d\n", s.accounts.accounts[i].groupIndex);
    std::fprintf(file_, "Done\n");
    close();
}

void launchGraphViewer(Launcher& launcher, const std::string& plotPath) {
    launcher.launch({files::kGraphViewer, plotPath});
}

namespace {

constexpr std::size_t kLineLimit = 255;

// Reads one line the way a 255-character buffer does: at most 254 characters, up
// to and including the newline. False at the end of the file.
bool readLine(std::FILE* f, std::string& line) {
    char buf[kLineLimit];
    if (std::fgets(buf, sizeof buf, f) == nullptr) return false;
    line.assign(buf);
    return true;
}

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

void fileError(Messages& messages, const std::string& text) {
    messages.show(text, "FILE ERROR", MessageIcon::Error);
}

enum class CopyResult { Complete, Problem };

// Copies the plot file's lines as Save Graphs does; the text ends in "Done".
CopyResult copyPlotLines(std::FILE* in, std::string& out) {
    std::string line;
    auto copy = [&](bool& done) {
        if (!readLine(in, line)) {
            done = true; // a file that ends early ends the copy as a Done line does
            return;
        }
        out += line;
        if (startsWithDone(line)) done = true;
    };
    for (int i = 0; i < 5; ++i) {
        if (!readLine(in, line)) return CopyResult::Problem;
        out += line;
    }
    float years = 0;
    if (std::sscanf(line.c_str(), "%f", &years) != 1) years = -1;
    const double y = std::trunc(static_cast<double>(years));
    if (!(y >= 0 && y < 100)) return CopyResult::Problem;
    int n = 0;
    if (!readLine(in, line)) return CopyResult::Problem;
    out += line;
    if (std::sscanf(line.c_str(), "%d", &n) != 1 || n < 0) n = 0;
    bool done = false;
    for (int i = 0; i < n && !done; ++i)
        copy(done);
    for (int row = 0; row < static_cast<int>(y) && !done; ++row)
        for (int i = 0; i <= n && !done; ++i)
            copy(done);
    for (int i = 0; i < 10 + n && !done; ++i) {
        if (!readLine(in, line)) break;
        out += line;
    }
    out += "Done";
    return CopyResult::Complete;
}

} // namespace

bool saveGraphsTo(const std::string& target, Messages& messages, const std::string& plotPath) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        if (sameStart(workingName(target), workingName(plotPath))) {
            messages.show("Cannot overwrite the system file plotinf. \nChoose another file name.",
                          "FILE WARNING", MessageIcon::Error);
            return false;
        }
        if (!messages.ask(target + " exists - Overwrite anyway?", "FILE WARNING",
                          MessageIcon::Error))
            return false;
        if (!canOpenForWriting(target)) {
            fileError(messages, "Cannot open " + target + "!");
            return false;
        }
    } else {
        if (!canOpenForWriting(target)) {
            fileError(messages, "Cannot open file!");
            return false;
        }
    }
    std::FILE* in = std::fopen(plotPath.c_str(), "r");
    if (in == nullptr) {
        fileError(messages, "Cannot open plotinf for reading!");
        return false;
    }
    std::string out;
    const CopyResult result = copyPlotLines(in, out);
    std::fclose(in);
    if (result == CopyResult::Problem) {
        // The target keeps what it held: a half copy helps nobody.
        fileError(messages, "Problem saving graphs.\nPlease try again.");
        return false;
    }
    if (!writeTextFileAtomically(target, out)) {
        fileError(messages, format("Cannot open %s for writing!", target.c_str()));
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
