#include "tools/cli/cli_arguments.h"

#include <QTextStream>

#include "platform/command_line.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

int usageProblem(const QString& command, const QString& problem) {
    const QString program = QStringLiteral("vireo-cli ") + command;
    QTextStream(stderr) << usageError(program, QStringLiteral("usage: ") + problem, program).err;
    return kUsage;
}

bool parseCommandArguments(const QString& command, QCommandLineParser& parser,
                           const QStringList& args, int files) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The parser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("vireo-cli")} + args)) {
        usageProblem(command, parseProblem(parser));
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < files) {
        usageProblem(command, QStringLiteral("no file given"));
        return false;
    }
    if (positional.size() > files) {
        usageProblem(command, QStringLiteral("unexpected argument ") + positional.at(files));
        return false;
    }
    return true;
}

bool readWholeNumbers(const QString& command, const QCommandLineParser& parser,
                      std::initializer_list<WholeNumberOption> numbers) {
    for (const WholeNumberOption& n : numbers) {
        // Only options the command line gave are named; an option this parser does not know
        // is never asked for.
        if (!parser.optionNames().contains(n.name)) continue;
        const QString text = parser.value(n.name);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < n.min || value > n.max) {
            usageProblem(command, QStringLiteral("--%1: invalid value %2 (%3 to %4)")
                                      .arg(n.name, text)
                                      .arg(n.min)
                                      .arg(n.max));
            return false;
        }
        *n.target = value;
    }
    return true;
}

}  // namespace vireo::cli
