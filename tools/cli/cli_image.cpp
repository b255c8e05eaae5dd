#include <QTextStream>
#include <optional>

#include "module/image_builder.h"
#include "module/image_hex.h"
#include "module/image_memory_check.h"
#include "tools/cli/cli_inputs.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

constexpr int kDefaultCapacity = 510;
constexpr int kDefaultHold = 2;
constexpr int kMaxHold = 11;

struct ImageArgs {
    QString file;
    int welcomeHold = kDefaultHold;
    int goodbyeHold = kDefaultHold;
    int capacity = kDefaultCapacity;
    QString moduleType;
};

// Writes a message to stderr at once, so it keeps its place among the other messages.
void printError(const QString& text) {
    QTextStream(stderr) << text << "\n";
}

std::optional<int> wholeNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max) return std::nullopt;
    return value;
}

// Reads FILE and the options `allowed` lists; prints what is wrong and returns nothing on a
// usage error.
std::optional<ImageArgs> parseArgs(const QString& command, const QStringList& args,
                                   const QStringList& allowed) {
    ImageArgs parsed;
    for (int k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!parsed.file.isEmpty()) {
                printError("vireo-cli " + command + ": unexpected argument " + arg);
                return std::nullopt;
            }
            parsed.file = arg;
            continue;
        }
        if (!allowed.contains(arg)) {
            printError("vireo-cli " + command + ": unknown option " + arg);
            return std::nullopt;
        }
        if (k + 1 >= args.size()) {
            printError("vireo-cli " + command + ": " + arg + " needs a value");
            return std::nullopt;
        }
        const QString value = args[++k];
        std::optional<int> number;
        if (arg == QLatin1String("--module-type")) {
            parsed.moduleType = value;
            continue;
        }
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
            printError("vireo-cli " + command + ": " + arg + ": invalid value " + value);
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty()) {
        printError("vireo-cli " + command + ": no file given");
        return std::nullopt;
    }
    return parsed;
}

// The exit code of an image that was not built, with its reason on stderr.
int reportFailure(const QString& file, const DataImage& image, int capacity) {
    const QString prefix = QStringLiteral("vireo-cli: ") + file + QStringLiteral(": ");
    switch (image.outcome) {
        case ImageOutcome::NothingToSend:
            printError(prefix + QStringLiteral("nothing to send"));
            return kNothingToSend;
        case ImageOutcome::Capacity:
            printError(
                prefix +
                QStringLiteral("the image does not fit the memory of %1 bytes").arg(capacity));
            return kNoFit;
        case ImageOutcome::Overflow:
            printError(prefix + QStringLiteral("a value does not fit its byte (an on-time above "
                                               "25.5 s, a lamp byte above 255, a repeat count "
                                               "of 0 or above 256)"));
            return kUsage;
        case ImageOutcome::TooManyLoops:
            printError(
                prefix +
                QStringLiteral("a sequence has more than %1 loops").arg(kMaxLoopsPerSequence));
            return kUsage;
        case ImageOutcome::TooManyRows:
            printError(prefix + QStringLiteral("a sequence has more than %1 rows").arg(kMaxRows));
            return kUsage;
        case ImageOutcome::Ok:
            break;
    }
    return kOk;
}

// The document and options an image command works on.
struct ImageInputs {
    Document document;
    VehicleOptions options;
};

std::optional<ImageInputs> loadInputs(const ImageArgs& a, int* exitCode) {
    const std::optional<Document> document = loadDocumentForCli(a.file, exitCode);
    if (!document) return std::nullopt;
    return ImageInputs{*document,
                       optionsForDocument(*document, a.moduleType, a.welcomeHold, a.goodbyeHold)};
}

}  // namespace

int image(const QStringList& args) {
    const auto a = parseArgs(QStringLiteral("image"), args,
                             {QStringLiteral("--welcome-hold"), QStringLiteral("--goodbye-hold"),
                              QStringLiteral("--capacity"), QStringLiteral("--module-type")});
    if (!a) return kUsage;
    int exitCode = kUsage;
    const auto in = loadInputs(*a, &exitCode);
    if (!in) return exitCode;
    const DataImage built = buildDataImage(in->document, in->options,
                                           moduleCodeForModel(in->document.model), a->capacity);
    if (built.outcome != ImageOutcome::Ok) return reportFailure(a->file, built, a->capacity);
    QTextStream(stdout) << imageHexText(built) << "\n";
    return kOk;
}

int memory(const QStringList& args) {
    const auto a = parseArgs(QStringLiteral("memory"), args, {QStringLiteral("--capacity")});
    if (!a) return kUsage;
    int exitCode = kUsage;
    const auto in = loadInputs(*a, &exitCode);
    if (!in) return exitCode;
    const MemoryCheck check =
        checkMemory(in->document, in->options, moduleCodeForModel(in->document.model), a->capacity);
    if (!check.percent) return reportFailure(a->file, check.image, a->capacity);
    QTextStream(stdout) << *check.percent << " %\n";
    return kOk;
}

int upload(const QStringList&) {
    printError("vireo-cli upload: not available yet");
    return kUsage;
}

}  // namespace vireo::cli
