#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    // Drawing text needs a GUI application; it draws offscreen, so no display is needed.
    const bool drawing = argc > 1 && vireo::cli::drawsPictures(QString::fromLocal8Bit(argv[1]));
#ifndef Q_OS_WIN
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    return vireo::cli::runCommandLine(app->arguments());
}
