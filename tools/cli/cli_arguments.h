#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// Parsing the arguments of one command (after the command word) with QCommandLineParser, and
// the usage errors every command reports the same way.
namespace vireo::cli {

// Parses `args` with the options the parser holds and expects exactly `files` positional
// arguments. On a usage error prints it (one line naming the problem, then a hint to the
// command's --help) and returns false.
bool parseCommandArguments(const QString& command, QCommandLineParser& parser,
                           const QStringList& args, int files = 1);

// Prints a usage error of `command` and returns the exit code of bad usage.
int usageProblem(const QString& command, const QString& problem);

}  // namespace vireo::cli
