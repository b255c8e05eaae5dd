#pragma once

#include <QVector>

#include "sequence/document.h"
#include "sequence/selection.h"
#include "simulation/loop_table.h"
#include "simulation/playback_action.h"
#include "text/language.h"

namespace vireo {

constexpr int kDarknessBeforePlaybackMs = 500;

// Plays a sequence back as a list of actions for the window, without a clock of its own: the
// window runs the actions of a call in order, waits where a Pause says, and calls tick() when
// TimerE fires. It shows one row per tick, runs every loop's rows as often as its marker says
// and switches all lamps off at the end.
//
// Flow: a button press gives start actions ending in a Pause; after the pause the window calls
// tick() once (the first row is shown and the timer started), then on every timer tick. The
// machine copies what it needs from the rows at start, so it never reads rows that change
// later; the window calls stop() when the rows change or the sequence is switched.
class PlaybackMachine {
  public:
    explicit PlaybackMachine(const LanguageTable& language = LanguageTable::builtIn());

    bool isRunning() const { return running_; }

    // "Simula&tion |>": plays from the first row, or stops a running playback.
    PlaybackActions pressPlayFromStart(const Sequence& rows);
    // "Simulation >>": plays from the first selected row (nothing when none is selected), or
    // stops a running playback.
    PlaybackActions pressPlayFromHere(const Sequence& rows, const Selection& selection);

    // Starts from a 0-based row: the stop caption, lamps off, the pause of darkness.
    PlaybackActions start(const Sequence& rows, int startRow);
    // One step of playback: the first call after start() shows the start row and starts the
    // timer; later calls advance. Nothing when playback is not running.
    PlaybackActions tick();
    // Each start() begins a new run, numbered from 1.
    int runNumber() const { return run_; }
    // The end of the pause of darkness of run `run`: its first tick. Nothing when that run was
    // stopped or another one started meanwhile, or its first row is already shown; so a pause
    // that outlives its run never advances the next one.
    PlaybackActions endPause(int run);
    // Stops playback: the idle captions, timer off, lamps off. Touches no row, so it is safe
    // after the rows changed. Nothing when playback is not running.
    PlaybackActions stop();

    int currentRow() const { return current_ - 1; }

  private:
    PlaybackActions firstTick();
    PlaybackActions nextTick();
    PlaybackActions endAfterLastRow();
    int intervalMs(int row1) const;
    PlaybackAction idleCaptions() const;
    int currentLoopFor(int row1) const;
    const PlaybackLoop* loop(int index) const;

    const LanguageTable& language_;
    QVector<qint64> intervals_;    // each row's on-time in milliseconds
    QVector<PlaybackLoop> loops_;  // 0-based rows; loop index i is loops_[i - 1]
    bool running_ = false;
    bool timerOn_ = false;
    bool ended_ = false;
    int run_ = 0;
    int current_ = 0;      // 1-based current row
    int currentLoop_ = 0;  // 1-based loop index; 0 when no loop is pending
    qint64 passes_ = 0;    // passes of the current loop already run and jumped back
};

}  // namespace vireo
