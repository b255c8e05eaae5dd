#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTextStream>
#include <optional>

#include "files/kvs_writer.h"
#include "sequence/transforms.h"
#include "text/language.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/cli_prompter.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kCommand = QStringLiteral("transform");

enum class Kind { Mirror, Reverse, Stretch };

struct TransformArguments {
    Kind kind = Kind::Mirror;
    QString file;
    QString output;
    int sequence = kWelcome;
    std::optional<std::pair<int, int>> rows;  // 1-based, inclusive
    double factor = 1.0;
};

std::optional<Kind> kindOf(const QString& word) {
    if (word == QLatin1String("mirror")) return Kind::Mirror;
    if (word == QLatin1String("reverse")) return Kind::Reverse;
    if (word == QLatin1String("stretch")) return Kind::Stretch;
    return std::nullopt;
}

std::optional<TransformArguments> parse(const QStringList& args) {
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.kvs"));
    const QCommandLineOption sequence(QStringLiteral("sequence"), {}, QStringLiteral("0|1"));
    const QCommandLineOption rows(QStringLiteral("rows"), {}, QStringLiteral("FIRST-LAST"));
    const QCommandLineOption factor(QStringLiteral("factor"), {}, QStringLiteral("F"));
    QCommandLineParser parser;
    parser.addOptions({output, sequence, rows, factor});
    if (!parseCommandArguments(kCommand, parser, args, 2)) return std::nullopt;

    TransformArguments parsed;
    const QString word = parser.positionalArguments().at(0);
    const auto kind = kindOf(word);
    if (!kind) {
        usageProblem(kCommand,
                     QStringLiteral("unknown transform %1 (mirror, reverse or stretch)").arg(word));
        return std::nullopt;
    }
    parsed.kind = *kind;
    parsed.file = parser.positionalArguments().at(1);
    if (!parser.isSet(output)) {
        usageProblem(kCommand, QStringLiteral("no output file given (-o OUT.kvs)"));
        return std::nullopt;
    }
    parsed.output = parser.value(output);
    if (!readWholeNumbers(kCommand, parser, {{QStringLiteral("sequence"), &parsed.sequence, 0, 1}}))
        return std::nullopt;
    if (parser.isSet(rows)) {
        static const QRegularExpression range(QStringLiteral("^(\\d{1,3})-(\\d{1,3})$"));
        const auto match = range.match(parser.value(rows));
        const int first = match.captured(1).toInt(), last = match.captured(2).toInt();
        if (!match.hasMatch() || first < 1 || last < first) {
            usageProblem(kCommand, QStringLiteral("--rows: invalid value %1 (FIRST-LAST, 1 <= "
                                                  "FIRST <= LAST)")
                                       .arg(parser.value(rows)));
            return std::nullopt;
        }
        parsed.rows = std::pair{first, last};
    }
    if (parsed.kind == Kind::Stretch) {
        const auto f = stretchFactorOf(parser.value(factor));
        if (!f) {
            usageProblem(kCommand, parser.isSet(factor)
                                       ? QStringLiteral("--factor: invalid value %1 (0.1 to 10)")
                                             .arg(parser.value(factor))
                                       : QStringLiteral("stretch needs --factor F (0.1 to 10)"));
            return std::nullopt;
        }
        parsed.factor = *f;
    } else if (parser.isSet(factor)) {
        usageProblem(kCommand, QStringLiteral("--factor is only for stretch, not %1").arg(word));
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int transform(const QStringList& args) {
    const auto parsed = parse(args);
    if (!parsed) return kUsage;
    Document document;
    if (const int code = loadKvsFile(kCommand, parsed->file, &document); code != kOk) return code;

    const Sequence& rows = document.sequences[parsed->sequence];
    Selection selection;
    if (parsed->rows) {
        const auto [first, last] = *parsed->rows;
        if (last > rows.size()) {
            complain(kCommand, parsed->file,
                     QStringLiteral("--rows %1-%2: sequence %3 has %4 rows")
                         .arg(first)
                         .arg(last)
                         .arg(parsed->sequence)
                         .arg(rows.size()));
            return kUsage;
        }
        for (int r = first - 1; r < last; ++r) selection.rows << r;
        selection.current = first - 1;
    }

    std::optional<EditOutcome> outcome;
    switch (parsed->kind) {
        case Kind::Mirror:
            outcome = mirrorRows(rows, selection);
            break;
        case Kind::Reverse: {
            if (const auto loop = loopCutByRows(rows, transformedRows(rows, selection))) {
                complain(kCommand, parsed->file,
                         QStringLiteral("the rows cut through loop %1; reverse the whole loop "
                                        "or none of its rows")
                             .arg(*loop));
                return kUsage;
            }
            CliPrompter prompter;  // the loop was checked above: nothing to tell
            EditContext context{prompter, LanguageTable::builtIn()};
            outcome = reverseRows(rows, selection, context);
            break;
        }
        case Kind::Stretch:
            outcome = stretchRows(rows, selection, parsed->factor);
            break;
    }
    // Stretched on-times are written in the form of the file's own.
    const QLocale form = onTimeFormOf(document);
    if (outcome) document.sequences[parsed->sequence] = outcome->rows;

    return storeKvsFile(kCommand, parsed->output, document, form);
}

}  // namespace vireo::cli
