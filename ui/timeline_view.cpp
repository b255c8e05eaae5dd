#include "ui/timeline_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "sequence/document_editor.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "timeline/cost_texts.h"
#include "timeline/lamp_rows.h"
#include "timeline/timeline_edits.h"

namespace vireo {

namespace {
using G = TimelineGeometry;
constexpr double kZoomFactor = 1.25;
constexpr int kTrailingRoom = 40;  // room after the last step for its ruler label

// Two versions of a sequence that differ in lamp bytes only.
bool sameExceptLamps(const Sequence& a, const Sequence& b) {
    if (a.size() != b.size()) return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].time != b[i].time || a[i].loop != b[i].loop) return false;
    return true;
}
}  // namespace

TimelineView::TimelineView(const EditingSession& session, const LanguageTable& texts,
                           QWidget* parent)
    : QAbstractScrollArea(parent), session_(session), language_(texts) {
    setObjectName(QStringLiteral("timelineView"));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    texts_ = timelineTexts(language_);
    const DocumentEditor& editor = session_.documentEditor();
    connect(&editor, &DocumentEditor::rowsChanged, this, &TimelineView::onRowsChanged);
    connect(&editor, &DocumentEditor::documentReset, this, [this] {
        selection_ = {};
        cursorStep_ = -1;
        focus_.reset();
        dragAnchor_.reset();
        preview_.clear();
        rebuild();
    });
    rebuild();
}

QSize TimelineView::sizeHint() const {
    return {QAbstractScrollArea::sizeHint().width(),
            G::height() + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth()};
}

QSize TimelineView::minimumSizeHint() const {
    // The ruler, the loop band, a few lamp rows and the cost strip.
    constexpr int kRowsAtLeast = 2;
    return {QAbstractScrollArea::minimumSizeHint().width(), heightForRows(kRowsAtLeast)};
}

int TimelineView::heightForRows(int rows) const {
    const int last = std::clamp(rows, 1, kLampRowCount) - 1;
    return G::rowTop(last) + G::kRowHeight + G::footerHeight() +
           horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
}

int TimelineView::footerTop() const {
    return std::min(viewport()->height(), G::height()) - G::footerHeight();
}

const Sequence& TimelineView::rows() const {
    return dragAnchor_ ? preview_ : session_.document().sequences[sequence_];
}

TimelineMarks TimelineView::marks() const {
    TimelineMarks m;
    m.selection = selection_;
    m.cursorStep = cursorStep_;
    if (hasFocus()) m.focus = focus_;
    return m;
}

void TimelineView::setSequence(int s) {
    if (s == sequence_) return;
    sequence_ = s;
    selection_ = {};
    cursorStep_ = -1;
    focus_.reset();
    dragAnchor_.reset();
    rebuild();
}

void TimelineView::setSelection(const Selection& selection) {
    if (selection == selection_) return;
    selection_ = selection;
    viewport()->update();
}

void TimelineView::setPlaybackStep(int step) {
    if (step == cursorStep_) return;
    cursorStep_ = step;
    if (step >= 0) ensureStepVisible(step);
    viewport()->update();
}

void TimelineView::setImageCost(const ImageCost& cost) {
    cost_ = cost;
    viewport()->update();
}

const std::vector<RowBytes>* TimelineView::stepCosts() const {
    if (cost_.outcome != ImageOutcome::Ok) return nullptr;
    const std::vector<RowBytes>& costs = cost_.rows[sequence_];
    // Right after an edit the meter's reading may still be of the rows before it.
    return static_cast<int>(costs.size()) == rows().size() ? &costs : nullptr;
}

void TimelineView::applyLanguage() {
    texts_ = timelineTexts(language_);
    viewport()->update();
}

void TimelineView::setScale(double pxPerTenth) {
    zoomAt(pxPerTenth, G::kLabelWidth);
}

void TimelineView::zoomAt(double pxPerTenth, int anchorViewX) {
    const double scale = std::clamp(pxPerTenth, G::kMinScale, G::kMaxScale);
    if (scale == scale_) return;
    // The moment at the anchor stays where it is (as far as the scroll range allows).
    const int offset = std::max(0, anchorViewX - G::kLabelWidth);
    const double ms = geometry_.msAtX(horizontalScrollBar()->value() + offset);
    scale_ = scale;
    rebuild();
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(geometry_.xAtMs(std::llround(ms)))) - offset);
}

