#pragma once

#include <QString>

namespace vireo {

// The editor's per-user data folder (QStandardPaths::AppLocalDataLocation of organisation
// "Kelvor", application "Vireo"), where the recovery entries and the earlier versions live. The
// same folder whichever program asks: the editor, or vireo-cli under its own name.
QString userDataFolder();

}  // namespace vireo
