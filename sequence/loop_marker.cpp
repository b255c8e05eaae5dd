#include "sequence/loop_marker.h"

#include <algorithm>

#include "text/number_text.h"

namespace vireo {

QString loopMarker(int loopNumber, int repeatCount) {
    return QStringLiteral("S%1 / %2 x").arg(loopNumber, 3).arg(repeatCount);
}

bool isLoopMarker(const QString& marker) {
    return marker.startsWith(QStringLiteral("S "));
}

int markerLoopNumber(const QString& marker) {
    return static_cast<int>(numberValue(marker.mid(2, 2).trimmed()));
}

long long markerRepeatCount(const QString& marker) {
    QString digits = marker.mid(7, 2);
    while (digits.endsWith(QLatin1Char(' '))) digits.chop(1);
    return numberValue(digits);
}

int highestLoopNumber(const Sequence& rows) {
    int highest = 0;
    for (const Step& step : rows)
        if (!step.loop.isEmpty()) highest = std::max(highest, markerLoopNumber(step.loop));
    return highest;
}

int markedRunCount(const Sequence& rows) {
    int runs = 0;
    QString previous;
    for (const Step& step : rows) {
        if (!step.loop.isEmpty() && step.loop != previous) ++runs;
        previous = step.loop;
    }
    return runs;
}

}  // namespace vireo
