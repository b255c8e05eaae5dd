#include <QApplication>
#include <cstdio>

#include "app/editor_command_line.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    // Help and version are answered before the window system starts: they need no display.
    if (const auto reply = vireo::editorCommandLineReply(vireo::argumentList(argc, argv))) {
        std::fputs(reply->out.toLocal8Bit().constData(), stdout);
        std::fputs(reply->err.toLocal8Bit().constData(), stderr);
        return reply->exitCode;
    }
    QApplication app(argc, argv);
    return vireo::runStartup(app);
}
