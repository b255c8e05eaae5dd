#include <QTextStream>

#include "tools/cli/commands.h"

namespace vireo::cli {

int show(const QStringList&) {
    QTextStream(stderr) << "vireo-cli show: not available yet\n";
    return kUsage;
}

int write(const QStringList&) {
    QTextStream(stderr) << "vireo-cli write: not available yet\n";
    return kUsage;
}

}  // namespace vireo::cli
