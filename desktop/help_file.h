#pragma once

#include <QString>

namespace vireo {

// A help document to open, or why there is none.
struct HelpDocument {
    QString path;   // the file to open; empty when none was found
    QString error;  // names the missing file when none was found
    bool found() const { return !path.isEmpty(); }
};

// The help of a language: "Help_D.chm" beside the program when the language is "Deutsch",
// else "Help_E.chm"; where the compiled help is missing (as on systems without a viewer for
// it), the HTML manual manual/de/index.html or manual/en/index.html beside the program.
HelpDocument helpDocument(const QString& language, const QString& programFolder);

// The same choice for any compiled help file and manual page (the bootloader's help uses it).
// The error text is German when the language is "Deutsch", English otherwise.
HelpDocument findHelpDocument(const QString& language, const QString& programFolder,
                              const QString& chmName, const QString& manualPage);

}  // namespace vireo
