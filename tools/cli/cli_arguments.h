#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <initializer_list>

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

// A whole-number option (its long name, without the dashes), where its value goes and the values
// it takes.
struct WholeNumberOption {
    QString name;
    int* target;
    int min;
    int max;
};

// Reads the value of every option of `numbers` the command line gave into its target. A value
// that is not a whole number from min to max is a usage error: printed, and false returned.
bool readWholeNumbers(const QString& command, const QCommandLineParser& parser,
                      std::initializer_list<WholeNumberOption> numbers);

}  // namespace vireo::cli
