#pragma once

#include <QString>

#include "desktop/file_type.h"

namespace vireo {

// Registers a file type with the desktop so a double click opens the file in the program and
// the file shows the document icon: the per-user class root of the registry on Windows, the
// XDG data folder (xdgDataFolder, empty: the user's) elsewhere. A failure ends it silently;
// the result only tells tests and callers that care whether everything was written.
bool Dateityp_Registrieren(const FileTypeDescription& type,
                           const QString& xdgDataFolder = QString());

}  // namespace vireo
