#include "ui/input_hold.h"

#include <QApplication>
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
        // A key press that is a shortcut reaches its action (or widget) as this event instead.
        case QEvent::Shortcut:
            return true;
        default:
            return false;
    }
}

bool isKey(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

// Whether input to the object acts on the window: a widget shown in it (not in a dialog or
// popup of its own), or the owner of a shortcut (an action of its menus) that it holds.
bool actsOn(const QObject* receiver, const QEvent* event, const QWidget* window) {
    if (receiver->isWidgetType()) return static_cast<const QWidget*>(receiver)->window() == window;
    if (event->type() != QEvent::Shortcut) return false;
    for (const QObject* o = receiver->parent(); o; o = o->parent())
        if (o == window) return true;
    return false;
}
}  // namespace

InputHold::InputHold(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Delivered as they came: a click to the widget it was meant for (if it still exists), a key
    // to the widget that has the focus when it is delivered, as if typed after the pause (the
    // action may have moved the focus, and a key delivered earlier may have, too).
    std::vector<Held> held = std::move(held_);
    for (Held& h : held) {
        QObject* receiver = h.receiver;
        if (isKey(h.event->type()) && window_) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->window() == window_) receiver = focus;
        }
        if (receiver) QCoreApplication::sendEvent(receiver, h.event.get());
    }
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || !window_ || !actsOn(watched, event, window_)) return false;
    held_.push_back({QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

}  // namespace vireo
