#include "ui/editor_scroll_area.h"

#include <QEvent>
#include <QScrollBar>

namespace vireo {

namespace {
// The least height without a first line: a few lines of the editor part stay in view.
constexpr int kLeastHeight = 80;
// Room kept below the first line.
constexpr int kBelowFirstLine = 4;
}  // namespace

EditorScrollArea::EditorScrollArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("editorScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The controls inside take the focus; the area itself is no stop of the Tab key.
    setFocusPolicy(Qt::NoFocus);
}

QSize EditorScrollArea::sizeHint() const {
    return widget() ? widget()->sizeHint() : QScrollArea::sizeHint();
}

QSize EditorScrollArea::minimumSizeHint() const {
    if (!widget()) return QScrollArea::minimumSizeHint();
    // Room for the scroll bar, so the editor part is never squeezed narrower when it shows.
    int least = kLeastHeight;
    if (firstLine_ && widget()->isAncestorOf(firstLine_))
        least = firstLine_->mapTo(widget(), QPoint(0, firstLine_->height())).y() + kBelowFirstLine;
    return {widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width(), least};
}

bool EditorScrollArea::eventFilter(QObject* watched, QEvent* event) {
    // The editor part's needs change with its captions (another language): so do ours.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace vireo
