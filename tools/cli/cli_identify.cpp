#include <QCommandLineParser>
#include <QTextStream>

#include "module/handshake.h"
#include "module/module_port.h"
#include "module/serial_byte_link.h"
#include "platform/clock.h"
#include "text/language.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/cli_prompter.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

int identify(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString command = QStringLiteral("identify");
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("port"), QString(), QStringLiteral("PORT")});
    parser.addOption({QStringLiteral("long"), QString()});
    parser.addOption(languageOption());
    if (!parseCommandArguments(command, parser, args, 0)) return kUsage;
    const QString portPath = parser.value(QStringLiteral("port"));
    const bool longReply = parser.isSet(QStringLiteral("long"));
    if (portPath.isEmpty()) return usageProblem(command, QStringLiteral("no --port given"));
    const auto texts = commandLanguage(command, parser);
    if (!texts) return kUsage;

    SerialByteLink link;
    ModulePort port(link, systemClock(), [portPath](int) { return portPath; });
    const ModuleOperation operation(port);
    CliPrompter prompter;
    ModuleIdentity identity;
    const HandshakeResult result = connectModule(port, identity, longReply, prompter, *texts, {});
    port.close();
    switch (result.outcome) {
        case HandshakeOutcome::Connected:
            break;
        case HandshakeOutcome::OpenFailed:
            err << "vireo-cli identify: " << portPath << ": " << openFailureText(result.open)
                << "\n";
            return kUsage;
        default:
            err << "vireo-cli identify: no module answered on " << portPath << "\n";
            return kNoModule;
    }
    out << "type " << identity.type << " version " << identity.version;
    if (longReply) {
        if (identity.compilerDate.isEmpty())
            err << "vireo-cli identify: the module sent no developer reply\n";
        else
            out << " date " << identity.compilerDate << " model " << identity.codedModel;
    }
    out << "\n";
    return kOk;
}

}  // namespace vireo::cli
