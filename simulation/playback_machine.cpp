#include "simulation/playback_machine.h"

#include <algorithm>
#include <limits>

#include "sequence/edit_outcome.h"
#include "text/text_ids.h"

namespace vireo {

namespace {
using Kind = PlaybackAction::Kind;

PlaybackAction act(Kind kind, int row = -1, int ms = 0) {
    return PlaybackAction{kind, row, ms, {}, {}};
}
PlaybackAction captions(const QString& start, const QString& here) {
    return PlaybackAction{Kind::SetCaptions, -1, 0, start, here};
}
}  // namespace

PlaybackMachine::PlaybackMachine(const LanguageTable& language) : language_(language) {}

PlaybackActions PlaybackMachine::pressPlayFromStart(const Sequence& rows) {
    if (rows.isEmpty() && !running_) return {};
    PlaybackActions actions{act(Kind::DeselectAll)};
    actions += running_ ? stop() : start(rows, 0);
    return actions;
}

PlaybackActions PlaybackMachine::pressPlayFromHere(const Sequence& rows,
                                                   const Selection& selection) {
    int first = -1;
    for (int r : selection.rows)
        if (r >= 0 && r < rows.size() && (first < 0 || r < first)) first = r;
    // Pressed while playing, the button stops playback even when the user cleared the selection.
    if (running_) {
        PlaybackActions actions;
        if (first >= 0) actions << act(Kind::DeselectRow, first);
        return actions + stop();
    }
    if (first < 0) return {};
    return PlaybackActions{act(Kind::DeselectRow, first)} + start(rows, first);
}

PlaybackActions PlaybackMachine::start(const Sequence& rows, int startRow) {
    if (running_ || startRow < 0 || startRow >= rows.size()) return {};
    intervals_.clear();
    for (const Step& step : rows) intervals_ << step.time.ms();
    loops_ = buildLoopTable(rows);
    running_ = true;
    timerOn_ = false;
    ended_ = false;
    ++run_;
    current_ = startRow + 1;
    // While playback runs both buttons carry the "stop" caption; its Alt letter stays with the
    // first, so the letter names one button.
    const QString running = language_.entry(text::Stop);
    return {captions(running, withoutAccessLetter(running)), act(Kind::LampsOff),
            act(Kind::Pause, -1, kDarknessBeforePlaybackMs)};
}

// The buttons' captions while nothing plays, with their Alt letters.
PlaybackAction PlaybackMachine::idleCaptions() const {
    return captions(language_.entry(text::Simulation), language_.entry(text::SimulationOnward));
}

PlaybackActions PlaybackMachine::stop() {
    if (!running_) return {};
    running_ = timerOn_ = false;
    return {idleCaptions(), act(Kind::StopTimer), act(Kind::LampsOff)};
}

PlaybackActions PlaybackMachine::tick() {
    if (!running_) return {};
    if (ended_) {
        running_ = timerOn_ = false;
        return {act(Kind::StopTimer), act(Kind::DeselectRow, current_ - 1), idleCaptions(),
                act(Kind::LampsOff)};
    }
    return timerOn_ ? nextTick() : firstTick();
}

PlaybackActions PlaybackMachine::endPause(int run) {
    if (!running_ || run != run_ || timerOn_) return {};
    return tick();
}

const PlaybackLoop* PlaybackMachine::loop(int index) const {
    return index >= 1 && index <= loops_.size() ? &loops_[index - 1] : nullptr;
}

// The loop pending for a start on row1: the loop that holds the row, else the next loop still to
// come, else none.
int PlaybackMachine::currentLoopFor(int row1) const {
    for (int i = 1; i <= loops_.size(); ++i)
        if (row1 <= loops_[i - 1].last + 1) return i;
    return 0;
}

int PlaybackMachine::intervalMs(int row1) const {
    const qint64 ms = intervals_.value(row1 - 1);
    return static_cast<int>(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max()));
}

PlaybackActions PlaybackMachine::firstTick() {
    timerOn_ = true;
    passes_ = 0;
    currentLoop_ = currentLoopFor(current_);
    // Started on the last row with no loop pending: that row is shown once, then playback ends.
    if (current_ >= intervals_.size() && currentLoop_ == 0) ended_ = true;
    return {act(Kind::StartTimer, -1, intervalMs(current_)), act(Kind::SelectRow, current_ - 1),
            act(Kind::ShowRow, current_ - 1)};
}

PlaybackActions PlaybackMachine::endAfterLastRow() {
    running_ = timerOn_ = false;
    return {act(Kind::StopTimer), idleCaptions(), act(Kind::LampsOff)};
}

PlaybackActions PlaybackMachine::nextTick() {
    PlaybackActions actions;
    const int rowCount = intervals_.size();
    const PlaybackLoop* e = loop(currentLoop_);
    if (e && current_ == e->last + 1) {
        // End of a pass through the current loop.
        if (e->repeatCount == passes_ + 1) {
            currentLoop_ = currentLoop_ < loops_.size() ? currentLoop_ + 1 : 0;
            passes_ = 0;
            actions << act(Kind::DeselectRow, current_ - 1);
        } else {
            ++passes_;
            actions << act(Kind::DeselectRow, current_ - 1);
            current_ = e->first;  // first row - 1, 1-based
        }
        ++current_;
        if (current_ > rowCount) return actions + endAfterLastRow();
        actions << act(Kind::SelectRow, current_ - 1);
    } else {
        actions << act(Kind::DeselectRow, current_ - 1);
        if (current_ >= rowCount) {
            ended_ = true;
        } else {
            ++current_;
            actions << act(Kind::SelectRow, current_ - 1);
        }
    }
    actions << act(Kind::ShowRow, current_ - 1);
    if (current_ >= rowCount && currentLoop_ == 0) ended_ = true;
    actions << act(Kind::StartTimer, -1, intervalMs(current_));
    return actions;
}

}  // namespace vireo
