#include "app/cli_replay.h"

#include <memory>

#include "results/event_descriptions.h"
#include "results/line_sinks.h"

namespace finplan::cli {

std::string replayScheduleText(const Scenario& analysed, const ReplayRun& run) {
    auto s = std::make_unique<Scenario>(analysed);
    TextScheduleSink sink;
    for (const std::string& line : describeEvents(*s, false)) {
        sink.text += line;
        sink.text += '\n';
    }
    auto state = std::make_unique<RunState>();
    RunRequest request;
    request.flags.savingResults = true;
    request.lines = &sink;
    run(*s, *state, request);
    return std::move(sink.text);
}

} // namespace finplan::cli
