#include <QTextStream>
#include <cstdio>

#include "module/handshake.h"
#include "module/module_port.h"
#include "module/serial_byte_link.h"
#include "module/upload_image.h"
#include "platform/clock.h"
#include "text/language.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_image_args.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/cli_prompter.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

// Closes the port on every way out of the command, whatever closed it already.
struct PortCloser {
    ModulePort& port;
    ~PortCloser() { port.close(); }
};

// "\rsent i/n" while bytes go out; a line end once the transfer is over.
TransferProgress progressOnStderr() {
    return [shown = false](int value, int maximum) mutable {
        if (value > 0) {
            std::fprintf(stderr, "\rsent %d/%d", value, maximum);
            shown = true;
        } else if (shown) {
            std::fputc('\n', stderr);
            shown = false;
        }
        std::fflush(stderr);
    };
}

void printMessage(const UserMessage& message) {
    if (message.isEmpty()) return;
    QTextStream err(stderr);
    if (!message.title.isEmpty()) err << message.title << ": ";
    err << message.text.trimmed() << "\n";
}

}  // namespace

int upload(const QStringList& args) {
    const QString command = QStringLiteral("upload");
    const auto a =
        parseImageArgs(command, args,
                       {QStringLiteral("--welcome-hold"), QStringLiteral("--goodbye-hold"),
                        QStringLiteral("--capacity"), QStringLiteral("--module-type"),
                        QStringLiteral("--port"), QStringLiteral("--language")});
    if (!a) return kUsage;
    if (a->port.isEmpty()) {
        return usageProblem(command, QStringLiteral("no --port given"));
    }
    const auto texts = commandLanguage(command, a->language);
    if (!texts) return kUsage;
    int exitCode = kUsage;
    const auto in = loadImageDocument(command, a->file, true, &exitCode);
    if (!in) return exitCode;

    // As the send button: without a welcome sequence or a welcome hold there is nothing to do,
    // and the module is not disturbed.
    if (!uploadWanted(in->document,
                      optionsForDocument(in->document, {}, a->welcomeHold, a->goodbyeHold))) {
        complain(command, a->file,
                 QStringLiteral("nothing to send (no welcome sequence and no welcome hold)"));
        return kNothingToSend;
    }

    SerialByteLink link;
    const QString device = a->port;
    ModulePort port(link, systemClock(), [device](int) { return device; });
    const PortCloser closer{port};
    const ModuleOperation operation(port);
    CliPrompter prompter;
    ModuleIdentity identity;
    const HandshakeResult handshake = connectModule(port, identity, false, prompter, *texts, {});
    switch (handshake.outcome) {
        case HandshakeOutcome::Connected:
            break;
        case HandshakeOutcome::OpenFailed:
            // The window's message names a port number; the path says more here.
            prompter.dropMessages();
            complain(command, device, openFailureText(handshake.open));
            return kUsage;
        default:
            prompter.printMessages();
            complain(command, device, QStringLiteral("no module answered"));
            return kNoModule;
    }
    QTextStream(stderr) << connectedInfoText(identity) << "\n";
    // The image options are taken for the same command line as `image`, but an upload builds
    // what the editor sends: for its memory size and the edition of the module that answers.
    if (a->capacity != kUploadCapacity)
        QTextStream(stderr) << "note: --capacity is not used; the upload uses " << kUploadCapacity
                            << " bytes\n";
    if (!a->moduleType.isEmpty() && a->moduleType != identity.type)
        QTextStream(stderr) << "note: --module-type is not used; the module reports type "
                            << identity.type << "\n";

    // The module's edition decides which options it has, as when the window sends.
    const VehicleOptions options =
        optionsForDocument(in->document, identity.type, a->welcomeHold, a->goodbyeHold);
    const UploadResult result = uploadImage(port.exchanger(), in->document, options, in->moduleCode,
                                            *texts, progressOnStderr());
    port.close();
    printMessage(result.message);
    if (result.image.outcome != ImageOutcome::Ok)
        return reportImageFailure(command, a->file, result.image, kUploadCapacity);
    if (!result.succeeded()) {
        const bool silent = result.transfer.outcome == TransferOutcome::NoReply;
        complain(command, device,
                 QStringLiteral("the transfer failed at byte %1 of %2: %3")
                     .arg(result.transfer.confirmed + 1)
                     .arg(result.image.length)
                     .arg(silent ? QStringLiteral("the module did not reply")
                                 : QStringLiteral("the module echoed the byte wrongly")));
        return kTransferFailed;
    }
    QTextStream(stdout) << "sent " << result.image.length << " bytes\n";
    return kOk;
}

}  // namespace vireo::cli
