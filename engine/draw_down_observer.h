// Watches where the draw-downs of a run take their money (a many-trial analysis asks
// which account ran dry and which payments drew on it). The payments of the current
// year are noted here, inline: every payment of every trial passes through, and only
// an exhaustion, once a trial, needs the observer's own judgement.
#pragma once

#include <array>
#include <cstdint>

namespace finplan {

class DrawDownObserver {
  public:
    struct Draw {
        int16_t account;
        int16_t tag;
        float amount;
    };
    static constexpr int kLogSize = 4096; // draws kept for the current year

    virtual ~DrawDownObserver() = default;

    // Savings account accountIndex paid amount for the payment tagged tag (an event
    // index or kTagDriver); emptied when it paid all it held.
    void paid(int wholeAge, int accountIndex, int tag, float amount, bool emptied) {
        if (!watching_) return;
        startYear(wholeAge);
        if (emptied && emptiedThisYear_ < 0) emptiedThisYear_ = accountIndex;
        if (logCount_ < kLogSize)
            log_[logCount_++] =
                Draw{static_cast<int16_t>(accountIndex), static_cast<int16_t>(tag), amount};
    }
    // The savings were exhausted with remainder still owed; shortfallAccount is the
    // account that takes it (-1: none, the remainder is dropped).
    virtual void exhausted(int wholeAge, int tag, float remainder, int shortfallAccount) = 0;
    // False once the observer has all it wants of this run: the draw-downs stop telling
    // it (a trial explains only its first failure, and most trials that fail do early).
    bool watching() const { return watching_; }

  protected:
    // Forgets the last run.
    void resetLog() {
        logCount_ = 0;
        logAge_ = -1;
        emptiedThisYear_ = -1;
        lastEmptied_ = -1;
        watching_ = true;
    }
    void stopWatching() { watching_ = false; }
    // A payment at another whole age starts that year's log.
    void startYear(int wholeAge) {
        if (wholeAge == logAge_) return;
        if (emptiedThisYear_ >= 0) lastEmptied_ = emptiedThisYear_;
        logAge_ = wholeAge;
        logCount_ = 0;
        emptiedThisYear_ = -1;
    }
    const Draw* log() const { return log_.data(); }
    int logCount() const { return logCount_; }
    int emptiedThisYear() const { return emptiedThisYear_; } // first emptied; -1 none
    int lastEmptied() const { return lastEmptied_; }         // latest emptied in an earlier year

  private:
    std::array<Draw, kLogSize> log_{};
    int logCount_ = 0;
    int logAge_ = -1;
    int emptiedThisYear_ = -1;
    int lastEmptied_ = -1;
    bool watching_ = true;
};

} // namespace finplan
