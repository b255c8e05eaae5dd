#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

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
           "  chart FILE.kvs -o OUT.png [--sequence 0|1] [--scale PX_PER_TENTH]\n";
}
}  // namespace

int main(int argc, char** argv) {
    // Drawing text needs a GUI application; it draws offscreen, so no display is needed.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "chart") == 0;
#ifndef Q_OS_WIN
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    std::unique_ptr<QCoreApplication> application(drawing ? new QGuiApplication(argc, argv)
                                                          : new QCoreApplication(argc, argv));
    QCoreApplication& app = *application;
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
        {QStringLiteral("chart"), vireo::cli::chart},
    };
    const auto it = commands.find(command);
    if (it == commands.end()) {
        usage();
        return vireo::cli::kUsage;
    }
    return it->second(args);
}
