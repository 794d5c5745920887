// finplan graph FILE.ret --kind networth|inout|incoming|outgoing|accounts|groups|summary|pie
//                        [--of KIND] [--pies] [--age A] [--page N] [--style lines|bars|3d]
//                        [--width W --height H] --svg OUT.svg
//     runs the scenario and draws one graph (or the Summary) as an SVG image
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "app/graph_job.h"
#include "graphs/svg_surface.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "text/format.h"

namespace finplan::cli {

namespace {

struct SvgRequest {
    GraphRequest graph;
    std::string out;
};

bool graphCommand(const SvgRequest& r) {
    StderrMessages messages(true);
    GraphJob job;
    if (!prepareGraph(r.graph, job, messages)) return false;
    SvgSurface svg(r.graph.width, r.graph.height, job.fontHeight);
    renderGraph(svg, job, r.graph);
    if (const FileResult w = saveTextFile(r.out, svg.document()); !w) {
        showFileError(messages, format("Cannot open %s for writing!", r.out.c_str()), w.reason);
        return false;
    }
    return true;
}

} // namespace

void addGraphCommands(CLI::App& app) {
    auto r = std::make_shared<SvgRequest>();
    CLI::App* cmd = app.add_subcommand("graph", "Run a scenario and draw a graph as SVG");
    addGraphOptions(*cmd, r->graph);
    cmd->add_option("--svg", r->out, "Write the image to this .svg file")->required();
    cmd->callback([r] {
        if (!graphCommand(*r)) throw CLI::RuntimeError(1);
    });
}

} // namespace finplan::cli
