#include <QTextStream>

#include "tools/cli/commands.h"

namespace vireo::cli {

int play(const QStringList&) {
    QTextStream(stderr) << "vireo-cli play: not available yet\n";
    return kUsage;
}

}  // namespace vireo::cli
