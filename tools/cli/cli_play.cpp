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
    constexpr int kAny = std::numeric_limits<int>::max();
    if (!readWholeNumbers(command, parser,
                          {{QStringLiteral("sequence"), &parsed.sequence, 0, 1},
                           {QStringLiteral("from"), &parsed.fromRow, 1, kAny},
                           {QStringLiteral("limit"), &parsed.limit, 0, kAny}}))
        return std::nullopt;
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
