#include <QTextStream>
#include <optional>

#include "sequence/document.h"
#include "simulation/playback_lines.h"
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

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<PlayArguments> parse(const QStringList& args, QString* error) {
    PlayArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size()) {
                *error = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            const auto value = wholeNumber(args[++i]);
            if (a == QLatin1String("--sequence") && value && (*value == 0 || *value == 1))
                parsed.sequence = *value;
            else if (a == QLatin1String("--from") && value && *value >= 1)
                parsed.fromRow = *value;
            else if (a == QLatin1String("--limit") && value && *value >= 0)
                parsed.limit = *value;
            else {
                *error = QStringLiteral("bad option %1 %2").arg(a, args[i]);
                return std::nullopt;
            }
        } else if (parsed.file.isEmpty()) {
            parsed.file = a;
        } else {
            *error = QStringLiteral("unexpected argument ") + a;
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty()) {
        *error = QStringLiteral("no file given");
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int play(const QStringList& args) {
    QTextStream err(stderr);
    QString error;
    const auto parsed = parse(args, &error);
    if (!parsed) {
        err << "vireo-cli play: " << error << "\n"
            << "usage: vireo-cli play FILE.kvs [--sequence 0|1] [--from ROW] [--limit N]\n";
        return kUsage;
    }
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
