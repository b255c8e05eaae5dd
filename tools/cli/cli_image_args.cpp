#include "tools/cli/cli_image_args.h"

#include "tools/cli/cli_inputs.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

constexpr int kMaxHold = 11;

void usageError(const QString& command, const QString& problem) {
    complain(command, QStringLiteral("usage"), problem);
}

std::optional<int> wholeNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max) return std::nullopt;
    return value;
}

}  // namespace

std::optional<ImageArgs> parseImageArgs(const QString& command, const QStringList& args,
                                        const QStringList& allowed) {
    ImageArgs parsed;
    for (int k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!parsed.file.isEmpty()) {
                usageError(command, QStringLiteral("unexpected argument ") + arg);
                return std::nullopt;
            }
            parsed.file = arg;
            continue;
        }
        if (!allowed.contains(arg)) {
            usageError(command, QStringLiteral("unknown option ") + arg);
            return std::nullopt;
        }
        if (k + 1 >= args.size()) {
            usageError(command, arg + QStringLiteral(" needs a value"));
            return std::nullopt;
        }
        const QString value = args[++k];
        if (arg == QLatin1String("--module-type")) {
            parsed.moduleType = value;
            continue;
        }
        if (arg == QLatin1String("--port")) {
            parsed.port = value;
            continue;
        }
        std::optional<int> number;
        if (arg == QLatin1String("--capacity")) {
            number = wholeNumber(value, 0, 65535);
            if (number) parsed.capacity = *number;
        } else {
            number = wholeNumber(value, 0, kMaxHold);
            if (number)
                (arg == QLatin1String("--welcome-hold") ? parsed.welcomeHold : parsed.goodbyeHold) =
                    *number;
        }
        if (!number) {
            usageError(command, arg + QStringLiteral(": invalid value ") + value);
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty()) {
        usageError(command, QStringLiteral("no file given"));
        return std::nullopt;
    }
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
