#include <QTextStream>

#include "tools/cli/commands.h"

namespace vireo::cli {

int image(const QStringList&) {
    QTextStream(stderr) << "vireo-cli image: not available yet\n";
    return kUsage;
}

int memory(const QStringList&) {
    QTextStream(stderr) << "vireo-cli memory: not available yet\n";
    return kUsage;
}

int upload(const QStringList&) {
    QTextStream(stderr) << "vireo-cli upload: not available yet\n";
    return kUsage;
}

}  // namespace vireo::cli
