#include "results/schedule_runs.h"

#include <cstdio>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "results/event_descriptions.h"
#include "text/format.h"

namespace finplan {

namespace {

bool run(RunSession& session, RunFlags flags, ScheduleSink& lines, TabExportSink* tabExport) {
    RunRequest request;
    request.flags = flags;
    request.view = session.view;
    request.lines = &lines;
    request.plot = session.plot;
    request.tabExport = tabExport;
    return runScenario(session.scenario, session.state, request, session.random, session.clock);
}

// The file form: event descriptions first, then the run.
bool fileRun(RunSession& session, RunFlags flags, TextScheduleSink& sink,
             TabExportSink* tabExport) {
    for (const std::string& line : describeEvents(session.scenario, false)) {
        sink.text += line;
        sink.text += '\n';
    }
    return run(session, flags, sink, tabExport);
}

} // namespace

bool runToList(RunSession& session, ResultsList& list, RunFlags flags, TabExportSink* tabExport) {
    return run(session, flags, list, tabExport);
}

bool resultsFileText(RunSession& session, RunFlags flags, std::string& text,
                     TabExportSink* tabExport) {
    flags.savingResults = true;
    TextScheduleSink sink;
    const bool ok = fileRun(session, flags, sink, tabExport);
    text = std::move(sink.text);
    return ok;
}

bool writeResultsFile(RunSession& session, RunFlags flags, const std::string& path) {
    if (const FileResult r = checkWritableTarget(path); !r) {
        showFileError(session.messages, format("Cannot open %s", path.c_str()), r.reason);
        return false;
    }
    std::string text;
    const bool ok = resultsFileText(session, flags, text);
    if (const FileResult r = saveTextFile(path, text); !r) {
        showFileError(session.messages, format("Cannot open %s", path.c_str()), r.reason);
        return false;
    }
    return ok;
}

bool saveResults(RunSession& session, FileChooser& chooser) {
    const auto path =
        chooser.saveFile({"Save Results To A File", "Result Files (*.SCH)|*.sch", "sch", ""});
    if (!path) return false;
    const bool ok = writeResultsFile(session, RunFlags{}, *path);
    prepareRun(session, RunFlags{});
    return ok;
}

bool writePrintFile(RunSession& session, RunFlags flags, const std::string& path) {
    if (const FileResult r = checkWritableTarget(path); !r) {
        showFileError(session.messages, "Cannot open temporary print file", r.reason);
        return false;
    }
    flags.savingResults = false;
    TextScheduleSink sink;
    const bool ok = fileRun(session, flags, sink, nullptr);
    if (const FileResult r = saveTextFile(path, sink.text); !r) {
        showFileError(session.messages, "Cannot open temporary print file", r.reason);
        return false;
    }
    return ok;
}

void prepareRun(RunSession& session, RunFlags flags) {
    flags.prepareOnly = true;
    NullScheduleSink none;
    run(session, flags, none, nullptr);
}

} // namespace finplan
