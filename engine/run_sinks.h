// The outputs of a run. The engine writes schedule lines and plot rows through these
// small interfaces; the Results list, a results file, the print file, the plot file
// and a benchmark's null sink are all the same run.
#pragma once

#include <string_view>

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

// Watches where the draw-downs of a run take their money (a many-trial analysis
// asks which account ran dry and which payments drew on it).
class DrawDownObserver {
  public:
    virtual ~DrawDownObserver() = default;
    // Savings account accountIndex paid amount for the payment tagged tag (an event
    // index or kTagDriver); emptied when it paid all it held.
    virtual void paid(int wholeAge, int accountIndex, int tag, float amount, bool emptied) = 0;
    // The savings were exhausted with remainder still owed; shortfallAccount is the
    // account that takes it (-1: none, the remainder is dropped).
    virtual void exhausted(int wholeAge, int tag, float remainder, int shortfallAccount) = 0;
    // False once the observer has all it wants of this run: the draw-downs stop telling
    // it (a trial explains only its first failure, and most trials that fail do early).
    bool watching() const { return watching_; }

  protected:
    void setWatching(bool watching) { watching_ = watching; }

  private:
    bool watching_ = true;
};

// The tab-delimited export: one row of balances per plotted year and the final age.
class TabExportSink {
  public:
    virtual ~TabExportSink() = default;
    virtual void row(float age, const Scenario& scenario, float equityTotal) = 0;
    virtual void end() {}
};

} // namespace finplan
