#pragma once

#include <QString>

class QMainWindow;

namespace vireo {

// A passing note in the window's status bar (a file written); it goes after a few seconds. The
// status bar shows only while it has something to say, so the face keeps its height.
void showPassingNote(QMainWindow& window, const QString& text);

}  // namespace vireo
