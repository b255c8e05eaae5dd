#include <QTextStream>

#include "tools/cli/commands.h"

namespace vireo::cli {

int identify(const QStringList&) {
    QTextStream(stderr) << "vireo-cli identify: not available yet\n";
    return kUsage;
}

}  // namespace vireo::cli
