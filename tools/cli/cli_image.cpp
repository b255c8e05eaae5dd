#include <QTextStream>

#include "image/image_builder.h"
#include "image/image_cost.h"
#include "image/image_hex.h"
#include "image/image_memory_check.h"
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

namespace {

QString jsonList(const std::vector<RowBytes>& rows) {
    QStringList bytes;
    for (const RowBytes& row : rows) bytes << QString::number(row.total());
    return QLatin1Char('[') + bytes.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// The cost of every part of the image as one JSON object, keys in a fixed order.
QString costJson(const ImageCost& cost) {
    return QStringLiteral(
               "{\n  \"capacity\": %1,\n  \"total\": %2,\n  \"header\": %3,\n  \"holds\": %4,\n"
               "  \"steps\": [\n    %5,\n    %6\n  ]\n}\n")
        .arg(cost.capacity)
        .arg(cost.total)
        .arg(cost.header)
        .arg(cost.holdBytes())
        .arg(jsonList(cost.rows[kWelcome]), jsonList(cost.rows[kGoodbye]));
}

}  // namespace

// The memory need does not depend on the module code, so any model code will do here.
int memory(const QStringList& args) {
    const QString command = QStringLiteral("memory");
    const auto a =
        parseImageArgs(command, args, {QStringLiteral("--capacity"), QStringLiteral("--json")});
    if (!a) return kUsage;
    int exitCode = kUsage;
    const auto in = loadImageDocument(command, a->file, false, &exitCode);
    if (!in) return exitCode;
    const VehicleOptions options =
        optionsForDocument(in->document, {}, a->welcomeHold, a->goodbyeHold);
    const MemoryCheck check = checkMemory(in->document, options, in->moduleCode, a->capacity);
    if (a->json) {
        // An image above the capacity still has its figures; it exits as it does without --json.
        const ImageCost cost = imageCost(in->document, options, in->moduleCode, a->capacity);
        if (cost.outcome == ImageOutcome::Ok) QTextStream(stdout) << costJson(cost);
    }
    if (!check.percent) return reportImageFailure(command, a->file, check.image, a->capacity);
    if (!a->json) QTextStream(stdout) << *check.percent << " %\n";
    return kOk;
}

}  // namespace vireo::cli
