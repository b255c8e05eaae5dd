#pragma once

#include <QString>

class QMainWindow;

namespace vireo {

// A passing note at the foot of the window (a file written, recovery off or on again); it goes
// after a few seconds. It lies over the window's face rather than in its layout, so showing it
// never moves, narrows or shortens the editor: no panel gains a scroll bar for it.
void showPassingNote(QMainWindow& window, const QString& text);

// The note shown now; empty when none is.
QString passingNoteText(const QMainWindow& window);

}  // namespace vireo
