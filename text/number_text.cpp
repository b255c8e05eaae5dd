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

}  // namespace vireo
