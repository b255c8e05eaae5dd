#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/command_line.h"

namespace vireo {

// The editor's command line: -h/--help, -v/--version, the window system's own options (which
// QApplication takes), and the path of a .kvs file to open at start. Parsed before the window
// system starts, so help and version work without a display.
//
// The reply that ends the program (help, version, a usage error); nothing when the editor
// starts. `arguments` begin with the program name.
std::optional<CommandLineReply> editorCommandLineReply(const QStringList& arguments);

// The file to open at start: the words after the options joined by blanks (a path with blanks
// may arrive unquoted, in several words), without surrounding quotes; empty when none.
QString commandLinePath(const QStringList& arguments);

}  // namespace vireo
