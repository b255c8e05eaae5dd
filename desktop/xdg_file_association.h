#pragma once

#include <QString>

#include "desktop/file_type.h"

namespace vireo {

// The MIME type of sequence files on XDG desktops, and the icon name derived from it.
QString sequenceMimeType();
QString sequenceMimeIconName();

// The Exec= form of a program path: quoted when it holds a reserved character, with the
// escapes a desktop entry needs ("\\" and "%%").
QString desktopExecArgument(const QString& programPath);

// The MIME package and the desktop entry written for a file type.
QByteArray xdgMimePackage(const FileTypeDescription& type);
QByteArray xdgDesktopEntry(const FileTypeDescription& type);

// Registers the file type the XDG way below a data folder (empty: the user's data folder,
// ~/.local/share): mime/packages/vireo-kvs.xml, applications/vireo.desktop, the document and
// application icons in icons/hicolor, then refreshes the MIME and desktop databases when
// their tools are installed. Files are overwritten, so running it twice gives the same result.
// Returns false at the first step that fails; files written before stay.
bool registerXdgFileType(const FileTypeDescription& type, const QString& dataFolder = QString());

}  // namespace vireo
