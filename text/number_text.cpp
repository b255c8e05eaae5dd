#include "text/number_text.h"

#include <cmath>

namespace vireo {

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    return std::nearbyint(value);  // default rounding mode is to nearest, ties to even
}

static std::optional<double> parseLeading(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    QString digits;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        digits += text[i];
        ++i;
    }
    bool any = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
            any = true;
        } else if (c == QLatin1Char('.') && !point) {
            digits += c;
            point = true;
        } else if (c == QLatin1Char(' ')) {
            continue;  // blanks are ignored
        } else {
            break;
        }
    }
    if (!any) return std::nullopt;
    return digits.toDouble();
}

double leadingNumber(const QString& text) {
    return parseLeading(text).value_or(0.0);
}

long long numberValue(const QString& text) {
    return static_cast<long long>(roundHalfEven(leadingNumber(text)));
}

std::optional<long long> numberValueIfAny(const QString& text) {
    const auto v = parseLeading(text);
    if (!v) return std::nullopt;
    return static_cast<long long>(roundHalfEven(*v));
}

QString shortNumberText(double value, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'g', QLocale::FloatingPointShortest);
}

QString tenthsText(int tenths, const QLocale& locale) {
    return shortNumberText(tenths / 10.0, locale);
}

namespace {
// The value of an on-time text that is a plain number with a comma or a point, or nothing.
std::optional<double> plainOnTime(const QString& timeText) {
    QString t = timeText.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || t.contains(QLatin1Char('e'), Qt::CaseInsensitive)) return std::nullopt;
    return value;
}
}  // namespace

QString onTimeInLocale(const QString& timeText, const QLocale& locale) {
    if (!plainOnTime(timeText)) return timeText;
    QString t = timeText;
    const QString point = locale.decimalPoint();
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i] == QLatin1Char(',') || t[i] == QLatin1Char('.')) t.replace(i, 1, point);
    return t;
}

bool sameOnTime(const QString& a, const QString& b) {
    if (a == b) return true;
    const std::optional<double> x = plainOnTime(a);
    const std::optional<double> y = plainOnTime(b);
    return x && y && roundHalfEven(*x * 1000.0) == roundHalfEven(*y * 1000.0);
}

long long onTimeMs(const QString& timeText) {
    QString t = timeText;
    const int comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0) t[comma] = QLatin1Char('.');
    return static_cast<long long>(roundHalfEven(leadingNumber(t) * 1000.0));
}

}  // namespace vireo
