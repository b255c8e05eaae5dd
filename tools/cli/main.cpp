#include <QCoreApplication>
#include <QTextStream>
#include <functional>
#include <map>

#include "tools/cli/commands.h"

namespace {
void usage() {
    QTextStream err(stderr);
    err << "usage: vireo-cli COMMAND ...\n"
           "  show FILE.kvs\n"
           "  write FILE.kvs < document.json\n"
           "  image FILE.kvs [--welcome-hold POS] [--goodbye-hold POS] [--capacity N] "
           "[--module-type T]\n"
           "  memory FILE.kvs [--capacity N]\n"
           "  play FILE.kvs [--sequence 0|1] [--from ROW] [--limit N]\n"
           "  identify --port PORT [--long]\n"
           "  upload FILE.kvs --port PORT [--welcome-hold POS] [--goodbye-hold POS]\n"
           "  render FILE.kvs -o OUT.gif [--sequence 0|1] [--from ROW] [--limit N] [--width PX]\n";
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return vireo::cli::kUsage;
    }
    const QString command = args.takeFirst();
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("show"), vireo::cli::show},
        {QStringLiteral("write"), vireo::cli::write},
        {QStringLiteral("play"), vireo::cli::play},
        {QStringLiteral("image"), vireo::cli::image},
        {QStringLiteral("memory"), vireo::cli::memory},
        {QStringLiteral("identify"), vireo::cli::identify},
        {QStringLiteral("upload"), vireo::cli::upload},
        {QStringLiteral("render"), vireo::cli::render},
    };
    const auto it = commands.find(command);
    if (it == commands.end()) {
        usage();
        return vireo::cli::kUsage;
    }
    return it->second(args);
}
