#include "results/tab_export.h"

#include "engine/run_context.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "text/format.h"

namespace finplan {

namespace {

void cannotOpen(Messages& messages, const std::string& reason) {
    showFileError(messages, "Cannot open export file", reason);
}

} // namespace

void TabExportWriter::row(float age, const Scenario& s, float equityTotal) {
    const int n = s.accounts.usableCount();
    if (!headerWritten_) {
        headerWritten_ = true;
        text += "Age\t";
        for (int i = 0; i < n; ++i)
            text += accountName(s.accounts.accounts[i]) + "\t";
        text += "Equity\t";
        text += "Total\n";
    }
    text += format("%.2f\t", age);
    float total = 0;
    for (int i = 0; i < n; ++i) {
        const float b = s.accounts.accounts[i].balance;
        text += format("%.2f\t", b);
        total += b;
    }
    text += format("%.2f\t", equityTotal);
    total += equityTotal;
    text += format("%.2f\n", total);
}

bool openExportFile(const std::string& path, Messages& messages) {
    if (!confirmOverwrite(path, OverwriteWording::Exits, messages)) return false;
    if (const FileResult r = checkWritableTarget(path); !r) {
        cannotOpen(messages, r.reason);
        return false;
    }
    return true;
}

bool exportResultsTo(RunSession& session, ResultsList& list, const std::string& path) {
    if (!openExportFile(path, session.messages)) return false;
    TabExportWriter writer;
    const bool ok = runToList(session, list, RunFlags{}, &writer);
    if (const FileResult r = saveTextFile(path, writer.text); !r) {
        cannotOpen(session.messages, r.reason);
        return false;
    }
    return ok;
}

bool exportResults(RunSession& session, ResultsList& list, FileChooser& chooser) {
    const auto path = chooser.saveFile(
        {"Export Results To a Tab File", "Export Tab Files (*.KVE)|*.kve", "kve", ""});
    if (!path) return false;
    return exportResultsTo(session, list, *path);
}

} // namespace finplan
