#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <optional>

#include "image/image_builder.h"
#include "sequence/document.h"
#include "sequence/selection.h"
#include "timeline/timeline_geometry.h"

class QPainter;

namespace vireo {

class LanguageTable;

// The texts the timeline draws, taken from the language table once per language.
struct TimelineTexts {
    QStringList rowLabels;       // one per lamp row, the lamp's name
    QStringList cornerHeadings;  // one per group of rows: front right, front left, rear ...
    QString repeatFormat;        // "× %1"
    QString secondsFormat;       // "%1 s"
    QString unreadableLoop;
};
TimelineTexts timelineTexts(const LanguageTable& texts);

// What the view marks on top of the document: the selected steps, the playback cursor and the
// keyboard's focus cell.
struct TimelineMarks {
    Selection selection;
    int cursorStep = -1;
    std::optional<TimelineCell> focus;
};

// Everything one picture of the timeline is drawn from.
struct TimelineScene {
    const Sequence* rows = nullptr;
    const TimelineGeometry* geometry = nullptr;
    const QVector<LoopSpan>* loops = nullptr;
    const TimelineTexts* texts = nullptr;
    TimelineMarks marks;
    // What each step costs in the image (the strip under the steps; none drawn without it), and
    // the first step that no longer fits the memory (-1 when all fit).
    const std::vector<RowBytes>* costs = nullptr;
    int firstBeyond = -1;
};

// Paints the timeline into a view of `viewWidth` pixels whose content is scrolled by `scrollX`:
// the lamp labels stay at the left, the ruler and the loop band on top. Only what meets `clip`
// (view coordinates) is drawn, so a changed column costs one column.
void paintTimeline(QPainter& painter, const TimelineScene& scene, int scrollX, int viewWidth,
                   const QRect& clip);

// The view x of a content x, and back.
inline int viewX(int contentX, int scrollX) {
    return TimelineGeometry::kLabelWidth + contentX - scrollX;
}
inline int contentX(int viewX, int scrollX) {
    return viewX - TimelineGeometry::kLabelWidth + scrollX;
}

// The whole timeline of a sequence as one picture (labels, every step, the cost of each step
// in the strip under them), for files and tools.
QImage renderTimeline(const Sequence& rows, double pxPerTenth, const TimelineTexts& texts);

}  // namespace vireo
