#include "tools/cli/cli_language.h"

#include "config/settings_keys.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "tools/cli/cli_arguments.h"

namespace vireo::cli {

QCommandLineOption languageOption() {
    return QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("NAME"));
}

QString languageOptionHelp(int column) {
    const QString indent(column, QLatin1Char(' '));
    return QStringLiteral("  --language NAME").leftJustified(column) +
           QStringLiteral("the language of the texts: a language file beside the\n") + indent +
           QStringLiteral("program, such as Deutsch or English; default the editor's\n") + indent +
           QStringLiteral("language\n");
}

std::optional<LanguageTable> commandLanguage(const QString& command,
                                             const std::optional<QString>& chosen) {
    const QString folder = programFolder();
    QString language;
    if (chosen) {
        const QStringList languages = listLanguages(folder);
        if (!languages.contains(*chosen)) {
            usageProblem(command, QStringLiteral("--language: unknown language \"%1\" (known: %2)")
                                      .arg(*chosen, languages.join(QStringLiteral(", "))));
            return std::nullopt;
        }
        language = *chosen;
    } else {
        language = QSettingsStore().read(settings_keys::kLanguage);
    }
    if (language.isEmpty()) return LanguageTable::builtIn();
    LanguageTable table;
    table.load(folder, language);
    return table;
}

std::optional<LanguageTable> commandLanguage(const QString& command,
                                             const QCommandLineParser& parser) {
    const QString name = languageOption().names().first();
    return commandLanguage(command,
                           parser.isSet(name) ? std::optional(parser.value(name)) : std::nullopt);
}

}  // namespace vireo::cli
