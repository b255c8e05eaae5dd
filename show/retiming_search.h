#pragma once

#include <QVector>
#include <limits>
#include <vector>

#include "simulation/shown_lamps.h"

namespace vireo {

// The shortest and longest on-time a retimed row takes, in ms (a tenth of a second to 10 s).
constexpr qint64 kShortestRetimedMs = 100;
constexpr qint64 kLongestRetimedMs = 10000;

constexpr qint64 kNoRetiming = std::numeric_limits<qint64>::max() / 4;

// How little a show must change to fit in so many bytes, for every count of bytes up to a
// budget. A show is changed by giving its lamp states (the segments of the show as seen) new
// durations in tenths of a second, each lamp state kept in its place; the change is the sum over
// the segments of |new duration - old duration|.
//
// The search writes the show as blocks, one after the other, and prices each in the bytes the
// image writes for it (image/step_record.h):
// - a run of neighbouring segments that share one on-time, one row each: the on-time that moves
//   them least is a median of their old durations, and only the run's first row writes a time
//   byte;
// - a segment longer than a row may be, as several rows;
// - a loop over a stretch whose lamps repeat, each pass timed alike: the duration of each row of
//   the body is a median over the passes, and the body's rows may share on-times too.
// Loop blocks end by row 255 as counted on the rows written plainly, so they are always allowed.
// The bytes found are an upper bound of what the rows cost: the rows made from the new durations
// are compacted afterwards and may come out smaller.
class RetimingSearch {
  public:
    RetimingSearch(const QVector<ShownLamps>& show, int budget);

    // The least change that fits in `bytes` bytes (a sequence's rows alone, without header or
    // hold records); kNoRetiming when none does.
    qint64 changeFor(int bytes) const;
    // The new duration of every segment for that change; empty when none fits.
    std::vector<qint64> durationsFor(int bytes) const;

  private:
    struct Block {
        int from = 0;
        int to = 0;
        int bytes = 0;
        qint64 change = 0;
        int period = 0;              // 0 for a plain run or a long segment
        std::vector<qint64> values;  // the run's duration, or one per row of a loop's body
    };

    void addPlainRuns(int from);
    void addLongSegment(int at);
    void addLoops(int from);
    void relax(Block block);
    int bestBytesWithin(int bytes) const;

    QVector<ShownLamps> show_;
    int n_ = 0;
    int budget_ = 0;
    std::vector<int> rowBytes_;    // control and corner bytes of each segment's row
    std::vector<int> loopExtra_;   // what a loop's first row adds on each segment
    std::vector<int> rowsBefore_;  // rows before each segment when every segment is written plainly
    std::vector<std::vector<qint64>> best_;  // [segment][bytes]
    std::vector<std::vector<int>> via_;      // block index that reached it
    std::vector<Block> blocks_;              // the blocks that reached some entry
};

}  // namespace vireo
