#pragma once

#include <QStringList>

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
int identify(const QStringList& args);
int upload(const QStringList& args);
int render(const QStringList& args);

}  // namespace vireo::cli
