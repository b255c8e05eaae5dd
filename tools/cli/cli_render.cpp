#include <QTextStream>
#include <optional>

#include "files/animation_export.h"
#include "sequence/document.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const char* const kRenderUsage =
    "usage: vireo-cli render FILE.kvs -o OUT.gif [--sequence 0|1] [--from ROW] [--limit N] "
    "[--width PX]\n";

struct RenderArguments {
    QString file;
    QString out;
    int sequence = kWelcome;
    int fromRow = 1;  // 1-based, as the user writes it
    int limit = kDefaultAnimationStepLimit;
    int width = CarFrameRenderer::kDefaultWidth;
};

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<RenderArguments> parse(const QStringList& args, QString* error) {
    RenderArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1Char('-'))) {
            if (i + 1 >= args.size()) {
                *error = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            const QString& text = args[++i];
            if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
                parsed.out = text;
                continue;
            }
            const auto value = wholeNumber(text);
            if (a == QLatin1String("--sequence") && value && (*value == 0 || *value == 1))
                parsed.sequence = *value;
            else if (a == QLatin1String("--from") && value && *value >= 1)
                parsed.fromRow = *value;
            else if (a == QLatin1String("--limit") && value && *value >= 1)
                parsed.limit = *value;
            else if (a == QLatin1String("--width") && value &&
                     *value >= CarFrameRenderer::kMinWidth && *value <= CarFrameRenderer::kMaxWidth)
                parsed.width = *value;
            else {
                *error = QStringLiteral("bad option %1 %2").arg(a, text);
                if (a == QLatin1String("--width"))
                    *error += QStringLiteral(" (%1 to %2 pixels)")
                                  .arg(CarFrameRenderer::kMinWidth)
                                  .arg(CarFrameRenderer::kMaxWidth);
                return std::nullopt;
            }
        } else if (parsed.file.isEmpty()) {
            parsed.file = a;
        } else {
            *error = QStringLiteral("unexpected argument ") + a;
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty())
        *error = QStringLiteral("no file given");
    else if (parsed.out.isEmpty())
        *error = QStringLiteral("no output file given (-o OUT.gif)");
    else
        return parsed;
    return std::nullopt;
}

}  // namespace

int render(const QStringList& args) {
    QTextStream err(stderr);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << kRenderUsage;
        return kOk;
    }
    QString error;
    const auto parsed = parse(args, &error);
    if (!parsed) {
        err << "vireo-cli render: " << error << "\n" << kRenderUsage;
        return kUsage;
    }
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
    // The pictures of the file's vehicle; a model the catalogue does not know is drawn as the
    // default model, as the editor starts.
    request.vehicle = vehicleSetupFor(document.model).value_or(*vehicleSetupFor(kDefaultModel));
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
