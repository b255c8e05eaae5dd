#pragma once

#include <array>
#include <vector>

namespace vireo {

// A run of equal rows: `count` rows of `length` time units each.
struct PieceRun {
    int length = 0;
    int count = 0;
    bool operator==(const PieceRun&) const = default;
};

// One way to write a stretch of time of one lamp state as consecutive rows: at most three runs
// of equal rows, one after the other.
struct Pieces {
    std::array<PieceRun, 3> runs{};
    int runCount = 0;

    int rows() const;
    int firstLength() const { return runs[0].length; }
    int lastLength() const { return runs[runCount - 1].length; }
    bool operator==(const Pieces&) const = default;
};

// What may be asked of the rows that write a stretch of time.
struct PieceLimits {
    int longest = 0;            // the most time units one row holds
    int fewestRows = 1;         // a loop body of one lamp state needs two rows
    int extraRows = 0;          // rows beyond the fewest the stretch needs that are worth trying
    std::vector<int> wholeRow;  // stretches longer than `longest` a single row may still hold
};

// The ways worth trying to write `span` time units (span >= 0) as rows of at most
// `limits.longest` units: as few rows as the span needs (and up to `extraRows` more), each way
// made of one to three runs of equal rows: all rows equal; two neighbouring lengths; a first run
// of a length in `entries` (the on-time of the row before, which then needs no time byte), a
// last run of a length in `exits` (the on-time the row after would like), or both; full rows
// and one row for the rest, the rest first or last. A span of 0 is one row of no time.
std::vector<Pieces> pieceOptions(int span, const PieceLimits& limits,
                                 const std::vector<int>& entries, const std::vector<int>& exits);

// The lengths a row of a stretch of `span` units naturally takes when written as few rows as
// possible: the span itself, equal parts, the two neighbouring lengths, a full row and the rest.
std::vector<int> naturalLengths(int span, int longest);

}  // namespace vireo
