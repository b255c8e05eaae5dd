#include <QTextStream>

#include "config/language.h"
#include "module/handshake.h"
#include "module/module_port.h"
#include "module/serial_byte_link.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

// Nobody to ask on the command line: messages are dropped (the command reports the outcome in
// its own words), questions answer No and dialogs cancel.
class SilentPrompter : public Prompter {
  public:
    void message(const QString&, const QString&, PromptIcon) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

QString openFailureText(const LinkOpenStatus& status) {
    switch (status.result) {
        case LinkOpenResult::NoSuchPort:
            return QStringLiteral("no such port");
        case LinkOpenResult::InUse:
            return QStringLiteral("the port is in use");
        case LinkOpenResult::PermissionDenied:
            return QStringLiteral(
                "no permission (the user needs read and write access, "
                "e.g. membership in the group \"dialout\")");
        default:
            return status.reason.isEmpty() ? QStringLiteral("cannot open") : status.reason;
    }
}

}  // namespace

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
    SilentPrompter prompter;
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