void TimelineView::rebuild() {
    shown_ = session_.document().sequences[sequence_];
    geometry_ = TimelineGeometry(shown_, scale_);
    loops_ = loopSpans(shown_);
    updateScrollRange();
    viewport()->update();
}

void TimelineView::updateScrollRange() {
    const int visible = std::max(0, viewport()->width() - G::kLabelWidth);
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, geometry_.contentWidth() + kTrailingRoom - visible));
    bar->setPageStep(std::max(1, visible));
    bar->setSingleStep(std::max(1, static_cast<int>(scale_ * 5)));
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, G::height() - viewport()->height()));
    down->setPageStep(std::max(1, viewport()->height()));
    down->setSingleStep(G::kRowHeight);
}

void TimelineView::onRowsChanged(int s, const Selection& selection) {
    if (s != sequence_) return;
    // A drag in progress was drawn over the old rows; it ends without an edit.
    dragAnchor_.reset();
    preview_.clear();
    const Sequence& now = session_.document().sequences[s];
    const bool selectionMoved = selection != selection_;
    selection_ = selection;
    if (focus_ && focus_->step >= now.size()) focus_.reset();
    if (cursorStep_ >= now.size()) cursorStep_ = -1;
    if (!sameExceptLamps(shown_, now)) {
        rebuild();
        return;
    }
    // Lamps only: the geometry stands, and only the columns of the changed steps are painted.
    int first = -1, last = -1;
    for (int i = 0; i < now.size(); ++i) {
        if (now[i].lamps == shown_[i].lamps) continue;
        if (first < 0) first = i;
        last = i;
    }
    shown_ = now;
    if (selectionMoved)
        viewport()->update();
    else if (first >= 0)
        updateColumns(first, last);
    // The pictures show the current step, or else the changed one (an undo may bring back a
    // selection without a current row).
    if (selection.current >= 0 && selection.current < now.size())
        Q_EMIT showStepRequested(selection.current);
    else if (first >= 0)
        Q_EMIT showStepRequested(first);
}

void TimelineView::updateColumns(int first, int last) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, geometry_.stepCount() - 1);
    if (first > last) return;
    const int scroll = horizontalScrollBar()->value();
    const int left = viewX(geometry_.columnLeft(first), scroll);
    const int right = viewX(geometry_.columnLeft(last) + geometry_.columnWidth(last), scroll);
    viewport()->update(QRect(left, 0, right - left, viewport()->height()));
}

void TimelineView::ensureStepVisible(int step) {
    if (step < 0 || step >= geometry_.stepCount()) return;
    QScrollBar* bar = horizontalScrollBar();
    const int visible = std::max(1, viewport()->width() - G::kLabelWidth);
    const int left = geometry_.columnLeft(step);
    const int right = left + geometry_.columnWidth(step);
    if (left < bar->value())
        bar->setValue(left);
    else if (right > bar->value() + visible)
        bar->setValue(right - visible);
}

void TimelineView::ensureRowVisible(int row) {
    if (row < 0 || row >= kLampRowCount) return;
    QScrollBar* bar = verticalScrollBar();
    const int bottom = G::rowTop(row) + G::kRowHeight;
    // The first row shows under the fixed ruler and loop band when the bar is at 0, the last
    // above the fixed cost strip when it is at its end.
    const int top = G::rowTop(row) - G::gridTop();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + footerTop())
        bar->setValue(bottom - footerTop());
}

QRect TimelineView::cellViewRect(TimelineCell cell) const {
    if (cell.step < 0 || cell.step >= geometry_.stepCount() || cell.row < 0 ||
        cell.row >= kLampRowCount)
        return {};
    return geometry_.cellRect(cell).translated(viewX(0, horizontalScrollBar()->value()),
                                               -verticalScrollBar()->value());
}

