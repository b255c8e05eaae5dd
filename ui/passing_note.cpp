#include "ui/passing_note.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>

namespace vireo {

namespace {

const QString kNoteName = QStringLiteral("PassingNote");
constexpr int kNoteShownMs = 10000;

// The note's label: a child of the window outside every layout, kept along the window's foot.
class NoteLabel : public QLabel {
  public:
    explicit NoteLabel(QMainWindow& window) : QLabel(&window), window_(window) {
        setObjectName(kNoteName);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);
        setFrameShape(QFrame::StyledPanel);
        setMargin(3);
        setWordWrap(false);
        hideTimer_.setSingleShot(true);
        QObject::connect(&hideTimer_, &QTimer::timeout, this, [this] {
            clear();
            hide();
        });
        window.installEventFilter(this);
    }

    void say(const QString& text) {
        setText(text);
        place();
        show();
        raise();
        hideTimer_.start(kNoteShownMs);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Resize) place();
        return QLabel::eventFilter(watched, event);
    }

  private:
    void place() {
        const int width = std::min(sizeHint().width(), window_.width());
        const int height = sizeHint().height();
        setGeometry(0, window_.height() - height, width, height);
    }

    QMainWindow& window_;
    QTimer hideTimer_;
};

}  // namespace

void showPassingNote(QMainWindow& window, const QString& text) {
    // Only this file makes a child of this name.
    auto* note =
        static_cast<NoteLabel*>(window.findChild<QLabel*>(kNoteName, Qt::FindDirectChildrenOnly));
    if (!note) note = new NoteLabel(window);
    note->say(text);
}

QString passingNoteText(const QMainWindow& window) {
    const auto* note = window.findChild<QLabel*>(kNoteName, Qt::FindDirectChildrenOnly);
    return note && !note->isHidden() ? note->text() : QString();
}

}  // namespace vireo
