#include "tools/module-sim/sim_options.h"

#include <QCommandLineParser>
#include <functional>

namespace vireo::sim {

namespace {

const QString kProgram = QStringLiteral("vireo-module-sim");

bool digitPair(const QString& text, char out[2]) {
    if (text.size() != 3 || !text.at(0).isDigit() || text.at(1) != QLatin1Char('.') ||
        !text.at(2).isDigit())
        return false;
    out[0] = text.at(0).toLatin1();
    out[1] = text.at(2).toLatin1();
    return true;
}

bool number(const QString& text, qint64 low, qint64 high, qint64* out) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) return false;
    *out = value;
    return true;
}

QCommandLineOption flag(const char* name, const char* description) {
    return QCommandLineOption(QLatin1String(name), QLatin1String(description));
}

QCommandLineOption valued(const char* name, const char* valueName, const char* description) {
    return QCommandLineOption(QLatin1String(name), QLatin1String(description),
                              QLatin1String(valueName));
}

QList<QCommandLineOption> simOptions() {
    return {
        valued("link", "PATH", "path that will point at the pseudo-terminal (required)"),
        valued("type", "T.T", "module type the identification reports (default 5.1)"),
        valued("version", "V.V", "firmware version the identification reports (default 2.5)"),
        flag("long-reply", "answer the developer request with date and coded model"),
        valued("date", "DDMMYYYY", "compiler date of the long reply (default 24122009)"),
        valued("coded-model", "M", "coded model of the long reply, 0-255 (default 0)"),
        valued("busy", "N", "answer the first N identification requests \"busy\""),
        valued("baud", "RATE", "model the line time at this rate (default 0: instant)"),
        valued("dump", "FILE", "write the memory image as JSON after every end frame"),
        valued("drop-first", "N", "leave the first N write frames to an address unanswered"),
        valued("drop-address", "A", "the address --drop-first applies to"),
        valued("corrupt-first", "N", "echo the first N write frames to an address wrongly"),
        valued("corrupt-address", "A", "the address --corrupt-first applies to"),
        valued("silent-after", "N", "fall silent after N answered frames"),
        flag("garbage-id", "answer identification requests with garbage"),
        flag("keep-running", "ignore standard input (for use from a shell)"),
        flag("verbose", "report the frames on standard error"),
        helpOption(),
        QCommandLineOption(QStringLiteral("v"), QStringLiteral("Show the version and exit.")),
    };
}

QString helpText() {
    return QStringLiteral(
               "usage: vireo-module-sim --link PATH [options]\n\n"
               "A virtual lighting module: opens a pseudo-terminal, links PATH to it, prints\n"
               "\"READY <device>\" and answers like the module. Stops on SIGTERM or when standard\n"
               "input closes.\n\nOptions:\n") +
           optionsText(simOptions()) +
           QStringLiteral(
               "\nExit codes: 0 stopped; 1 the pseudo-terminal could not be set up; "
               "2 bad usage.\n");
}

// "--version" without a value (last, or before another option) asks for this program's
// version, as with every other program; with a value it sets the module's firmware version.
QStringList withVersionRequest(QStringList arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--")) break;
        if (arguments.at(i) != QLatin1String("--version")) continue;
        const bool hasValue =
            i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'));
        if (hasValue)
            ++i;
        else
            arguments[i] = QStringLiteral("-v");
    }
    return arguments;
}

}  // namespace

std::variant<SimOptions, CommandLineReply> readSimCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(simOptions());
    if (const auto ended =
            parseOrReply(parser, withVersionRequest(arguments), kProgram, helpText()))
        return *ended;
    const auto fail = [](const QString& why) -> std::variant<SimOptions, CommandLineReply> {
        return usageError(kProgram, why, kProgram);
    };
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument ") + parser.positionalArguments().first());

    SimOptions o;
    o.longReply = parser.isSet(QStringLiteral("long-reply"));
    o.garbageId = parser.isSet(QStringLiteral("garbage-id"));
    o.keepRunning = parser.isSet(QStringLiteral("keep-running"));
    o.verbose = parser.isSet(QStringLiteral("verbose"));
    o.link = parser.value(QStringLiteral("link"));
    o.dump = parser.value(QStringLiteral("dump"));

    const auto bad = [&](const char* name) {
        return fail(QStringLiteral("--%1: bad value %2")
                        .arg(QLatin1String(name), parser.value(QLatin1String(name))));
    };
    for (const auto& [name, digits] :
         {std::pair{"type", o.typeDigits}, std::pair{"version", o.versionDigits}}) {
        if (parser.isSet(QLatin1String(name)) &&
            !digitPair(parser.value(QLatin1String(name)), digits))
            return bad(name);
    }
    const struct {
        const char* name;
        qint64 low;
        qint64 high;
        std::function<void(qint64)> store;
    } numbers[] = {
        {"date", 0, 0xFFFFFFFFLL, [&](qint64 n) { o.date = static_cast<quint32>(n); }},
        {"coded-model", 0, 255, [&](qint64 n) { o.codedModel = static_cast<int>(n); }},
        {"busy", 0, 1'000'000, [&](qint64 n) { o.busy = static_cast<int>(n); }},
        {"baud", 0, 4'000'000, [&](qint64 n) { o.baud = static_cast<int>(n); }},
        {"drop-first", 0, 1'000'000, [&](qint64 n) { o.dropFirst = static_cast<int>(n); }},
        {"drop-address", 0, 0xFFFF, [&](qint64 n) { o.dropAddress = static_cast<int>(n); }},
        {"corrupt-first", 0, 1'000'000, [&](qint64 n) { o.corruptFirst = static_cast<int>(n); }},
        {"corrupt-address", 0, 0xFFFF, [&](qint64 n) { o.corruptAddress = static_cast<int>(n); }},
        {"silent-after", 0, 1'000'000'000, [&](qint64 n) { o.silentAfter = static_cast<int>(n); }},
    };
    for (const auto& n : numbers) {
        const QString name = QLatin1String(n.name);
        if (!parser.isSet(name)) continue;
        qint64 value = 0;
        if (!number(parser.value(name), n.low, n.high, &value)) return bad(n.name);
        n.store(value);
    }
    if (o.link.isEmpty()) return fail(QStringLiteral("--link PATH is required"));
    return o;
}

}  // namespace vireo::sim