std::optional<TimelineCell> TimelineView::cellAtViewPoint(QPoint point) const {
    // The labels, the fixed ruler and loop band and the fixed cost strip hold no cell (rows
    // scroll under them).
    if (point.x() < G::kLabelWidth || point.y() < G::gridTop() || point.y() >= footerTop())
        return std::nullopt;
    return geometry_.cellAt(QPoint(contentX(point.x(), horizontalScrollBar()->value()),
                                   point.y() + verticalScrollBar()->value()));
}

void TimelineView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int scrollX = horizontalScrollBar()->value();
    const int scrollY = verticalScrollBar()->value();
    const int width = viewport()->width();
    const std::vector<RowBytes>* costs = stepCosts();
    const TimelineScene scene{&rows(),
                              &geometry_,
                              &loops_,
                              &texts_,
                              marks(),
                              costs,
                              costs ? cost_.firstRowBeyond(sequence_) : -1};
    // The lamp rows scroll up by the vertical bar between the ruler and the loop band, which
    // stay at the top, and the cost strip, which stays below them; all three are drawn with
    // the same horizontal scroll.
    const int footer = footerTop();
    const QRect rowsPart =
        event->rect() & QRect(0, G::gridTop(), width, std::max(0, footer - G::gridTop()));
    if (!rowsPart.isEmpty()) {
        painter.save();
        painter.translate(0, -scrollY);
        paintTimeline(painter, scene, scrollX, width, rowsPart.translated(0, scrollY));
        painter.restore();
    }
    const QRect header = event->rect() & QRect(0, 0, width, G::gridTop());
    if (!header.isEmpty()) paintTimeline(painter, scene, scrollX, width, header);
    const int shift = G::rowsBottom() - footer;
    const QRect strip = event->rect() & QRect(0, footer, width, G::footerHeight());
    if (!strip.isEmpty()) {
        painter.save();
        painter.translate(0, -shift);
        paintTimeline(painter, scene, scrollX, width, strip.translated(0, shift));
        painter.restore();
    }
    // Below the picture (a taller viewport than the picture) stays plain.
    const int bottom = footer + G::footerHeight();
    if (bottom < viewport()->height())
        painter.fillRect(QRect(0, bottom, width, viewport()->height() - bottom),
                         palette().window());
}

void TimelineView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // The keyboard's cell shows as soon as the view has the keyboard, not only after an arrow
    // key: the current step's first lamp, or the first cell.
    const int steps = geometry_.stepCount();
    if (!focus_ && steps > 0)
        focus_ = TimelineCell{std::clamp(selection_.current, 0, steps - 1), 0};
    viewport()->update();
}

void TimelineView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TimelineView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TimelineView::scrollContentsBy(int, int) {
    viewport()->update();
}

void TimelineView::chooseSteps(const Selection& selection) {
    selection_ = selection;
    viewport()->update();
    // A copy: the receiver's table selection flows back into selection_ while it is applied.
    const Selection chosen = selection_;
    Q_EMIT selectionChosen(chosen);
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    if (p.x() < G::kLabelWidth) return;
    const int step = geometry_.stepAtX(contentX(p.x(), horizontalScrollBar()->value()));
    if (step < 0) return;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const auto cell = cellAtViewPoint(p);
    if (!cell || extend) {
        // The ruler and the loop band select steps; Shift extends from the current step. The
        // keyboard's cell moves to the step (to the cell clicked, when one was).
        focus_ = cell.value_or(TimelineCell{step, focus_ ? focus_->row : 0});
        chooseSteps(stepSelection(selection_, step, extend));
        return;
    }
    focus_ = cell;
    dragAnchor_ = cell;
    dragEnd_ = cell->step;
    preview_ = lampRunPreview(session_.document().sequences[sequence_], *cell, dragEnd_,
                              session_.symmetric());
    updateColumns(cell->step, cell->step);
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragAnchor_) return;
    const int x = contentX(event->position().toPoint().x(), horizontalScrollBar()->value());
    int step = geometry_.stepAtX(std::clamp(x, 0, std::max(0, geometry_.contentWidth() - 1)));
    if (step < 0 || step == dragEnd_) return;
    const int oldEnd = dragEnd_;
    dragEnd_ = step;
    preview_ = lampRunPreview(session_.document().sequences[sequence_], *dragAnchor_, dragEnd_,
                              session_.symmetric());
    ensureStepVisible(step);
    updateColumns(std::min({oldEnd, step, dragAnchor_->step}),
                  std::max({oldEnd, step, dragAnchor_->step}));
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragAnchor_) return;
    const TimelineCell anchor = *dragAnchor_;
    const int end = dragEnd_;
    dragAnchor_.reset();
    preview_.clear();
    switchAt(anchor, end);
}

