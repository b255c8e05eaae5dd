#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

#include "text/language.h"

// The language of the texts a command prints or draws: the one `--language` names, otherwise the
// one the editor stored, read from its language file beside the program as the editor does.
namespace vireo::cli {

QCommandLineOption languageOption();

// The help line of --language, its text starting in `column` (the column of the command's other
// option texts).
QString languageOptionHelp(int column);

// The table for `chosen` (the value of --language, nothing when it was not given). A name with no
// language file beside the program is a usage error: printed, and nothing returned. Without
// --language the stored language is used; when none is stored, or its file is missing, the
// built-in German table stands in, as in the editor.
std::optional<LanguageTable> commandLanguage(const QString& command,
                                             const std::optional<QString>& chosen);
// The same for the --language of a parser that holds languageOption().
std::optional<LanguageTable> commandLanguage(const QString& command,
                                             const QCommandLineParser& parser);

}  // namespace vireo::cli
