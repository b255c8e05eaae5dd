#include "ui/editor_scroll_area.h"

#include <QEvent>
#include <QScrollBar>

namespace vireo {

namespace {
// The least height: a few lines of the editor part stay in view.
constexpr int kLeastHeight = 80;
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
    return {widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width(),
            kLeastHeight};
}

bool EditorScrollArea::eventFilter(QObject* watched, QEvent* event) {
    // The editor part's needs change with its captions (another language): so do ours.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace vireo
