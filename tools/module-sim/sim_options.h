#pragma once

#include <QString>
#include <QStringList>
#include <variant>

#include "platform/command_line.h"

namespace vireo::sim {

// How the virtual module behaves, from its command line.
struct SimOptions {
    QString link;                     // path that will point at the pseudo-terminal
    char typeDigits[2] = {'5', '1'};  // "--type 5.1"
    char versionDigits[2] = {'2', '5'};
    bool longReply = false;  // 11-byte identification with date and coded model
    quint32 date = 24122009;
    int codedModel = 0;
    int busy = 0;  // identification requests answered "@#*3" first
    int baud = 0;  // 0 = replies leave at once
    QString dump;  // memory image as JSON after every end frame
    // Deterministic faults.
    int dropFirst = 0;
    int dropAddress = -1;
    int corruptFirst = 0;
    int corruptAddress = -1;
    int silentAfter = -1;  // frames answered before the module falls silent; -1 = never
    bool garbageId = false;
    bool keepRunning = false;  // ignore stdin (for use from a shell without a pipe)
    bool verbose = false;
};

// Reads the command line (the program name first): the options to run with, or the reply that
// ends the program (help, version, a usage error). "--version X.Y" is the module's firmware
// version; "-v", or "--version" without a value, is this program's version.
std::variant<SimOptions, CommandLineReply> readSimCommandLine(const QStringList& arguments);

}  // namespace vireo::sim
