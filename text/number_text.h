#pragma once

#include <QLocale>
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

// The on-time of a slider value (tenths of a second) as the user's locale writes it:
// shortest form, no trailing zeros (German: 0,1 / 1 / 1,5 / 10).
QString tenthsText(int tenths, const QLocale& locale = QLocale());

// A number in its shortest form with the locale's decimal separator.
QString shortNumberText(double value, const QLocale& locale = QLocale());

// An on-time text written with the locale's decimal separator, digits unchanged ("0.2" reads
// "0,2" under a German locale). A text that is not a plain number stays as it is.
QString onTimeInLocale(const QString& timeText, const QLocale& locale = QLocale());

// True when two on-time texts stand for the same time, however the number was written
// ("0,5", "0.5", "0.50"). Texts that are not plain numbers are compared as texts.
bool sameOnTime(const QString& a, const QString& b);

// An on-time text ("1,5" or "1.5") in whole milliseconds: the first comma becomes a point,
// the leading number is read and rounded half to even.
long long onTimeMs(const QString& timeText);

}  // namespace vireo
