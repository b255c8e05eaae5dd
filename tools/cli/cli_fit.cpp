#include <QCommandLineParser>
#include <QTextStream>
#include <optional>

#include "files/kvs_writer.h"
#include "image/image_builder.h"
#include "show/show_fit.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_image_args.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

struct FitArguments {
    QString file;
    QString out;
    int capacity = kDefaultCapacity;
    bool drop = false;
};

std::optional<FitArguments> parse(const QString& command, const QStringList& args) {
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.kvs"));
    const QCommandLineOption capacity(QStringLiteral("capacity"), {}, QStringLiteral("N"));
    const QCommandLineOption drop(QStringLiteral("drop"));
    QCommandLineParser parser;
    parser.addOptions({output, capacity, drop});
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;
    FitArguments parsed;
    parsed.file = parser.positionalArguments().first();
    parsed.out = parser.value(output);
    parsed.drop = parser.isSet(drop);
    if (parsed.out.isEmpty()) {
        usageProblem(command, QStringLiteral("no output file given (-o OUT.kvs)"));
        return std::nullopt;
    }
    if (!readWholeNumbers(command, parser,
                          {{QStringLiteral("capacity"), &parsed.capacity, 0, kMaxCapacity}}))
        return std::nullopt;
    return parsed;
}

QString seconds(qint64 ms) {
    return OnTime::ofMs(ms).text(QLocale::c());
}

}  // namespace

int fit(const QStringList& args) {
    const QString command = QStringLiteral("fit");
    const auto a = parse(command, args);
    if (!a) return kUsage;
    Document document;
    if (const int code = loadKvsFile(command, a->file, &document); code != kOk) return code;

    const VehicleOptions options = optionsForDocument(document, {}, 2, 2);
    const ShowFit result = fitDocument(
        document, options, moduleCodeForModel(document.model).value_or(0), a->capacity, a->drop);
    switch (result.status) {
        case ShowFit::Status::NeedsDrops:
            complain(command, a->file,
                     QStringLiteral("on-times alone cannot make it fit: the steps alone need %1 "
                                    "bytes of %2 (--drop drops the shortest steps); nothing "
                                    "written")
                         .arg(result.stepsAloneNeed)
                         .arg(result.capacity));
            return kNoFit;
        case ShowFit::Status::CannotFit:
            complain(command, a->file,
                     QStringLiteral("cannot be made to fit %1 bytes; nothing written")
                         .arg(result.capacity));
            return kNoFit;
        case ShowFit::Status::CheckFailed:
            complain(command, a->file,
                     QStringLiteral("the fitted rows did not pass their check; nothing written"));
            return kUsage;
        case ShowFit::Status::AlreadyFits:
        case ShowFit::Status::Fitted:
            break;
    }
    if (const int code = storeKvsFile(command, a->out, result.document, onTimeFormOf(document));
        code != kOk)
        return code;

    QTextStream out(stdout);
    for (const FitChange& c : result.changes) {
        out << "sequence " << c.sequence << " step " << c.step << ": " << seconds(c.oldMs);
        if (c.dropped)
            out << " dropped\n";
        else
            out << " -> " << seconds(c.newMs) << "\n";
    }
    out << "image: " << result.bytesBefore << " -> " << result.bytesAfter << " bytes of "
        << result.capacity << ", changed by " << result.changeMs << " ms";
    if (!result.changes.empty()) out << " (at most " << result.largestChangeMs << " ms on a step)";
    out << "\n";
    return kOk;
}

}  // namespace vireo::cli
