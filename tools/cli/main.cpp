#include <QCoreApplication>

#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return vireo::cli::runCommandLine(app.arguments());
}
