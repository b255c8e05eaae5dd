#include "app/editor_command_line.h"

#include <QCommandLineParser>

namespace vireo {

namespace {

const QString kProgram = QStringLiteral("vireo");

// Options QGuiApplication and QApplication read from the command line themselves. They are
// known here, so a window-system option is not an error, and hidden from the help.
QList<QCommandLineOption> windowSystemOptions() {
    const char* const withValue[] = {"platform",      "platformpluginpath",
                                     "platformtheme", "plugin",
                                     "qmljsdebugger", "qwindowgeometry",
                                     "qwindowicon",   "qwindowtitle",
                                     "session",       "display",
                                     "geometry",      "style",
                                     "stylesheet",    "title",
                                     "name"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QList<QCommandLineOption> options;
    for (const char* name : withValue) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    for (const char* name : flags) {
        QCommandLineOption option{QString(QLatin1String(name))};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    return options;
}

void prepare(QCommandLineParser& parser) {
    // Qt's own options are written with one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    parser.addOptions(windowSystemOptions());
}

QString helpText() {
    return QStringLiteral(
               "usage: vireo [FILE.kvs]\n\n"
               "The editor of the welcome and goodbye light sequences of the Vireo lighting\n"
               "module. With a sequence file (.kvs), opens it at start.\n\nOptions:\n") +
           optionsText({helpOption(), versionOption()}) +
           QStringLiteral(
               "\nThe window system's options (such as -platform NAME) are taken as well.\n"
               "vireo-cli reads, converts and uploads sequence files without a window.\n");
}

}  // namespace

std::optional<CommandLineReply> editorCommandLineReply(const QStringList& arguments) {
    QCommandLineParser parser;
    prepare(parser);
    return parseOrReply(parser, arguments, kProgram, helpText());
}

QString commandLinePath(const QStringList& arguments) {
    QCommandLineParser parser;
    prepare(parser);
    parser.parse(arguments);
    QString path = parser.positionalArguments().join(QLatin1Char(' ')).trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return path;
}

}  // namespace vireo
