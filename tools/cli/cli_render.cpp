#include <QCommandLineParser>
#include <QTextStream>
#include <limits>
#include <optional>

#include "files/animation_export.h"
#include "sequence/document.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct RenderArguments {
    QString file;
    QString out;
    int sequence = kWelcome;
    int fromRow = 1;  // 1-based, as the user writes it
    int limit = kDefaultAnimationStepLimit;
    int width = CarFrameRenderer::kDefaultWidth;
};

std::optional<RenderArguments> parse(const QStringList& args) {
    const QString command = QStringLiteral("render");
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.gif"));
    const QCommandLineOption sequence(QStringLiteral("sequence"), {}, QStringLiteral("0|1"));
    const QCommandLineOption from(QStringLiteral("from"), {}, QStringLiteral("ROW"));
    const QCommandLineOption limit(QStringLiteral("limit"), {}, QStringLiteral("N"));
    const QCommandLineOption width(QStringLiteral("width"), {}, QStringLiteral("PX"));
    QCommandLineParser parser;
    parser.addOptions({output, sequence, from, limit, width});
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;

    RenderArguments parsed;
    parsed.file = parser.positionalArguments().first();
    parsed.out = parser.value(output);
    if (parsed.out.isEmpty()) {
        usageProblem(command, QStringLiteral("no output file given (-o OUT.gif)"));
        return std::nullopt;
    }
    constexpr int kAny = std::numeric_limits<int>::max();
    if (!readWholeNumbers(command, parser,
                          {{QStringLiteral("sequence"), &parsed.sequence, 0, 1},
                           {QStringLiteral("from"), &parsed.fromRow, 1, kAny},
                           {QStringLiteral("limit"), &parsed.limit, 1, kAny},
                           {QStringLiteral("width"), &parsed.width, CarFrameRenderer::kMinWidth,
                            CarFrameRenderer::kMaxWidth}}))
        return std::nullopt;
    return parsed;
}

}  // namespace

int render(const QStringList& args) {
    QTextStream err(stderr);
    const auto parsed = parse(args);
    if (!parsed) return kUsage;
    Document document;
    if (const int code = loadKvsFile(QStringLiteral("render"), parsed->file, &document);
        code != kOk)
        return code;
    const Sequence& rows = document.sequences[parsed->sequence];
    if (rows.isEmpty()) {
        complain(
            QStringLiteral("render"), parsed->file,
            QStringLiteral("sequence %1 has no rows, nothing to render").arg(parsed->sequence));
        return kUsage;
    }
    if (parsed->fromRow > rows.size()) {
        complain(QStringLiteral("render"), parsed->file,
                 QStringLiteral("sequence %1 has %2 rows, no row %3")
                     .arg(parsed->sequence)
                     .arg(rows.size())
                     .arg(parsed->fromRow));
        return kUsage;
    }

    AnimationRequest request;
    request.rows = rows;
    // The pictures of the file's vehicle (of its model year for a body without pictures of its
    // own); a model without any is drawn as the default model, as the editor starts.
    request.vehicle =
        vehicleSetupFor(pictureModel(document.model)).value_or(*vehicleSetupFor(kDefaultModel));
    request.fromRow = parsed->fromRow - 1;
    request.limit = parsed->limit;
    request.width = parsed->width;
    const AnimationOutcome outcome = savePlaybackAnimation(request, parsed->out);
    if (outcome.status != AnimationOutcome::Status::Written) {
        complain(QStringLiteral("render"), parsed->out, outcome.error);
        return kUsage;
    }
    err << "vireo-cli render: wrote " << parsed->out << ": " << outcome.frames << " frames, "
        << QString::number(outcome.durationMs / 1000.0, 'f', 1) << " s, " << outcome.size.width()
        << "x" << outcome.size.height() << " px, " << outcome.bytes << " bytes\n";
    return kOk;
}

}  // namespace vireo::cli
