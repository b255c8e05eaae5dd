#pragma once

#include <QString>

namespace vireo {

class LanguageTable;

// A help document to open, or why there is none.
struct HelpDocument {
    QString path;     // the file to open; empty when none was found
    QString missing;  // the compiled help file looked for, when none was found (native form)
    bool found() const { return !path.isEmpty(); }
};

// The help of a language: "Help_D.chm" beside the program when the language is "Deutsch",
// else "Help_E.chm"; where the compiled help is missing (as on systems without a viewer for
// it), the HTML manual manual/de/index.html or manual/en/index.html beside the program.
HelpDocument helpDocument(const QString& language, const QString& programFolder);

// The same choice for any compiled help file and manual page (the bootloader's help uses it).
HelpDocument findHelpDocument(const QString& programFolder, const QString& chmName,
                              const QString& manualPage);

// What to tell the user when no help was found: the text of the language and the missing file.
QString missingHelpMessage(const HelpDocument& help, const LanguageTable& texts);

// What to tell the user when the help was found but no program could show it: that, and where
// the file is, so it can be opened by hand.
QString helpNotShownMessage(const HelpDocument& help, const LanguageTable& texts);

}  // namespace vireo
