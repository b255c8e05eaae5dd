#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vireo {

// The on-time of a step: how long its lamps stay on. It holds the exact value its text denotes,
// so playback reads its milliseconds and the data image its tenths of a second, each rounded
// from the exact value, halves to even.
//
// Text becomes an on-time in one place (parse, fromInput) and an on-time becomes text in one
// place (text, writtenText). An on-time read from a file or JSON keeps the text it was read
// from, so that writing it out again gives the same text; it does not take part in comparisons.
class OnTime {
  public:
    // The shortest and the longest on-time a step is made with: the slider's range, in tenths.
    static constexpr int kShortestTenths = 1;
    static constexpr int kLongestTenths = 100;

    OnTime() = default;
    // A literal on-time as a file holds it ("1,5", "0.5", "2"): the same as parse().
    OnTime(const char* text);  // NOLINT(google-explicit-constructor)

    // An on-time as a file, JSON or pasted text holds it, read as the module reads it: blanks at
    // the start are skipped, then an optional sign and digits with the first comma or point as
    // the decimal separator, blanks between them ignored, up to the first other character; a
    // text without digits is 0. The text is kept for writing it out again.
    static OnTime parse(const QString& text);
    // An on-time typed or given as an argument: a plain number with a comma or a point (blanks
    // around it allowed); nothing for any other text.
    static std::optional<OnTime> fromInput(const QString& text);
    static OnTime ofTenths(long long tenths);
    static OnTime ofMs(qint64 ms);

    // Playback's interval: the value in whole milliseconds.
    qint64 ms() const;
    // The data image's time byte: the value in whole tenths of a second.
    long long tenths() const;
    // Whether the value is a whole number of tenths within kShortestTenths..kLongestTenths, as
    // the slider makes it.
    bool isStepTime() const;
    // The value in whole tenths when it lies within the slider's range (0.1 to 10 s); nothing
    // otherwise.
    std::optional<int> stepTenths() const;

    // The value as the user's locale writes it: shortest form, no trailing zeros, the locale's
    // decimal separator, no group separators (German: 0,5 / 1 / 10 / 0,55).
    QString text(const QLocale& locale = QLocale()) const;
    // The text a file or JSON holds for this on-time: the text it was read from, or for an
    // on-time made here its value in the form of `madeForm`.
    QString writtenText(const QLocale& madeForm = QLocale()) const;
    bool hasWrittenText() const { return !written_.isNull(); }
    // The same value, without the text it was read from.
    OnTime valueOnly() const { return OnTime(nanos_, beyond_); }

    // On-times are equal when their values are, however they were written ("0,5", "0.50").
    bool operator==(const OnTime& other) const {
        return nanos_ == other.nanos_ && beyond_ == other.beyond_;
    }

  private:
    OnTime(qint64 nanos, bool beyond) : nanos_(nanos), beyond_(beyond) {}
    qint64 roundedTo(qint64 unitNanos) const;

    qint64 nanos_ = 0;     // the value in nanoseconds, towards zero
    bool beyond_ = false;  // the text had further non-zero digits past the nanoseconds
    QString written_;      // the text it was read from; null for an on-time made here
};

}  // namespace vireo
