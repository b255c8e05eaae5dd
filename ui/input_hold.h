#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace vireo {

// Holds back the user's mouse and keyboard input to one window while it lives, the shortcuts of
// its menus included, and delivers what it held back, in order, when it ends (keys to the widget
// that has the focus then, as if they were typed after the pause). For a pause inside
// an action that must be finished before the next input acts on the window: events keep running
// (the window repaints), but no click, key press or shortcut lands in the middle of the action.
class InputHold : public QObject {
  public:
    explicit InputHold(QWidget* window);
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    int heldCount() const { return static_cast<int>(held_.size()); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    QPointer<QWidget> window_;
    std::vector<Held> held_;
};

}  // namespace vireo
