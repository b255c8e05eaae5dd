#include <QCommandLineParser>
#include <QTextStream>
#include <optional>

#include "files/kvs_writer.h"
#include "show/document_compaction.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_image_args.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct CompactArguments {
    QString file;
    QString out;
    int sequence = -1;  // both
};

std::optional<CompactArguments> parse(const QString& command, const QStringList& args) {
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.kvs"));
    const QCommandLineOption sequence(QStringLiteral("sequence"), {}, QStringLiteral("0|1"));
    QCommandLineParser parser;
    parser.addOptions({output, sequence});
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;
    CompactArguments parsed;
    parsed.file = parser.positionalArguments().first();
    parsed.out = parser.value(output);
    if (parsed.out.isEmpty()) {
        usageProblem(command, QStringLiteral("no output file given (-o OUT.kvs)"));
        return std::nullopt;
    }
    if (!readWholeNumbers(command, parser, {{QStringLiteral("sequence"), &parsed.sequence, 0, 1}}))
        return std::nullopt;
    return parsed;
}

// Why a sequence has no image, in the words of the tool's other messages.
QString noImageText(ImageOutcome outcome) {
    switch (outcome) {
        case ImageOutcome::TooManyLoops:
            return QStringLiteral("more than %1 loops").arg(kMaxLoopsPerSequence);
        case ImageOutcome::TooManyRows:
            return QStringLiteral("more than %1 steps").arg(kMaxRows);
        default:
            return QStringLiteral("a value does not fit its byte");
    }
}

QString whyUnchanged(const CompactionResult& result) {
    switch (result.status) {
        case CompactionResult::Status::NothingWon:
            return QStringLiteral(" (nothing to win)");
        case CompactionResult::Status::CannotBuild:
            return QStringLiteral(" (left as it is: no image possible, %1)")
                .arg(noImageText(*result.inputHasNoImage));
        case CompactionResult::Status::Endless:
            return QStringLiteral(" (left as it is: its playback does not end or is too long)");
        case CompactionResult::Status::Compacted:
        case CompactionResult::Status::CheckFailed:
            break;
    }
    return {};
}

}  // namespace

// The capacity is the upload's, as for `memory` without --capacity.
int compact(const QStringList& args) {
    const QString command = QStringLiteral("compact");
    const auto a = parse(command, args);
    if (!a) return kUsage;
    Document document;
    if (const int code = loadKvsFile(command, a->file, &document); code != kOk) return code;

    const VehicleOptions options = optionsForDocument(document, {}, 2, 2);
    const DocumentCompaction result =
        compactDocument(document, a->sequence, options,
                        moduleCodeForModel(document.model).value_or(0), kDefaultCapacity);
    if (result.checkFailed()) {
        complain(command, a->file,
                 QStringLiteral("the compacted rows did not play the same; nothing written"));
        return kUsage;
    }
    if (const int code = storeKvsFile(command, a->out, result.document, onTimeFormOf(document));
        code != kOk)
        return code;

    QTextStream out(stdout);
    for (int t = kWelcome; t <= kGoodbye; ++t) {
        if (!result.sequences[t]) continue;
        const CompactionResult& s = *result.sequences[t];
        out << "sequence " << t << ": ";
        if (s.inputHasNoImage && s.changed())
            out << "no image (" << noImageText(*s.inputHasNoImage) << ") -> " << s.bytesAfter
                << " bytes";
        else
            out << s.bytesBefore << " -> " << s.bytesAfter << " bytes" << whyUnchanged(s);
        if (result.excessAfter() > 0)
            out << ", the image still " << result.excessAfter() << " bytes above "
                << result.capacity;
        out << "\n";
    }
    return kOk;
}

}  // namespace vireo::cli
