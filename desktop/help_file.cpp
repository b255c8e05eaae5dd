#include "desktop/help_file.h"

#include <QDir>
#include <QFileInfo>

#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {
bool isGerman(const QString& language) {
    return language == QLatin1String("Deutsch");
}
}  // namespace

HelpDocument helpDocument(const QString& language, const QString& programFolder) {
    const bool german = isGerman(language);
    return findHelpDocument(
        programFolder, german ? QStringLiteral("Help_D.chm") : QStringLiteral("Help_E.chm"),
        german ? QStringLiteral("manual/de/index.html") : QStringLiteral("manual/en/index.html"));
}

HelpDocument findHelpDocument(const QString& programFolder, const QString& chmName,
                              const QString& manualPage) {
    const QDir folder(programFolder);
    const QString chm = folder.filePath(chmName);
    if (QFileInfo(chm).isFile()) return {chm, QString()};
    const QString manual = folder.filePath(manualPage);
    if (QFileInfo(manual).isFile()) return {manual, QString()};
    return {QString(), QDir::toNativeSeparators(chm)};
}

QString missingHelpMessage(const HelpDocument& help, const LanguageTable& texts) {
    return texts.entry(text::HelpMissing) + QLatin1Char('\n') + help.missing;
}

QString helpNotShownMessage(const HelpDocument& help, const LanguageTable& texts) {
    return texts.entry(text::NoManualViewer) + QLatin1Char('\n') +
           QDir::toNativeSeparators(help.path);
}

}  // namespace vireo
