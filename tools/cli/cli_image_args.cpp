#include "tools/cli/cli_image_args.h"

#include <QCommandLineParser>

#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

constexpr int kMaxHold = 11;

QCommandLineOption valueOption(const QString& name, const QString& valueName) {
    return QCommandLineOption(name, QString(), valueName);
}

}  // namespace

std::optional<ImageArgs> parseImageArgs(const QString& command, const QStringList& args,
                                        const QStringList& allowed) {
    const QList<QCommandLineOption> known = {
        valueOption(QStringLiteral("welcome-hold"), QStringLiteral("POS")),
        valueOption(QStringLiteral("goodbye-hold"), QStringLiteral("POS")),
        valueOption(QStringLiteral("capacity"), QStringLiteral("N")),
        valueOption(QStringLiteral("module-type"), QStringLiteral("T")),
        valueOption(QStringLiteral("port"), QStringLiteral("PORT")),
        QCommandLineOption(QStringLiteral("json")),
        languageOption(),
    };
    QCommandLineParser parser;
    for (const QCommandLineOption& option : known)
        if (allowed.contains(QStringLiteral("--") + option.names().first()))
            parser.addOption(option);
    if (!parseCommandArguments(command, parser, args)) return std::nullopt;

    ImageArgs parsed;
    parsed.file = parser.positionalArguments().first();
    const auto value = [&parser](const char* name) {
        const QString key = QLatin1String(name);
        return parser.optionNames().contains(key) ? std::optional<QString>(parser.value(key))
                                                  : std::nullopt;
    };
    if (const auto type = value("module-type")) parsed.moduleType = *type;
    if (const auto port = value("port")) parsed.port = *port;
    if (const auto language = value("language")) parsed.language = *language;
    parsed.json = parser.optionNames().contains(QStringLiteral("json"));
    if (!readWholeNumbers(command, parser,
                          {{QStringLiteral("capacity"), &parsed.capacity, 0, kMaxCapacity},
                           {QStringLiteral("welcome-hold"), &parsed.welcomeHold, 0, kMaxHold},
                           {QStringLiteral("goodbye-hold"), &parsed.goodbyeHold, 0, kMaxHold}}))
        return std::nullopt;
    return parsed;
}

std::optional<ImageDocument> loadImageDocument(const QString& command, const QString& file,
                                               bool needCode, int* exitCode) {
    ImageDocument loaded;
    *exitCode = loadKvsFile(command, file, &loaded.document);
    if (*exitCode != kOk) return std::nullopt;
    const std::optional<int> code = moduleCodeForModel(loaded.document.model);
    if (code) {
        loaded.moduleCode = *code;
    } else if (needCode) {
        complain(command, file,
                 QStringLiteral("unknown vehicle model \"%1\" (known: 111, 112, 113)")
                     .arg(loaded.document.model));
        *exitCode = kUsage;
        return std::nullopt;
    }
    return loaded;
}

int reportImageFailure(const QString& command, const QString& file, const DataImage& image,
                       int capacity) {
    switch (image.outcome) {
        case ImageOutcome::NothingToSend:
            complain(command, file, QStringLiteral("nothing to send"));
            return kNothingToSend;
        case ImageOutcome::Capacity:
            complain(command, file,
                     QStringLiteral("the image does not fit the memory of %1 bytes").arg(capacity));
            return kNoFit;
        case ImageOutcome::Overflow:
            complain(command, file,
                     QStringLiteral("a value does not fit its byte (an on-time above 25.5 s, a "
                                    "lamp byte above 255, a repeat count of 0 or above 256)"));
            return kUsage;
        case ImageOutcome::TooManyLoops:
            complain(command, file,
                     QStringLiteral("a sequence has more than %1 loops").arg(kMaxLoopsPerSequence));
            return kUsage;
        case ImageOutcome::TooManyRows:
            complain(command, file,
                     QStringLiteral("a sequence has more than %1 rows").arg(kMaxRows));
            return kUsage;
        case ImageOutcome::Ok:
            break;
    }
    return kOk;
}

}  // namespace vireo::cli
