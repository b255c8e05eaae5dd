#pragma once

#include <QAbstractScrollArea>
#include <optional>

#include "image/image_cost.h"
#include "sequence/document.h"
#include "sequence/selection.h"
#include "timeline/timeline_geometry.h"
#include "timeline/timeline_painter.h"
#include "ui/command_table.h"

namespace vireo {

class EditingSession;
class LanguageTable;

// The lamp timeline of one sequence: a grid of the 23 lamps against the steps, drawn by the
// core's timeline painter. It shows the session's document and follows the session's symmetric
// editing; its edits (a click or a drag, each one undo step) and step selections are reported
// for the session, so the window keeps the table and the pictures in step with it.
class TimelineView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    TimelineView(const EditingSession& session, const LanguageTable& texts,
                 QWidget* parent = nullptr);

    // The sequence shown (0 welcome, 1 goodbye).
    void setSequence(int s);
    int sequence() const { return sequence_; }
    // The step selection as the table shows it; does not report back.
    void setSelection(const Selection& selection);
    const Selection& selection() const { return selection_; }
    // The step playback shows, marked by the cursor and kept in view; -1 when none.
    void setPlaybackStep(int step);
    int playbackStep() const { return marks().cursorStep; }
    // What the steps cost in the image (the memory meter's reading): the strip under the steps,
    // the red mark at the first step that no longer fits and the bytes in the tool tips.
    void setImageCost(const ImageCost& cost);
    // Re-reads the texts after a language change.
    void applyLanguage();
    double scale() const { return scale_; }
    // Zooms keeping the moment at the left edge of the steps where it is; zoomAt keeps the one
    // at a viewport x (the mouse's, for Ctrl and the wheel).
    void setScale(double pxPerTenth);
    void zoomAt(double pxPerTenth, int anchorViewX);
    std::optional<TimelineCell> focusCell() const { return focus_; }

    // Where a cell is in viewport coordinates (for tests and tool tips); empty when the cell is
    // not in the table.
    QRect cellViewRect(TimelineCell cell) const;
    std::optional<TimelineCell> cellAtViewPoint(QPoint point) const;

    // Tall enough for every lamp row; the view takes less on a small screen and then scrolls
    // its rows vertically, the cost strip staying in view below them.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The height that shows the first `rows` lamp rows with the ruler, the loop band, the cost
    // strip and the scroll bar.
    int heightForRows(int rows) const;

  Q_SIGNALS:
    // The user selected steps in the timeline.
    void selectionChosen(const vireo::Selection& selection);
    // A click or a drag on the lamps of sequence s: the lamp of the first cell switches, and
    // every cell of that lamp dragged over (steps anchor.step .. endStep) takes its new state.
    void lampsSwitched(int s, vireo::TimelineCell anchor, int endStep);
    // A change of lamps only (a click, a drag, their undo) touched the current step: the pictures
    // should show it.
    void showStepRequested(int step);
    // A key of a command the timeline's keys run (delete, copy, cut, paste) was pressed.
    void commandRequested(vireo::CommandId command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    const Sequence& rows() const;
    // The viewport y where the cost strip stands: below the rows, at the bottom when they scroll.
    int footerTop() const;
    TimelineMarks marks() const;
    void rebuild();
    void updateScrollRange();
    void onRowsChanged(int s, const Selection& selection);
    void updateColumns(int first, int last);
    void ensureStepVisible(int step);
    void ensureRowVisible(int row);
    void chooseSteps(const Selection& selection);
    void moveFocus(int dStep, int dRow, bool extend);
    void switchAt(TimelineCell anchor, int endStep);
    QString toolTipAt(QPoint point) const;
    // The bytes of the shown sequence's steps when they belong to the rows shown; else none.
    const std::vector<RowBytes>* stepCosts() const;

    const EditingSession& session_;
    const LanguageTable& language_;
    TimelineTexts texts_;
    int sequence_ = 0;
    double scale_ = TimelineGeometry::kDefaultScale;
    TimelineGeometry geometry_;
    QVector<LoopSpan> loops_;
    Sequence shown_;  // the rows the geometry was built from
    ImageCost cost_;
    Selection selection_;
    int cursorStep_ = -1;
    std::optional<TimelineCell> focus_;
    // A drag in progress: the first cell, the step the mouse is over and the rows as they
    // would become.
    std::optional<TimelineCell> dragAnchor_;
    int dragEnd_ = -1;
    Sequence preview_;
};

}  // namespace vireo
