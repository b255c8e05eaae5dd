#include "timeline/timeline_geometry.h"

#include <algorithm>
#include <cmath>

#include "sequence/loop_marker.h"
#include "timeline/lamp_rows.h"

namespace vireo {

namespace {
constexpr long long kLongestStepMs = 25500;
constexpr long long kMaxRepeat = 255;
}  // namespace

long long timelineStepMs(const Step& step) {
    return std::clamp<qint64>(step.time.ms(), 0, kLongestStepMs);
}

QVector<LoopSpan> loopSpans(const Sequence& rows) {
    QVector<LoopSpan> spans;
    for (int i = 0; i < rows.size(); ++i) {
        const QString& marker = rows[i].loop;
        if (marker.isEmpty()) continue;
        if (!spans.isEmpty() && spans.back().last == i - 1 && spans.back().marker == marker) {
            spans.back().last = i;
            continue;
        }
        LoopSpan span;
        span.first = span.last = i;
        span.marker = marker;
        span.repeat = markerRepeatCount(marker);
        span.readable = isLoopMarker(marker) && markerLoopNumber(marker) >= 1 && span.repeat >= 1 &&
                        span.repeat <= kMaxRepeat;
        spans.append(span);
    }
    return spans;
}

TimelineGeometry::TimelineGeometry(const Sequence& rows, double pxPerTenth)
    : scale_(std::clamp(pxPerTenth, kMinScale, kMaxScale)) {
    lefts_.reserve(rows.size() + 1);
    startsMs_.reserve(rows.size() + 1);
    for (const Step& step : rows) {
        const long long ms = timelineStepMs(step);
        const int width =
            std::max(kMinColumnWidth, static_cast<int>(std::lround(ms * scale_ / 100.0)));
        lefts_.append(lefts_.back() + width);
        startsMs_.append(startsMs_.back() + ms);
    }
}

int TimelineGeometry::rowTop(int row) {
    return gridTop() + row * kRowHeight + lampRowGroup(row) * kGroupGap;
}

int TimelineGeometry::rowsBottom() {
    return rowTop(kLampRowCount - 1) + kRowHeight;
}

int TimelineGeometry::costStripTop() {
    return rowsBottom() + kCostStripGap;
}

int TimelineGeometry::height() {
    return costStripTop() + kCostStripHeight + 1;
}

QRect TimelineGeometry::cellRect(TimelineCell cell) const {
    return QRect(columnLeft(cell.step), rowTop(cell.row), columnWidth(cell.step), kRowHeight);
}

int TimelineGeometry::stepAtX(int x) const {
    if (x < 0 || x >= contentWidth()) return -1;
    // The last edge not above x starts the column.
    const auto it = std::upper_bound(lefts_.begin(), lefts_.end(), x);
    return static_cast<int>(it - lefts_.begin()) - 1;
}

int TimelineGeometry::rowAtY(int y) {
    if (y < gridTop()) return -1;
    for (int group = 0, row = 0; group < kCorners; ++group) {
        // Rows of this group: those whose corner group is `group`.
        const int first = row;
        while (row < kLampRowCount && lampRowGroup(row) == group) ++row;
        const int top = rowTop(first);
        const int bottom = top + (row - first) * kRowHeight;
        if (y >= top && y < bottom) return first + (y - top) / kRowHeight;
    }
    return -1;
}

std::optional<TimelineCell> TimelineGeometry::cellAt(QPoint point) const {
    const int step = stepAtX(point.x());
    const int row = rowAtY(point.y());
    if (step < 0 || row < 0) return std::nullopt;
    return TimelineCell{step, row};
}

double TimelineGeometry::xAtMs(long long ms) const {
    if (stepCount() == 0 || ms <= 0) return 0.0;
    if (ms >= totalMs()) return contentWidth();
    // The step running at ms: the last start not above it (zero-length steps are skipped).
    const auto it = std::upper_bound(startsMs_.begin(), startsMs_.end(), ms);
    const int step = static_cast<int>(it - startsMs_.begin()) - 1;
    const double part = double(ms - startsMs_[step]) / double(stepMs(step));
    return columnLeft(step) + part * columnWidth(step);
}

double TimelineGeometry::msAtX(double x) const {
    if (stepCount() == 0 || x <= 0) return 0.0;
    if (x >= contentWidth()) return double(totalMs());
    const int step = stepAtX(static_cast<int>(std::floor(x)));
    const double part = (x - columnLeft(step)) / double(columnWidth(step));
    return double(stepStartMs(step)) + part * double(stepMs(step));
}

std::pair<int, int> TimelineGeometry::stepsBetween(int x0, int x1) const {
    const int n = stepCount();
    if (n == 0 || x1 <= 0 || x0 >= contentWidth() || x1 <= x0) return {0, -1};
    const int first = std::max(0, stepAtX(std::max(0, x0)));
    const int last = x1 >= contentWidth() ? n - 1 : stepAtX(x1 - 1);
    return {first, last};
}

}  // namespace vireo
