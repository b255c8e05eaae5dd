#include <QTextStream>

#include "module/image_builder.h"
#include "module/image_hex.h"
#include "module/image_memory_check.h"
#include "tools/cli/cli_image_args.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

int image(const QStringList& args) {
    const QString command = QStringLiteral("image");
    const auto a =
        parseImageArgs(command, args,
                       {QStringLiteral("--welcome-hold"), QStringLiteral("--goodbye-hold"),
                        QStringLiteral("--capacity"), QStringLiteral("--module-type")});
    if (!a) return kUsage;
    int exitCode = kUsage;
    const auto in = loadImageDocument(command, a->file, true, &exitCode);
    if (!in) return exitCode;
    const VehicleOptions options =
        optionsForDocument(in->document, a->moduleType, a->welcomeHold, a->goodbyeHold);
    const DataImage built = buildDataImage(in->document, options, in->moduleCode, a->capacity);
    if (built.outcome != ImageOutcome::Ok)
        return reportImageFailure(command, a->file, built, a->capacity);
    QTextStream(stdout) << imageHexText(built) << "\n";
    return kOk;
}

// The memory need does not depend on the module code, so any model code will do here.
int memory(const QStringList& args) {
    const QString command = QStringLiteral("memory");
    const auto a = parseImageArgs(command, args, {QStringLiteral("--capacity")});
    if (!a) return kUsage;
    int exitCode = kUsage;
    const auto in = loadImageDocument(command, a->file, false, &exitCode);
    if (!in) return exitCode;
    const VehicleOptions options =
        optionsForDocument(in->document, {}, a->welcomeHold, a->goodbyeHold);
    const MemoryCheck check = checkMemory(in->document, options, in->moduleCode, a->capacity);
    if (!check.percent) return reportImageFailure(command, a->file, check.image, a->capacity);
    QTextStream(stdout) << *check.percent << " %\n";
    return kOk;
}

}  // namespace vireo::cli
