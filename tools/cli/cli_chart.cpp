#include <QCommandLineParser>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <optional>

#include "sequence/document.h"
#include "text/language.h"
#include "timeline/timeline_painter.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct ChartArguments {
    QString file;
    QString output;
    int sequence = kWelcome;
    double scale = TimelineGeometry::kDefaultScale;
    LanguageTable texts;
};

std::optional<ChartArguments> parse(const QStringList& args) {
    const QString command = QStringLiteral("chart");
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.png"));
    const QCommandLineOption sequence(QStringLiteral("sequence"), {}, QStringLiteral("0|1"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("PX"));
    QCommandLineParser parser;
    parser.addOptions({output, sequence, scale, languageOption()});
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;

    ChartArguments parsed;
    parsed.file = parser.positionalArguments().first();
    parsed.output = parser.value(output);
    if (parsed.output.isEmpty()) {
        usageProblem(command, QStringLiteral("no output given (-o OUT.png)"));
        return std::nullopt;
    }
    if (!readWholeNumbers(command, parser, {{QStringLiteral("sequence"), &parsed.sequence, 0, 1}}))
        return std::nullopt;
    if (parser.isSet(scale)) {
        bool ok = false;
        const double value = parser.value(scale).toDouble(&ok);
        if (!ok || value < TimelineGeometry::kMinScale || value > TimelineGeometry::kMaxScale) {
            usageProblem(command, QStringLiteral("--scale: invalid value ") + parser.value(scale));
            return std::nullopt;
        }
        parsed.scale = value;
    }
    const auto texts = commandLanguage(command, parser);
    if (!texts) return std::nullopt;
    parsed.texts = *texts;
    return parsed;
}

}  // namespace

int chart(const QStringList& args) {
    const auto parsed = parse(args);
    if (!parsed) return kUsage;
    Document document;
    if (const int code = loadKvsFile(QStringLiteral("chart"), parsed->file, &document); code != kOk)
        return code;
    const QImage image = renderTimeline(document.sequences[parsed->sequence], parsed->scale,
                                        timelineTexts(parsed->texts));
    // Through QSaveFile, unbuffered: a picture the disk cuts short fails and leaves any file
    // already there as it was.
    QSaveFile file(parsed->output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !image.save(&file, "PNG") ||
        !file.commit()) {
        complain(QStringLiteral("chart"), parsed->output,
                 QStringLiteral("cannot write the picture"));
        return kUsage;
    }
    return kOk;
}

}  // namespace vireo::cli
