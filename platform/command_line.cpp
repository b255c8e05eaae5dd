#include "platform/command_line.h"

#include "platform/app_info.h"

namespace vireo {

namespace {

constexpr int kOptionColumn = 28;  // where descriptions start in an option list

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

QCommandLineOption helpOption() {
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                              QStringLiteral("Show this help and exit."));
}

QCommandLineOption versionOption() {
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Show the version and exit."));
}

QString versionLine(const QString& program) {
    return program + QLatin1Char(' ') + versionText() + QLatin1Char('\n');
}

QString optionsText(const QList<QCommandLineOption>& options) {
    QString text;
    for (const QCommandLineOption& option : options) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp) continue;
        QStringList names;
        for (const QString& name : option.names())
            if (name != QLatin1String("?")) names << dashed(name);
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) left += QLatin1Char(' ') + option.valueName();
        if (left.size() + 2 > kOptionColumn)
            left += QLatin1Char('\n') + QString(kOptionColumn, QLatin1Char(' '));
        else
            left = left.leftJustified(kOptionColumn);
        text += left + option.description() + QLatin1Char('\n');
    }
    return text;
}

CommandLineReply usageError(const QString& program, const QString& problem,
                            const QString& helpCommand) {
    CommandLineReply reply;
    reply.exitCode = kCommandLineUsageExit;
    reply.err = program + QStringLiteral(": ") + problem + QStringLiteral("\nTry '") + helpCommand +
                QStringLiteral(" --help' for more information.\n");
    return reply;
}

QString parseProblem(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        QStringList names;
        for (const QString& name : unknown) names << dashed(name);
        return (names.size() == 1 ? QStringLiteral("unknown option ")
                                  : QStringLiteral("unknown options ")) +
               names.join(QStringLiteral(", "));
    }
    // QCommandLineParser says "Missing value after '--capacity'." and the like.
    QString text = parser.errorText();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (!text.isEmpty()) text[0] = text[0].toLower();
    return text;
}

std::optional<CommandLineReply> parseOrReply(QCommandLineParser& parser,
                                             const QStringList& arguments, const QString& program,
                                             const QString& helpText) {
    if (!parser.parse(arguments)) return usageError(program, parseProblem(parser), program);
    if (parser.isSet(QStringLiteral("h"))) return CommandLineReply{0, helpText, {}};
    if (parser.isSet(QStringLiteral("v"))) return CommandLineReply{0, versionLine(program), {}};
    return std::nullopt;
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace vireo
