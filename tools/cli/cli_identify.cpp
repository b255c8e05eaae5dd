#include <QTextStream>

#include "config/language.h"
#include "module/handshake.h"
#include "module/module_port.h"
#include "module/serial_byte_link.h"
#include "platform/clock.h"
#include "tools/cli/cli_prompter.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

int identify(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString portPath;
    bool longReply = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size()) {
            portPath = args[++i];
        } else if (args[i] == QLatin1String("--long")) {
            longReply = true;
        } else {
            err << "vireo-cli identify: unexpected argument " << args[i] << "\n";
            return kUsage;
        }
    }
    if (portPath.isEmpty()) {
        err << "usage: vireo-cli identify --port PORT [--long]\n";
        return kUsage;
    }

    SerialByteLink link;
    ModulePort port(link, systemClock(), [portPath](int) { return portPath; });
    const ModuleOperation operation(port);
    CliPrompter prompter;
    ModuleIdentity identity;
    const HandshakeResult result =
        connectModule(port, identity, longReply, prompter, LanguageTable::builtIn(), {});
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
