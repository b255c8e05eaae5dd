#include <QCommandLineParser>
#include <QTextStream>
#include <limits>
#include <optional>

#include "sequence/document.h"
#include "simulation/playback_lines.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct PlayArguments {
    QString file;
    int sequence = kWelcome;
    int fromRow = 1;  // 1-based, as the user writes it
    int limit = 10000;
};

// The whole number of an option's value within [min, max]; nothing for anything else.
std::optional<int> wholeNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= min && value <= max ? std::optional<int>(value) : std::nullopt;
}

std::optional<PlayArguments> parse(const QStringList& args) {
    const QString command = QStringLiteral("play");
    const QCommandLineOption sequence(QStringLiteral("sequence"), {}, QStringLiteral("0|1"));
    const QCommandLineOption from(QStringLiteral("from"), {}, QStringLiteral("ROW"));
    const QCommandLineOption limit(QStringLiteral("limit"), {}, QStringLiteral("N"));
    QCommandLineParser parser;
    parser.addOptions({sequence, from, limit});
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;

    PlayArguments parsed;
    parsed.file = parser.positionalArguments().first();
    const struct {
        const QCommandLineOption& option;
        int* target;
        int min;
        int max;
    } numbers[] = {{sequence, &parsed.sequence, 0, 1},
                   {from, &parsed.fromRow, 1, std::numeric_limits<int>::max()},
                   {limit, &parsed.limit, 0, std::numeric_limits<int>::max()}};
    for (const auto& n : numbers) {
        const QString name = n.option.names().first();
        if (!parser.isSet(name)) continue;
        const auto value = wholeNumber(parser.value(name), n.min, n.max);
        if (!value) {
            usageProblem(command,
                         QStringLiteral("--%1: invalid value %2").arg(name, parser.value(name)));
            return std::nullopt;
        }
        *n.target = *value;
    }
    return parsed;
}

}  // namespace

int play(const QStringList& args) {
    QTextStream err(stderr);
    const auto parsed = parse(args);
    if (!parsed) return kUsage;
    Document document;
    if (const int code = loadKvsFile(QStringLiteral("play"), parsed->file, &document); code != kOk)
        return code;
    const Sequence& rows = document.sequences[parsed->sequence];
    if (!rows.isEmpty() && parsed->fromRow > rows.size()) {
        err << "vireo-cli play: " << parsed->file << ": sequence " << parsed->sequence << " has "
            << rows.size() << " rows, no row " << parsed->fromRow << "\n";
        return kUsage;
    }
    QTextStream out(stdout);
    for (const QString& line : playbackLines(rows, parsed->fromRow - 1, parsed->limit))
        out << line << "\n";
    return kOk;
}

}  // namespace vireo::cli
