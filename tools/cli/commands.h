#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Each command takes its arguments (after the command word) and returns the process exit code:
// 0 success; 2 bad usage or unreadable/invalid input; 3 damaged file; 4 image does not fit;
// 5 nothing to send; 6 no module answered; 7 transfer failed.
namespace vireo::cli {

enum ExitCode {
    kOk = 0,
    kUsage = 2,
    kDamaged = 3,
    kNoFit = 4,
    kNothingToSend = 5,
    kNoModule = 6,
    kTransferFailed = 7
};

int show(const QStringList& args);
int write(const QStringList& args);
int play(const QStringList& args);
int image(const QStringList& args);
int memory(const QStringList& args);
// Rewrites sequences into the smallest rows that play the same and writes the result.
int compact(const QStringList& args);
// Writes the document nearest to the input (by on-times) whose image fits the memory.
int fit(const QStringList& args);
int identify(const QStringList& args);
int upload(const QStringList& args);
// Mirrors, reverses or stretches rows of a sequence file into a new file.
int transform(const QStringList& args);
// Runs table commands from a script on a sequence file as the window would and writes the result.
int edit(const QStringList& args);
// Prints the rows of a lamp pattern as a JSON array.
int pattern(const QStringList& args);
// Draws the lamp timeline of a sequence into a PNG; needs a QGuiApplication (fonts).
int chart(const QStringList& args);
// Writes the playback of a sequence as an animated GIF; needs a QGuiApplication.
int render(const QStringList& args);
// Lists the recovery entries and earlier versions, or writes one of them out.
int recover(const QStringList& args);

// One command of vireo-cli: its word, its arguments as the usage line shows them, one line on
// what it does, the rest of its help (options, what it prints, exit codes) and its handler.
// `vireo-cli help NAME` and `vireo-cli NAME --help` print the help made from this entry; the
// handler never sees --help.
struct CliCommand {
    QString name;
    QString synopsis;
    QString summary;
    QString details;
    std::function<int(const QStringList&)> run;
    bool drawsPictures = false;  // needs a QGuiApplication (fonts) to run
};

// Every command, in the order the overview lists them (command_table.cpp).
const QList<CliCommand>& cliCommands();

// Whether the command of this word draws pictures (and so needs a QGuiApplication).
bool drawsPictures(const QString& commandWord);

// Runs a whole command line (the program name first) and returns the exit code.
int runCommandLine(const QStringList& arguments);

}  // namespace vireo::cli
