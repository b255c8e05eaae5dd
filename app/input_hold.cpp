#include "app/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vireo {

namespace {
bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}
}  // namespace

InputHold::InputHold(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Delivered as they came, each to the widget it was meant for (if it still exists).
    std::vector<Held> held = std::move(held_);
    for (Held& h : held)
        if (h.receiver) QCoreApplication::sendEvent(h.receiver, h.event.get());
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || !watched->isWidgetType() || !window_) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_) return false;
    held_.push_back({QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

}  // namespace vireo
