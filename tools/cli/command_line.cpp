// The command line of vireo-cli: the options before the command word (help, version), the
// command word, and the help of one command.
#include "platform/command_line.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>

#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kProgram = QStringLiteral("vireo-cli");

const CliCommand* findCommand(const QString& name) {
    for (const CliCommand& command : cliCommands())
        if (command.name == name) return &command;
    return nullptr;
}

QString usageLines() {
    return QStringLiteral(
        "usage: vireo-cli COMMAND [ARGUMENTS]\n"
        "       vireo-cli help [COMMAND] | --help | --version\n");
}

QString overview() {
    QString text = usageLines() + QStringLiteral(
                                      "\nReads, checks, converts and uploads Vireo sequence "
                                      "files (.kvs) without a window.\n\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1 %2\n").arg(command.name.leftJustified(9), command.summary);
    text += QStringLiteral("\nOptions:\n") + optionsText({helpOption(), versionOption()}) +
            QStringLiteral(
                "\nExit codes: 0 success; 2 bad usage, unreadable or invalid input; 3 damaged "
                "file;\n4 the image does not fit the memory; 5 nothing to send; 6 no module "
                "answered;\n7 the transfer failed.\n\n"
                "Run 'vireo-cli help COMMAND' or 'vireo-cli COMMAND --help' for one command.\n");
    return text;
}

QString commandHelp(const CliCommand& command) {
    return QStringLiteral("usage: vireo-cli %1 %2\n\n%3\n\n%4")
        .arg(command.name, command.synopsis, command.summary, command.details);
}

// True when the arguments of a command ask for its help (before a "--", after which every
// argument is a file name).
bool asksForHelp(const QStringList& args) {
    for (const QString& arg : args) {
        if (arg == QLatin1String("--")) return false;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h") ||
            arg == QLatin1String("-?"))
            return true;
    }
    return false;
}

int reply(const CommandLineReply& r) {
    QTextStream(stdout) << r.out;
    QTextStream(stderr) << r.err;
    return r.exitCode;
}

int printHelp(const QStringList& words) {
    if (words.isEmpty()) return reply({kOk, overview(), {}});
    if (words.size() > 1)
        return reply(
            usageError(kProgram, QStringLiteral("unexpected argument ") + words.at(1), kProgram));
    const CliCommand* command = findCommand(words.first());
    if (!command)
        return reply(
            usageError(kProgram, QStringLiteral("unknown command ") + words.first(), kProgram));
    return reply({kOk, commandHelp(*command), {}});
}

}  // namespace

int runCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Options after the command word belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    if (const auto ended = parseOrReply(parser, arguments, kProgram, overview()))
        return reply(*ended);

    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return reply({kUsage,
                      {},
                      usageLines() + QStringLiteral("Try 'vireo-cli --help' "
                                                    "for more information.\n")});
    const QString name = words.takeFirst();
    if (name == QLatin1String("help")) return printHelp(words);
    const CliCommand* command = findCommand(name);
    if (!command)
        return reply(usageError(kProgram, QStringLiteral("unknown command ") + name, kProgram));
    if (asksForHelp(words)) return reply({kOk, commandHelp(*command), {}});
    const int code = command->run(words);
    std::fflush(stdout);
    return code;
}

}  // namespace vireo::cli
