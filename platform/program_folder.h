#pragma once

#include <QString>

namespace vireo {

// The folder the program finds its language files, help, icons and the bootloader in:
// the executable's folder, or an installed data folder, or what a test put in place.
QString programFolder();
void setProgramFolder(const QString& folder);

}  // namespace vireo
