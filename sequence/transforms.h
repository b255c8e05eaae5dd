#pragma once

#include <optional>

#include "sequence/edit_outcome.h"

namespace vireo {

// The transforms of the Edit menu. Each works on the selected rows, or on every row when none
// is selected, and keeps the selection; like the table commands it returns the rows to commit,
// or nothing when the table stays as it is.

// The rows a transform works on: the valid selected rows, or all rows when none is selected.
QList<int> transformedRows(const Sequence& rows, const Selection& selection);

// Mirror left and right: each step shows the old step's front left lamps on the front right
// and the other way round, and likewise at the rear (corners 1<->2 and 3<->4 swap).
std::optional<EditOutcome> mirrorRows(const Sequence& rows, const Selection& selection);

// The loop number of a loop that a run of rows cuts through: a loop with rows both inside and
// outside the given rows (ascending). Nothing when every loop lies wholly inside or outside.
std::optional<int> loopCutByRows(const Sequence& rows, const QList<int>& rowList);

// Reverses each run of consecutive selected rows. Loop markers travel with their rows, so a
// loop stays a loop over the same rows and the reversed table plays the old one's steps
// backwards; the loops are then numbered in row order again. A selection that cuts through a
// loop is refused with text::ReverseCutsLoop naming the loop.
std::optional<EditOutcome> reverseRows(const Sequence& rows, const Selection& selection,
                                       EditContext& context);

constexpr double kMinStretchFactor = 0.1;
constexpr double kMaxStretchFactor = 10.0;

// Every on-time times `factor` (0.1 to 10), rounded to the tenth and kept within 0.1 to 10 s.
// Rows whose time keeps its value keep their text. Nothing for a factor outside its range.
std::optional<EditOutcome> stretchRows(const Sequence& rows, const Selection& selection,
                                       double factor);

// The factor an answer stands for: a number from 0.1 to 10 written with a comma or a point
// (blanks around it allowed); nothing for any other answer.
std::optional<double> stretchFactorOf(const QString& answer);

// Asks the factor (text::StretchFactorQuestion, default "2") until the answer is a factor;
// nothing when the user gives up (empty answer or cancel).
std::optional<double> askStretchFactor(EditContext& context);

// The goodbye sequence made from the welcome sequence played backwards, its loops numbered in
// row order. A goodbye sequence
// that has rows is replaced only when the user agrees (text::ReplaceGoodbyeQuestion). The
// outcome is for the goodbye sequence; nothing is selected afterwards. Nothing when the
// welcome sequence has no rows.
std::optional<EditOutcome> goodbyeFromWelcome(const Document& document, EditContext& context);

}  // namespace vireo
