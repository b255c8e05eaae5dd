#include "desktop/help_file.h"

#include <QDir>
#include <QFileInfo>

namespace vireo {

namespace {
bool isGerman(const QString& language) {
    return language == QLatin1String("Deutsch");
}
}  // namespace

HelpDocument helpDocument(const QString& language, const QString& programFolder) {
    const bool german = isGerman(language);
    return findHelpDocument(
        language, programFolder,
        german ? QStringLiteral("Help_D.chm") : QStringLiteral("Help_E.chm"),
        german ? QStringLiteral("manual/de/index.html") : QStringLiteral("manual/en/index.html"));
}

HelpDocument findHelpDocument(const QString& language, const QString& programFolder,
                              const QString& chmName, const QString& manualPage) {
    const QDir folder(programFolder);
    const QString chm = folder.filePath(chmName);
    if (QFileInfo(chm).isFile()) return {chm, QString()};
    const QString manual = folder.filePath(manualPage);
    if (QFileInfo(manual).isFile()) return {manual, QString()};
    const QString missing = QDir::toNativeSeparators(chm);
    return {QString(), isGerman(language)
                           ? QStringLiteral("Die Hilfedatei wurde nicht gefunden:\n") + missing
                           : QStringLiteral("The help file was not found:\n") + missing};
}

}  // namespace vireo
