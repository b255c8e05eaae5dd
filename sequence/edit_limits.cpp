#include "sequence/edit_limits.h"

namespace vireo {

// These refusals have no entry in the language files, so they carry built-in German texts like
// the program's other built-in captions.
QString limitText(EditLimit limit) {
    switch (limit) {
        case EditLimit::TableFull:
            return QStringLiteral("Die Sequenz ist voll: sie kann höchstens %1 Schritte enthalten.")
                .arg(kMaxRows);
        case EditLimit::TooManyRows:
            return QStringLiteral(
                       "Die Sequenz kann höchstens %1 Schritte enthalten. "
                       "Die Zeilen wurden nicht eingefügt.")
                .arg(kMaxRows);
        case EditLimit::TooManyToCopy:
            return QStringLiteral(
                       "Es können höchstens %1 Zeilen auf einmal kopiert oder "
                       "ausgeschnitten werden.")
                .arg(kCopyBufferCapacity);
        case EditLimit::TooManyLoops:
            return QStringLiteral(
                       "Eine Sequenz kann höchstens %1 Schleifen enthalten. "
                       "Die Tabelle wurde nicht geändert.")
                .arg(kMaxMarkedRuns);
        case EditLimit::TooManySplitRuns:
            return QStringLiteral(
                       "Zu viele getrennte Teile derselben Schleife (höchstens %1). "
                       "Die Tabelle wurde nicht geändert.")
                .arg(kMaxSecondRuns);
        case EditLimit::LoopBeyondRow255:
            return QStringLiteral("Eine Schleife muss innerhalb der Zeilen 1 bis %1 liegen.")
                .arg(kMaxLoopRow);
        case EditLimit::NoLoopNumberLeft:
            return QStringLiteral("Es ist keine Schleifennummer mehr frei (höchstens %1).")
                .arg(kMaxLoopNumber);
    }
    return QString();
}

void refuse(EditContext& context, EditLimit limit) {
    context.prompter.message(limitText(limit), kMakerWeb, PromptIcon::Warning);
}

}  // namespace vireo
