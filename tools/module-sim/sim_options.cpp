#include "tools/module-sim/sim_options.h"

namespace vireo::sim {

namespace {

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

}  // namespace

QString simUsage() {
    return QStringLiteral(
        "usage: vireo-module-sim --link PATH [--type 5.1] [--version 2.5]\n"
        "         [--long-reply --date 24122009 --coded-model 30] [--busy N] [--baud 9600]\n"
        "         [--dump FILE] [--drop-first N --drop-address A]\n"
        "         [--corrupt-first N --corrupt-address A] [--silent-after N] [--garbage-id]\n"
        "         [--keep-running] [--verbose]\n");
}

std::optional<SimOptions> parseSimOptions(const QStringList& arguments, QString* error) {
    SimOptions o;
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        // Flags without a value.
        if (a == QLatin1String("--long-reply")) {
            o.longReply = true;
            continue;
        }
        if (a == QLatin1String("--garbage-id")) {
            o.garbageId = true;
            continue;
        }
        if (a == QLatin1String("--keep-running")) {
            o.keepRunning = true;
            continue;
        }
        if (a == QLatin1String("--verbose")) {
            o.verbose = true;
            continue;
        }
        if (i + 1 >= arguments.size()) return fail(a + QStringLiteral(": missing value"));
        const QString v = arguments.at(++i);
        qint64 n = 0;
        const auto bad = [&] { return fail(a + QStringLiteral(": bad value ") + v); };
        if (a == QLatin1String("--link")) {
            o.link = v;
        } else if (a == QLatin1String("--type")) {
            if (!digitPair(v, o.typeDigits)) return bad();
        } else if (a == QLatin1String("--version")) {
            if (!digitPair(v, o.versionDigits)) return bad();
        } else if (a == QLatin1String("--date")) {
            if (!number(v, 0, 0xFFFFFFFFLL, &n)) return bad();
            o.date = static_cast<quint32>(n);
        } else if (a == QLatin1String("--coded-model")) {
            if (!number(v, 0, 255, &n)) return bad();
            o.codedModel = static_cast<int>(n);
        } else if (a == QLatin1String("--busy")) {
            if (!number(v, 0, 1'000'000, &n)) return bad();
            o.busy = static_cast<int>(n);
        } else if (a == QLatin1String("--baud")) {
            if (!number(v, 0, 4'000'000, &n)) return bad();
            o.baud = static_cast<int>(n);
        } else if (a == QLatin1String("--dump")) {
            o.dump = v;
        } else if (a == QLatin1String("--drop-first")) {
            if (!number(v, 0, 1'000'000, &n)) return bad();
            o.dropFirst = static_cast<int>(n);
        } else if (a == QLatin1String("--drop-address")) {
            if (!number(v, 0, 0xFFFF, &n)) return bad();
            o.dropAddress = static_cast<int>(n);
        } else if (a == QLatin1String("--corrupt-first")) {
            if (!number(v, 0, 1'000'000, &n)) return bad();
            o.corruptFirst = static_cast<int>(n);
        } else if (a == QLatin1String("--corrupt-address")) {
            if (!number(v, 0, 0xFFFF, &n)) return bad();
            o.corruptAddress = static_cast<int>(n);
        } else if (a == QLatin1String("--silent-after")) {
            if (!number(v, 0, 1'000'000'000, &n)) return bad();
            o.silentAfter = static_cast<int>(n);
        } else {
            return fail(QStringLiteral("unknown option ") + a);
        }
    }
    if (o.link.isEmpty()) return fail(QStringLiteral("--link PATH is required"));
    return o;
}

}  // namespace vireo::sim
