#include "ui/standard_shortcuts.h"

namespace vireo {

QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey key) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
#ifndef Q_OS_WIN
    if (keys.isEmpty() && key == QKeySequence::Quit) keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    if (keys.isEmpty() && key == QKeySequence::SaveAs)
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
#endif
    return keys;
}

}  // namespace vireo
