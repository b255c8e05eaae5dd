#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <optional>
#include <utility>

#include "sequence/document.h"

namespace vireo {

// A cell of the timeline: a step (0-based row of the sequence) and a lamp row (0..22).
struct TimelineCell {
    int step = -1;
    int row = -1;
    bool operator==(const TimelineCell&) const = default;
};

// A loop as the timeline draws it: a run of consecutive steps with the same marker.
struct LoopSpan {
    int first = 0;
    int last = 0;
    QString marker;
    long long repeat = 0;
    // The marker reads as a loop of the module: "S", a loop number and a repeat count of 1..255.
    bool readable = false;
    bool operator==(const LoopSpan&) const = default;
};
QVector<LoopSpan> loopSpans(const Sequence& rows);

// Where everything of the timeline lies. Content coordinates: y from the top of the picture,
// x from the left edge of the first step's column (the lamp labels sit to the left of it, in
// a band of kLabelWidth that does not scroll). One column per step, as wide as its on-time at
// the zoom (pixels per tenth of a second), and never narrower than kMinColumnWidth so every
// step stays visible and clickable.
class TimelineGeometry {
  public:
    static constexpr int kLabelWidth = 200;
    // The left part of the label band, where each group of rows has its corner's name.
    static constexpr int kCornerHeadingWidth = 46;
    static constexpr int kRulerHeight = 18;
    static constexpr int kLoopBandHeight = 18;
    static constexpr int kRowHeight = 12;
    static constexpr int kGroupGap = 4;
    static constexpr int kMinColumnWidth = 3;
    static constexpr int kCostStripGap = 2;
    static constexpr int kCostStripHeight = 8;    // one pixel per image byte of the step
    static constexpr double kDefaultScale = 4.0;  // pixels per tenth of a second
    static constexpr double kMinScale = 0.25;
    static constexpr double kMaxScale = 40.0;

    TimelineGeometry() = default;
    TimelineGeometry(const Sequence& rows, double pxPerTenth);

    double scale() const { return scale_; }
    int stepCount() const { return static_cast<int>(lefts_.size()) - 1; }
    int columnLeft(int step) const { return lefts_[step]; }
    int columnWidth(int step) const { return lefts_[step + 1] - lefts_[step]; }
    int contentWidth() const { return lefts_.back(); }
    // Start of a step in milliseconds from the beginning of the sequence, and its on-time.
    long long stepStartMs(int step) const { return startsMs_[step]; }
    long long stepMs(int step) const { return startsMs_[step + 1] - startsMs_[step]; }
    long long totalMs() const { return startsMs_.back(); }

    static int gridTop() { return kRulerHeight + kLoopBandHeight; }
    static int rowTop(int row);
    // Below the last lamp row.
    static int rowsBottom();
    // The thin strip under the lamp rows that shows what each step costs in the image.
    static int costStripTop();
    static int height();
    // What lies under the lamp rows: the cost strip with the room around it. A view that
    // scrolls the rows keeps it in view below them, as it keeps the ruler and loop band above.
    static int footerHeight() { return height() - rowsBottom(); }

    // The rectangle of a cell in content coordinates.
    QRect cellRect(TimelineCell cell) const;
    // The step whose column holds content x; -1 outside every column.
    int stepAtX(int x) const;
    // The lamp row at y; -1 in the ruler, the loop band, a gap between groups or below.
    static int rowAtY(int y);
    // The cell at a point in content coordinates.
    std::optional<TimelineCell> cellAt(QPoint point) const;
    // The x of a moment (ms from the start), inside the column of the step that runs then.
    double xAtMs(long long ms) const;
    // The moment at content x, the other way round: within a column the time runs evenly.
    double msAtX(double x) const;
    // The first and last step whose columns meet [x0, x1); first > last when none.
    std::pair<int, int> stepsBetween(int x0, int x1) const;

  private:
    double scale_ = kDefaultScale;
    QVector<int> lefts_{0};           // stepCount + 1 column edges
    QVector<long long> startsMs_{0};  // stepCount + 1 moments
};

// The on-time of a step in milliseconds as the timeline measures it: the row text read as the
// playback reads it, kept within 0 .. 25.5 s (the longest on-time a step can hold; larger
// texts only come from damaged files).
long long timelineStepMs(const Step& step);

}  // namespace vireo
