#pragma once

#include <QString>

#include "platform/app_info.h"
#include "sequence/edit_outcome.h"

namespace vireo {

constexpr int kCopyBufferCapacity = 51;
constexpr int kMaxMarkedRuns = 20;  // loops the module and playback can hold per table
constexpr int kMaxSecondRuns = 5;   // repeated runs of one marker the loop check repairs at once
constexpr int kMaxLoopRow = 255;    // loops are stored with byte row numbers (1-based)
constexpr int kMaxLoopNumber = 99;  // the marker holds two digits
// A loop as the loop command makes it: 2 to 32 rows, played 2 to 20 times.
constexpr int kMinLoopRows = 2;
constexpr int kMaxLoopRows = 32;
constexpr int kMinLoopPasses = 2;
constexpr int kMaxLoopPasses = 20;

// Limits of the table that a command refuses rather than break.
enum class EditLimit {
    TableFull,         // appending a 501st step
    TooManyRows,       // inserting or pasting past 500 rows
    TooManyToCopy,     // copying or cutting more than 51 rows
    TooManyLoops,      // more than 20 marked runs in a table
    TooManySplitRuns,  // more than 5 second runs of a marker
    LoopBeyondRow255,
    NoLoopNumberLeft,
};

QString limitText(EditLimit limit, const LanguageTable& language);

// Tells the user that a command was refused because of a limit; the table stays unchanged.
void refuse(EditContext& context, EditLimit limit);

}  // namespace vireo
