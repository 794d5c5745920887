// The outputs of a run. The engine writes schedule lines and plot rows through these
// small interfaces; the Results list, a results file, the print file, the plot file
// and a benchmark's null sink are all the same run.
#pragma once

#include <string_view>

#include "engine/draw_down_observer.h"
#include "engine/plot_row.h"
#include "model/scenario.h"

namespace finplan {

// Tags of schedule lines: 0..149 the event that wrote the line.
inline constexpr int kTagDriver = -1;
inline constexpr int kTagHeading = 0;
inline constexpr int kTagRates = 7000;
inline constexpr int kTagRateLine = 8000;

class ScheduleSink {
  public:
    virtual ~ScheduleSink() = default;
    // A new run begins (the list forgets its line tags).
    virtual void beginRun() {}
    // One schedule line; wholeAge is the whole part of the current age.
    virtual void line(std::string_view text, int tag, int wholeAge) = 0;
    // False when the lines are thrown away, so the engine need not build them.
    virtual bool wantsText() const { return true; }
};

class NullScheduleSink : public ScheduleSink {
  public:
    void line(std::string_view, int, int) override {}
    bool wantsText() const override { return false; }
};

// The per-year series of a run (plot file and in-memory tables).
class PlotSink {
  public:
    virtual ~PlotSink() = default;
    // Opens the output and writes the first header lines; false stops the run (the
    // sink has told the user why).
    virtual bool begin() = 0;
    virtual void header(float years, int accountCount) = 0;
    virtual void accountName(int index, const char* name) = 0;
    // Start of a plotted year: fields 0..6 of the row and the start-of-year balances.
    // writtenAge is the age the file shows (the exact start age in a birthday run).
    virtual void rowStart(int rowIndex, const PlotRow& row, const float* balances, int accountCount,
                          float writtenAge) = 0;
    // End of a plotted year: fields 7..19; writtenOutgoing is the file's totalOutgoing.
    virtual void rowEnd(int rowIndex, const PlotRow& row, float writtenOutgoing) = 0;
    // False when the sink keeps only the age totals, so the engine need not fill rows.
    virtual bool wantsRows() const { return true; }
    // Start-of-year totals of one whole age.
    virtual void ageTotals(int wholeAge, const float (&values)[7]) = 0;
    virtual void end(const Scenario& scenario) = 0;
};

// The tab-delimited export: one row of balances per plotted year and the final age.
class TabExportSink {
  public:
    virtual ~TabExportSink() = default;
    virtual void row(float age, const Scenario& scenario, float equityTotal) = 0;
    virtual void end() {}
};

} // namespace finplan
