#include <QCommandLineParser>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <optional>

#include "files/document_json.h"
#include "files/kvs_writer.h"
#include "sequence/pattern_command.h"
#include "sequence/pattern_rows.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kCommand = QStringLiteral("pattern");

// The on-time in tenths: seconds within the slider's range, with a point or a comma.
std::optional<int> tenthsOf(const QString& text) {
    const auto time = OnTime::fromInput(text);
    return time ? time->stepTenths() : std::nullopt;
}

std::optional<PatternChoice> parse(const QStringList& args) {
    const QCommandLineOption lamps(QStringLiteral("lamps"), {}, QStringLiteral("LIST"));
    const QCommandLineOption time(QStringLiteral("time"), {}, QStringLiteral("SECONDS"));
    const QCommandLineOption passes(QStringLiteral("passes"), {}, QStringLiteral("N"));
    const QCommandLineOption order(QStringLiteral("order"), {}, QStringLiteral("ORDER"));
    QCommandLineParser parser;
    parser.addOptions({lamps, time, passes, order});
    if (!parseCommandArguments(kCommand, parser, args, 1)) return std::nullopt;

    PatternChoice choice;
    const QString word = parser.positionalArguments().first();
    const auto kind = patternKindFromName(word);
    if (!kind) {
        usageProblem(kCommand,
                     QStringLiteral("unknown pattern %1 (chase, fill, empty, blink, alternate or "
                                    "bounce)")
                         .arg(word));
        return std::nullopt;
    }
    choice.kind = *kind;

    const QStringList names = parser.value(lamps).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (names.isEmpty()) {
        usageProblem(kCommand, QStringLiteral("no lamps given (--lamps CORNER.BIT,...,M)"));
        return std::nullopt;
    }
    for (const QString& name : names) {
        const auto lamp = patternLampFromName(name.trimmed());
        if (!lamp) {
            usageProblem(kCommand,
                         QStringLiteral("--lamps: unknown lamp %1 (CORNER.BIT with corner 1-4 and "
                                        "bit 0-5, or M)")
                             .arg(name.trimmed()));
            return std::nullopt;
        }
        choice.lamps << *lamp;
    }

    const auto tenths = tenthsOf(parser.value(time));
    if (!tenths) {
        usageProblem(kCommand, parser.isSet(time)
                                   ? QStringLiteral("--time: invalid value %1 (0.1 to 10 seconds)")
                                         .arg(parser.value(time))
                                   : QStringLiteral("no on-time given (--time SECONDS)"));
        return std::nullopt;
    }
    choice.tenths = *tenths;

    if (!readWholeNumbers(
            kCommand, parser,
            {{QStringLiteral("passes"), &choice.passes, kMinPatternPasses, kMaxPatternPasses}}))
        return std::nullopt;

    if (parser.isSet(order)) {
        const auto o = lampOrderFromName(parser.value(order));
        if (!o) {
            usageProblem(kCommand, QStringLiteral("--order: invalid value %1 (picked, across, "
                                                  "outside-in, inside-out or pairs)")
                                       .arg(parser.value(order)));
            return std::nullopt;
        }
        choice.order = *o;
    }
    return choice;
}

}  // namespace

int pattern(const QStringList& args) {
    const auto choice = parse(args);
    if (!choice) return kUsage;
    // On its own the pattern's loop is the first loop; times are written as in a file.
    const Sequence rows = patternRowsFor(*choice, 1);
    const QByteArray json = rowsToJson(rows, onTimeFormOf(Document{}));
    if (std::fwrite(json.constData(), 1, size_t(json.size()), stdout) != size_t(json.size()) ||
        std::fflush(stdout) != 0) {
        complain(kCommand, QStringLiteral("standard output"), QStringLiteral("cannot write"));
        return kUsage;
    }
    return kOk;
}

}  // namespace vireo::cli
