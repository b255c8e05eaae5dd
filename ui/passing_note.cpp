#include "ui/passing_note.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QVariant>

namespace vireo {

void showPassingNote(QMainWindow& window, const QString& text) {
    QStatusBar* bar = window.statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    if (!bar->property("hidesWhenEmpty").toBool()) {
        bar->setProperty("hidesWhenEmpty", true);
        QObject::connect(bar, &QStatusBar::messageChanged, bar,
                         [bar](const QString& message) { bar->setVisible(!message.isEmpty()); });
    }
    bar->show();
    constexpr int kNoteShownMs = 10000;
    bar->showMessage(text, kNoteShownMs);
}

}  // namespace vireo