void TimelineView::switchAt(TimelineCell anchor, int endStep) {
    Q_EMIT lampsSwitched(sequence_, anchor, endStep);
}

void TimelineView::wheelEvent(QWheelEvent* event) {
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (event->modifiers() & Qt::ControlModifier) {
        // The moment under the mouse stays under it.
        if (delta != 0)
            zoomAt(delta > 0 ? scale_ * kZoomFactor : scale_ / kZoomFactor,
                   static_cast<int>(event->position().x()));
        event->accept();
        return;
    }
    // A plain wheel scrolls along the time axis.
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->value() - delta * bar->singleStep() / 40);
    event->accept();
}

void TimelineView::moveFocus(int dStep, int dRow, bool extend) {
    const int steps = geometry_.stepCount();
    if (steps == 0) return;
    TimelineCell cell =
        focus_.value_or(TimelineCell{std::clamp(selection_.current, 0, steps - 1), 0});
    cell.step = std::clamp(cell.step + dStep, 0, steps - 1);
    cell.row = std::clamp(cell.row + dRow, 0, kLampRowCount - 1);
    focus_ = cell;
    ensureStepVisible(cell.step);
    ensureRowVisible(cell.row);
    if (dStep != 0) {
        if (extend)
            chooseSteps(stepSelection(selection_, cell.step, true));
        else
            chooseSteps(Selection{{cell.step}, cell.step});
    } else {
        viewport()->update();
    }
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (const auto command = timelineCommandFor(event->keyCombination())) {
        Q_EMIT commandRequested(*command);
    } else if (ctrl && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
        setScale(scale_ * kZoomFactor);
    } else if (ctrl && event->key() == Qt::Key_Minus) {
        setScale(scale_ / kZoomFactor);
    } else if (event->key() == Qt::Key_Left) {
        moveFocus(-1, 0, shift);
    } else if (event->key() == Qt::Key_Right) {
        moveFocus(1, 0, shift);
    } else if (event->key() == Qt::Key_Up) {
        moveFocus(0, -1, false);
    } else if (event->key() == Qt::Key_Down) {
        moveFocus(0, 1, false);
    } else if (event->key() == Qt::Key_Space && focus_) {
        switchAt(*focus_, focus_->step);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

QString TimelineView::toolTipAt(QPoint point) const {
    QStringList lines;
    int stepAt = -1;
    if (const auto cell = cellAtViewPoint(point)) {
        const Step& step = rows()[cell->step];
        const QString loop =
            step.loop.isEmpty() ? language_.entry(text::TimelineNoLoop) : step.loop;
        lines << language_.entry(text::TimelineToolTip)
                     .arg(cell->step + 1)
                     .arg(step.time.text(), loop, lampRowLabel(language_, lampRows()[cell->row]));
        stepAt = cell->step;
    } else if (point.x() >= G::kLabelWidth) {
        // The cost strip under the steps names the bytes alone.
        if (point.y() >= footerTop() && point.y() < footerTop() + G::footerHeight())
            stepAt = geometry_.stepAtX(contentX(point.x(), horizontalScrollBar()->value()));
    }
    const std::vector<RowBytes>* costs = stepCosts();
    if (stepAt >= 0 && costs) {
        lines << stepBytesText(stepAt, (*costs)[stepAt], language_);
        if (stepAt == cost_.firstRowBeyond(sequence_))
            lines << language_.entry(text::StepBeyondCapacity).arg(cost_.excess())
                  << language_.entry(text::FitHintOnMark);
    }
    return lines.join(QLatin1Char('\n'));
}

bool TimelineView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace vireo
