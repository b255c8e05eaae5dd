#pragma once

#include <QKeySequence>
#include <QList>

namespace vireo {

// The keys of a standard command as the platform binds them. Where the platform's theme binds
// none for Quit or Save As on a desktop whose users expect them (Linux without a desktop theme
// reports the Windows scheme, which has neither), the keys every Linux desktop uses: Ctrl+Q and
// Ctrl+Shift+S. Windows keeps its own scheme.
QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey key);

}  // namespace vireo
