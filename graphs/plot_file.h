// The plot file "plotinf01.tmp" that every run writes beside the in-memory plot
// tables, the graph viewer launch and the Save Graphs command (.kvp copies).
#pragma once

#include <string>

#include "engine/run_sinks.h"
#include "graphs/plot_series.h"
#include "model/file_target.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/launcher.h"
#include "platform/messages.h"

namespace finplan {

// Fills the PlotSeries tables of a run and, unless the path is empty, writes the
// plot file when the run ends (the old file stays until then).
class PlotFileWriter : public PlotSink {
  public:
    PlotFileWriter(PlotSeries& series, const Clock& clock, Messages& messages, std::string path);
    ~PlotFileWriter() override;
    PlotFileWriter(const PlotFileWriter&) = delete;
    PlotFileWriter& operator=(const PlotFileWriter&) = delete;

    // The scenario's file name as the window title shows it.
    void setFileTitle(std::string title) { fileTitle_ = std::move(title); }
    // The graph kind last shown (1..7), the header's first line.
    void setGraphKind(int kind) { graphKind_ = kind; }

    bool begin() override;
    void header(float years, int accountCount) override;
    void accountName(int index, const char* name) override;
    void rowStart(int rowIndex, const PlotRow& row, const float* balances, int accountCount,
                  float writtenAge) override;
    void rowEnd(int rowIndex, const PlotRow& row, float writtenOutgoing) override;
    void ageTotals(int wholeAge, const float (&values)[7]) override;
    void end(const Scenario& scenario) override;

    // The plot file of the last run could not be written (the message has been shown).
    bool failed() const { return failed_; }

  private:
    void close();
    void reportFailure(const FileResult& r);

    PlotSeries& series_;
    const Clock& clock_;
    Messages& messages_;
    std::string path_;
    std::string fileTitle_;
    int graphKind_ = 1;
    bool writing_ = false; // the plot file is being made
    bool failed_ = false;
    std::string text_; // its text so far, written whole when the run ends
};

// Starts the graph viewer on the plot file, without waiting.
void launchGraphViewer(Launcher& launcher, const std::string& plotPath);

// Save Graphs: copies the plot file to a user-chosen .kvp file.
void saveGraphs(FileChooser& chooser, Messages& messages, const std::string& plotPath);
// The copy itself, to a chosen target (the dialog's answer); true when it was written.
bool saveGraphsTo(const std::string& target, Messages& messages, const std::string& plotPath);

} // namespace finplan
