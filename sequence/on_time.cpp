#include "sequence/on_time.h"

#include <limits>

namespace vireo {

namespace {

constexpr qint64 kNanosPerSecond = 1'000'000'000;
constexpr qint64 kNanosPerMs = 1'000'000;
constexpr qint64 kNanosPerTenth = 100'000'000;
constexpr int kFractionDigits = 9;
// Whole seconds beyond this are held as this: far past anything a byte or a timer holds.
constexpr qint64 kLargestSeconds = std::numeric_limits<qint64>::max() / kNanosPerSecond - 1;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isSeparator(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

// The value of the leading number of a text, as the module's reader takes it.
struct Reading {
    qint64 nanos = 0;
    bool beyond = false;
    bool anyDigit = false;
    int end = 0;  // the index of the first character not read
};

Reading readLeading(const QString& text, int from, bool blanksInside) {
    Reading r;
    const int n = int(text.size());
    int i = from;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 seconds = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const int digit = c.unicode() - '0';
            r.anyDigit = true;
            if (!inFraction) {
                seconds = seconds > kLargestSeconds / 10
                              ? kLargestSeconds
                              : std::min(kLargestSeconds, seconds * 10 + digit);
            } else if (fractionDigits < kFractionDigits) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            } else if (digit != 0) {
                r.beyond = true;
            }
        } else if (isSeparator(c) && !inFraction) {
            inFraction = true;
        } else if (blanksInside && c == QLatin1Char(' ')) {
            continue;
        } else {
            break;
        }
    }
    r.end = i;
    for (; fractionDigits < kFractionDigits; ++fractionDigits) fraction *= 10;
    r.nanos = seconds * kNanosPerSecond + fraction;
    if (negative) r.nanos = -r.nanos;
    return r;
}

QString digitsOf(qint64 value) {
    return QString::number(value);
}

}  // namespace

OnTime::OnTime(const char* text) : OnTime(parse(QString::fromUtf8(text))) {}

OnTime OnTime::parse(const QString& text) {
    int start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    const Reading r = readLeading(text, start, true);
    OnTime time(r.nanos, r.beyond);
    time.written_ = text.isNull() ? QString(QLatin1String("")) : text;
    return time;
}

std::optional<OnTime> OnTime::fromInput(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    const Reading r = readLeading(t, 0, false);
    if (!r.anyDigit || r.end != t.size()) return std::nullopt;
    return OnTime(r.nanos, r.beyond);
}

OnTime OnTime::ofTenths(long long tenths) {
    return OnTime(qint64(tenths) * kNanosPerTenth, false);
}

OnTime OnTime::ofMs(qint64 ms) {
    return OnTime(ms * kNanosPerMs, false);
}

// Rounds the value to whole units, halves to the even neighbour; digits past the nanoseconds
// lift a half above it.
qint64 OnTime::roundedTo(qint64 unitNanos) const {
    const bool negative = nanos_ < 0;
    const qint64 magnitude = negative ? -nanos_ : nanos_;
    qint64 units = magnitude / unitNanos;
    const qint64 rest = magnitude % unitNanos;
    const qint64 half = unitNanos / 2;
    if (rest > half || (rest == half && (beyond_ || units % 2 == 1))) ++units;
    return negative ? -units : units;
}

qint64 OnTime::ms() const {
    return roundedTo(kNanosPerMs);
}

long long OnTime::tenths() const {
    return roundedTo(kNanosPerTenth);
}

bool OnTime::isStepTime() const {
    return !beyond_ && nanos_ % kNanosPerTenth == 0 && nanos_ >= kShortestTenths * kNanosPerTenth &&
           nanos_ <= kLongestTenths * kNanosPerTenth;
}

std::optional<int> OnTime::stepTenths() const {
    const bool inRange = nanos_ >= kShortestTenths * kNanosPerTenth &&
                         (nanos_ < kLongestTenths * kNanosPerTenth ||
                          (nanos_ == kLongestTenths * kNanosPerTenth && !beyond_));
    if (!inRange) return std::nullopt;
    return int(tenths());
}

QString OnTime::text(const QLocale& locale) const {
    const bool negative = nanos_ < 0;
    const qint64 magnitude = negative ? -nanos_ : nanos_;
    QString out = negative ? locale.negativeSign() : QString();
    out += digitsOf(magnitude / kNanosPerSecond);
    qint64 fraction = magnitude % kNanosPerSecond;
    if (fraction == 0) return out;
    QString digits = QStringLiteral("%1").arg(fraction, kFractionDigits, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    return out + locale.decimalPoint() + digits;
}

QString OnTime::writtenText(const QLocale& madeForm) const {
    return hasWrittenText() ? written_ : text(madeForm);
}

}  // namespace vireo
