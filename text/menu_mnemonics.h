#pragma once

#include <QStringList>

namespace vireo {

// The captions of a menu bar with an Alt letter each ("&Datei"): the first letter of a caption
// that no caption before it took, so that no two menus share a letter. A caption that carries
// its own "&" keeps it; one without a free letter stays as it is.
QStringList withMnemonics(const QStringList& captions);

}  // namespace vireo
