#pragma once

#include <QString>
#include <optional>

namespace vireo {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The leading number of a text: blanks are skipped, an optional sign and digits with an
// optional point as decimal separator are read up to the first other character; a text
// without digits gives 0.
double leadingNumber(const QString& text);

// The number value of a text: its leading number rounded to an integer, halves to even.
long long numberValue(const QString& text);

// The number value when the text starts with a number at all; nullopt otherwise. Used where
// a text without a number must be told apart from "0" (for example a setting that is not a number).
std::optional<long long> numberValueIfAny(const QString& text);

}  // namespace vireo
