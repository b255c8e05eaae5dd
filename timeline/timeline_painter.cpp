#include "timeline/timeline_painter.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "image/image_cost.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "timeline/lamp_rows.h"
#include "timeline/loop_labels.h"

namespace vireo {

namespace {

using G = TimelineGeometry;

const QColor kBackground(246, 247, 249);
const QColor kLabelBand(232, 235, 239);
const QColor kDarkCell(52, 57, 64);
const QColor kSelectedDarkCell(58, 82, 128);
const QColor kSeparator(30, 33, 38);
const QColor kRulerText(60, 64, 70);
const QColor kLoopColour(40, 90, 170);
const QColor kBadLoopColour(200, 0, 0);
const QColor kCursorColour(255, 120, 0);
const QColor kFocusColour(0, 160, 255);
const QColor kCostColour(110, 120, 135);
const QColor kBeyondColour(200, 0, 0);
const QColor kGroupLine(196, 201, 208);

QFont timelineFont() {
    QFont font;
    font.setPixelSize(10);
    return font;
}

// Seconds between labelled ruler marks: the first of these steps that leaves room for a label.
int rulerStepSeconds(double pxPerSecond) {
    for (int s : {1, 2, 5, 10, 30, 60, 120, 300})
        if (s * pxPerSecond >= 48) return s;
    return 600;
}

void paintRuler(QPainter& p, const TimelineScene& scene, int scrollX, int x0, int x1) {
    const G& g = *scene.geometry;
    p.fillRect(QRect(x0, 0, x1 - x0, G::kRulerHeight), kBackground);
    p.setPen(kRulerText);
    const double pxPerSecond = g.scale() * 10.0;
    const int every = rulerStepSeconds(pxPerSecond);
    const long long total = g.totalMs();
    // Every labelled mark that can reach the visible band (labels run up to 40 px to the right).
    for (long long s = 0; s * 1000 <= total; s += every) {
        const int x = viewX(static_cast<int>(std::lround(g.xAtMs(s * 1000))), scrollX);
        if (x > x1) break;
        if (x + 40 < x0) continue;
        p.drawLine(x, G::kRulerHeight - 6, x, G::kRulerHeight - 1);
        p.drawText(QRect(x + 2, 0, 60, G::kRulerHeight - 3), Qt::AlignLeft | Qt::AlignVCenter,
                   scene.texts->secondsFormat.arg(s));
    }
}

QString loopLabel(const TimelineScene& scene, const LoopSpan& loop) {
    return loop.readable ? scene.texts->repeatFormat.arg(loop.repeat) : scene.texts->unreadableLoop;
}

void paintLoops(QPainter& p, const TimelineScene& scene, int scrollX, int x0, int x1) {
    const G& g = *scene.geometry;
    const int top = G::kRulerHeight;
    p.fillRect(QRect(x0, top, x1 - x0, G::kLoopBandHeight), kBackground);
    // The labels are placed over all loops at once, so that scrolling never moves one.
    const QVector<LoopSpan>& loops = *scene.loops;
    QVector<BracketLabelInput> brackets;
    brackets.reserve(loops.size());
    for (const LoopSpan& loop : loops)
        brackets.append({g.columnLeft(loop.first),
                         g.columnLeft(loop.last) + g.columnWidth(loop.last) - 1,
                         p.fontMetrics().horizontalAdvance(loopLabel(scene, loop))});
    const QVector<BracketLabel> labels = placeBracketLabels(brackets);
    for (int i = 0; i < loops.size(); ++i) {
        const LoopSpan& loop = loops[i];
        const int left = viewX(brackets[i].left, scrollX);
        const int right = viewX(brackets[i].right, scrollX);
        const int labelRight = viewX(labels[i].x + brackets[i].width, scrollX);
        if (std::max(right, labelRight) < x0 || left > x1) continue;
        const QColor colour = loop.readable ? kLoopColour : kBadLoopColour;
        QPen pen(colour, 2);
        if (!loop.readable) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        const int y = top + G::kLoopBandHeight - 3;
        p.drawLine(left + 1, y, right, y);
        p.drawLine(left + 1, y, left + 1, y - 5);
        p.drawLine(right, y, right, y - 5);
        if (!labels[i].shown) continue;
        p.setPen(colour);
        // The label may run past a narrow bracket rather than be cut to nothing.
        p.drawText(
            QRect(viewX(labels[i].x, scrollX), top, brackets[i].width, G::kLoopBandHeight - 4),
            Qt::AlignLeft | Qt::AlignVCenter, loopLabel(scene, loop));
    }
}

void paintColumns(QPainter& p, const TimelineScene& scene, int scrollX, int x0, int x1) {
    const G& g = *scene.geometry;
    const Sequence& rows = *scene.rows;
    const auto& lampRowList = lampRows();
    p.fillRect(QRect(x0, G::gridTop(), x1 - x0, G::height() - G::gridTop()), kBackground);
    const auto [first, last] = g.stepsBetween(contentX(x0, scrollX), contentX(x1, scrollX));
    if (first > last) return;
    // Dark bands under the steps of each corner group, then only the lit cells, the selected
    // columns and the separators on top: far fewer fills than one per cell.
    const int bandLeft = std::max(x0, viewX(g.columnLeft(first), scrollX));
    const int bandRight = std::min(x1, viewX(g.columnLeft(last) + g.columnWidth(last), scrollX));
    struct Band {
        int top, height;
    };
    std::array<Band, kCorners> bands{};
    for (int r = 0; r < kLampRowCount; ++r) {
        Band& band = bands[lampRowGroup(r)];
        if (band.height == 0) band.top = G::rowTop(r);
        band.height += G::kRowHeight;
    }
    for (const Band& band : bands)
        p.fillRect(QRect(bandLeft, band.top, bandRight - bandLeft, band.height), kDarkCell);
    for (int step = first; step <= last; ++step) {
        const int left = viewX(g.columnLeft(step), scrollX);
        const int width = g.columnWidth(step);
        if (scene.marks.selection.isSelected(step)) {
            for (const Band& band : bands)
                p.fillRect(QRect(left, band.top, width, band.height), kSelectedDarkCell);
            p.fillRect(QRect(left, G::gridTop() - 3, width, 3), kFocusColour);
        }
        const LampBytes& lamps = rows[step].lamps;
        for (int r = 0; r < kLampRowCount; ++r) {
            const LampRow& row = lampRowList[r];
            if (lampLit(lamps, row))
                p.fillRect(QRect(left, G::rowTop(r), width, G::kRowHeight), lampColour(row));
        }
        // A line between steps keeps neighbouring lit cells apart (not on the narrowest).
        if (width > G::kMinColumnWidth)
            for (const Band& band : bands)
                p.fillRect(QRect(left, band.top, 1, band.height), kSeparator);
    }
    // Lines between the lamp rows.
    for (int r = 0; r < kLampRowCount; ++r)
        p.fillRect(QRect(bandLeft, G::rowTop(r) + G::kRowHeight - 1, bandRight - bandLeft, 1),
                   kSeparator);
    if (scene.marks.cursorStep >= 0 && scene.marks.cursorStep < g.stepCount()) {
        const int step = scene.marks.cursorStep;
        const QRect column(viewX(g.columnLeft(step), scrollX), G::kRulerHeight, g.columnWidth(step),
                           G::height() - G::kRulerHeight);
        p.setPen(QPen(kCursorColour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(column.adjusted(1, 1, -1, -1));
    }
    if (const auto focus = scene.marks.focus; focus && focus->step >= 0 &&
                                              focus->step < g.stepCount() && focus->row >= 0 &&
                                              focus->row < kLampRowCount) {
        QRect cell = g.cellRect(*focus);
        cell.translate(viewX(0, scrollX), 0);
        p.setPen(QPen(kFocusColour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(1, 1, -1, -1));
    }
}

// One pixel per byte of each step, from the strip's bottom; red from the first step that no
// longer fits, which also gets a red line across the whole column's edge.
void paintCostStrip(QPainter& p, const TimelineScene& scene, int scrollX, int x0, int x1) {
    if (!scene.costs) return;
    const G& g = *scene.geometry;
    const auto [first, last] = g.stepsBetween(contentX(x0, scrollX), contentX(x1, scrollX));
    const int bottom = G::costStripTop() + G::kCostStripHeight;
    const int known = static_cast<int>(scene.costs->size());
    for (int step = first; step <= last && step < known; ++step) {
        const int bytes = std::min((*scene.costs)[step].total(), G::kCostStripHeight);
        const bool beyond = scene.firstBeyond >= 0 && step >= scene.firstBeyond;
        const int left = viewX(g.columnLeft(step), scrollX);
        // A pixel of room between columns, except on the narrowest.
        const int width = g.columnWidth(step) - (g.columnWidth(step) > G::kMinColumnWidth ? 1 : 0);
        p.fillRect(QRect(left, bottom - bytes, width, bytes), beyond ? kBeyondColour : kCostColour);
    }
    if (scene.firstBeyond >= first && scene.firstBeyond <= last && scene.firstBeyond < known) {
        const int x = viewX(g.columnLeft(scene.firstBeyond), scrollX);
        p.fillRect(QRect(x, G::kRulerHeight, 2, bottom - G::kRulerHeight), kBeyondColour);
    }
}

// The corner of each group of rows, as a heading beside its rows (the lamp names repeat on
// every corner), and a line between the groups.
void paintCornerHeadings(QPainter& p, const TimelineScene& scene) {
    for (int group = 0, r = 0; group < kCorners; ++group) {
        const int first = r;
        while (r < kLampRowCount && lampRowGroup(r) == group) ++r;
        const int top = G::rowTop(first);
        const int bottom = G::rowTop(r - 1) + G::kRowHeight;
        if (group > 0)
            p.fillRect(QRect(2, top - G::kGroupGap / 2 - 1, G::kLabelWidth - 4, 1), kGroupLine);
        QFont bold = p.font();
        bold.setBold(true);
        p.save();
        p.setFont(bold);
        p.setPen(kRulerText);
        p.drawText(QRect(4, top, G::kCornerHeadingWidth - 2, bottom - top),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   scene.texts->cornerHeadings.value(group));
        p.restore();
    }
}

void paintLabels(QPainter& p, const TimelineScene& scene, const QRect& clip) {
    if (clip.left() >= G::kLabelWidth) return;
    p.fillRect(QRect(0, 0, G::kLabelWidth, G::height()), kLabelBand);
    paintCornerHeadings(p, scene);
    p.setPen(kRulerText);
    for (int r = 0; r < kLampRowCount; ++r) {
        const int nameLeft = 4 + G::kCornerHeadingWidth;
        const QRect band(nameLeft, G::rowTop(r), G::kLabelWidth - 8 - nameLeft, G::kRowHeight);
        const QRect swatch(G::kLabelWidth - 9, band.top() + 2, 6, G::kRowHeight - 5);
        p.fillRect(swatch, lampColour(lampRows()[r]));
        p.setPen(kSeparator);
        p.drawRect(swatch);
        p.setPen(kRulerText);
        p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, scene.texts->rowLabels.value(r));
    }
}

}  // namespace

TimelineTexts timelineTexts(const LanguageTable& texts) {
    TimelineTexts t;
    for (const LampRow& row : lampRows()) t.rowLabels << lampRowLabel(texts, row);
    // The groups of rows follow the corners 1 to 4, as the corner names do.
    for (int c = 0; c < kCorners; ++c) t.cornerHeadings << texts.entry(text::CornerNameFirst + c);
    t.repeatFormat = texts.entry(text::TimelineRepeat);
    t.secondsFormat = texts.entry(text::TimelineSeconds);
    t.unreadableLoop = texts.entry(text::TimelineUnreadableLoop);
    return t;
}

void paintTimeline(QPainter& painter, const TimelineScene& scene, int scrollX, int viewWidth,
                   const QRect& clip) {
    painter.save();
    painter.setFont(timelineFont());
    painter.setClipRect(clip);
    const int x0 = std::max(clip.left(), G::kLabelWidth);
    const int x1 = std::min(clip.right() + 1, viewWidth);
    if (x1 > x0) {
        paintRuler(painter, scene, scrollX, x0, x1);
        paintLoops(painter, scene, scrollX, x0, x1);
        paintColumns(painter, scene, scrollX, x0, x1);
        paintCostStrip(painter, scene, scrollX, x0, x1);
    }
    paintLabels(painter, scene, clip);
    painter.restore();
}

QImage renderTimeline(const Sequence& rows, double pxPerTenth, const TimelineTexts& texts) {
    const TimelineGeometry geometry(rows, pxPerTenth);
    const QVector<LoopSpan> loops = loopSpans(rows);
    const std::vector<RowBytes> costs = sequenceRowBytes(rows);
    TimelineScene scene{&rows, &geometry, &loops, &texts, {}, &costs};
    // A little room after the last step so the last ruler label and bracket stay whole.
    const int width = G::kLabelWidth + geometry.contentWidth() + 40;
    QImage image(width, G::height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    QPainter painter(&image);
    paintTimeline(painter, scene, 0, width, image.rect());
    return image;
}

}  // namespace vireo
