#include "sequence/loop_numbering.h"

#include <QHash>

#include "sequence/loop_marker.h"

namespace vireo {

namespace {

// Characters 2 to 4 of a marker: its loop number right-aligned in three characters.
constexpr int kNumberField = 1;
constexpr int kNumberWidth = 3;

QString numberField(int number) {
    return QString::number(number).rightJustified(kNumberWidth, QLatin1Char(' '));
}

// Whether the marker's number field holds its loop number as the loop command writes it, so
// that a new number in the same field leaves every other character where it was.
bool renumberable(const QString& marker) {
    const int number = markerLoopNumber(marker);
    return isLoopMarker(marker) && number >= 1 &&
           marker.mid(kNumberField, kNumberWidth) == numberField(number);
}

}  // namespace

Sequence withLoopsInRowOrder(const Sequence& rows) {
    QHash<int, int> newNumber;
    for (const Step& step : rows) {
        if (step.loop.isEmpty()) continue;
        if (!renumberable(step.loop)) return rows;
        const int number = markerLoopNumber(step.loop);
        if (!newNumber.contains(number)) newNumber.insert(number, int(newNumber.size()) + 1);
    }
    Sequence out = rows;
    for (Step& step : out) {
        if (step.loop.isEmpty()) continue;
        step.loop.replace(kNumberField, kNumberWidth,
                          numberField(newNumber.value(markerLoopNumber(step.loop))));
    }
    return out;
}

}  // namespace vireo
