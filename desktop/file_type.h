#pragma once

#include <QString>

namespace vireo {

// What the program registers for its sequence files, whatever place the platform keeps it in.
struct FileTypeDescription {
    QString description;  // shown by the shell as the kind of file
    QString programPath;  // the executable that opens a double-clicked file
    QString typeName;     // the file type's own name, which the extension points to
    QString extension;    // without the point
    QString iconPath;     // the document icon (Windows: an .ico file beside the program)
};

// The sequence file type: "Vireo 3.0", type "Vireo_E_F", extension "kvs", opened by the running
// executable, with the icon "Daten.ico" in the program folder.
FileTypeDescription sequenceFileType();

}  // namespace vireo
