#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the three programs (vireo, vireo-cli, vireo-module-sim) share on their command lines:
// the help and version options, the layout of an option list in a usage text, and how a usage
// error is reported. Nothing here prints: the caller writes the reply, so tests can read it.
namespace vireo {

// Exit code of a bad command line (as every other unusable input of the tools).
constexpr int kCommandLineUsageExit = 2;

// The reply to a command line that ends the program before it does any work: the text for
// standard output (help, version) or standard error (a usage error), and the exit code.
struct CommandLineReply {
    int exitCode = 0;
    QString out;
    QString err;
};

// -h, --help (and -?, as Qt programs take it).
QCommandLineOption helpOption();
// -v, --version.
QCommandLineOption versionOption();

// "vireo-cli 3.0.0": the program name and the version it was built as.
QString versionLine(const QString& program);

// The options as a usage text lists them, one per line: "  -v, --version   description",
// with the value name after options that take one; options hidden from help are left out.
QString optionsText(const QList<QCommandLineOption>& options);

// The reply to a usage error: one line "PROGRAM: PROBLEM", then a hint to `helpCommand --help`.
CommandLineReply usageError(const QString& program, const QString& problem,
                            const QString& helpCommand);

// The problem of a parse that failed, named as the user wrote it: "unknown option --x",
// "missing value after --capacity", or QCommandLineParser's own text for anything else.
QString parseProblem(const QCommandLineParser& parser);

// Parses `arguments` (the program name first) with a parser that holds the options -h and -v.
// Help, version and parse errors give the reply that ends the program; nothing means "go on".
std::optional<CommandLineReply> parseOrReply(QCommandLineParser& parser,
                                             const QStringList& arguments, const QString& program,
                                             const QString& helpText);

// The arguments of a C main() as text, for parsing before an application object exists.
QStringList argumentList(int argc, char** argv);

}  // namespace vireo
