#include <QImage>
#include <QTextStream>
#include <optional>

#include "config/language.h"
#include "sequence/document.h"
#include "timeline/timeline_painter.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct ChartArguments {
    QString file;
    QString output;
    int sequence = kWelcome;
    double scale = TimelineGeometry::kDefaultScale;
};

std::optional<ChartArguments> parse(const QStringList& args, QString* error) {
    ChartArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o") || a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size()) {
                *error = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            const QString value = args[++i];
            bool ok = false;
            if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
                parsed.output = value;
            } else if (a == QLatin1String("--sequence") &&
                       (value == QLatin1String("0") || value == QLatin1String("1"))) {
                parsed.sequence = value.toInt();
            } else if (const double scale = value.toDouble(&ok);
                       a == QLatin1String("--scale") && ok &&
                       scale >= TimelineGeometry::kMinScale &&
                       scale <= TimelineGeometry::kMaxScale) {
                parsed.scale = scale;
            } else {
                *error = QStringLiteral("bad option %1 %2").arg(a, value);
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
    else if (parsed.output.isEmpty())
        *error = QStringLiteral("no output given (-o OUT.png)");
    if (!error->isEmpty()) return std::nullopt;
    return parsed;
}

}  // namespace

int chart(const QStringList& args) {
    QString error;
    const auto parsed = parse(args, &error);
    if (!parsed) {
        QTextStream(stderr) << "vireo-cli chart: " << error << "\n"
                            << "usage: vireo-cli chart FILE.kvs -o OUT.png [--sequence 0|1] "
                               "[--scale PX_PER_TENTH]\n";
        return kUsage;
    }
    Document document;
    if (const int code = loadKvsFile(QStringLiteral("chart"), parsed->file, &document); code != kOk)
        return code;
    const QImage image = renderTimeline(document.sequences[parsed->sequence], parsed->scale,
                                        timelineTexts(LanguageTable::builtIn()));
    if (!image.save(parsed->output, "PNG")) {
        complain(QStringLiteral("chart"), parsed->output,
                 QStringLiteral("cannot write the picture"));
        return kUsage;
    }
    return kOk;
}

}  // namespace vireo::cli
