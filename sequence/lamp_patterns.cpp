#include "sequence/lamp_patterns.h"

#include <QRegularExpression>
#include <algorithm>

#include "car/lamp_model.h"

namespace vireo {

namespace {

constexpr int kMiddleBit = kMiddleRearLampBit;
constexpr int kBits = kLampsPerCorner;

// How far out each lamp sits from the car's middle, in twips across its picture: the centres
// of the click regions (front regions as drawn on the front-left picture, rear ones on the
// rear-right picture of the first body, both pictures with the car's middle at x = 0).
constexpr int kFrontDistance[kBits] = {2092, 2002, 1590, 1785, 1920, 1680};
constexpr int kRearDistance[kBits] = {1950, 2002, 2095, 720, 221, 1035};

int distance(const PatternLamp& lamp) {
    return isFrontCorner(lamp.corner) ? kFrontDistance[lamp.bit] : kRearDistance[lamp.bit];
}

// The position across the car from its left side (negative) to its right side.
int across(const PatternLamp& lamp) {
    return isLeftSideLamp(lamp) ? -distance(lamp) : distance(lamp);
}

}  // namespace

bool isRearMiddleLamp(const PatternLamp& lamp) {
    return isRearCorner(lamp.corner) && lamp.bit == kMiddleBit;
}

std::optional<PatternLamp> patternLampFromName(const QString& name) {
    if (name == QLatin1String("M")) return PatternLamp{kCornerHL, kMiddleBit};
    static const QRegularExpression form(QStringLiteral("^([1-4])\\.([0-5])$"));
    const auto match = form.match(name);
    if (!match.hasMatch()) return std::nullopt;
    PatternLamp lamp{match.captured(1).toInt(), match.captured(2).toInt()};
    if (isRearMiddleLamp(lamp)) lamp.corner = kCornerHL;
    return lamp;
}

QString patternLampName(const PatternLamp& lamp) {
    if (isRearMiddleLamp(lamp)) return QStringLiteral("M");
    return QStringLiteral("%1.%2").arg(lamp.corner).arg(lamp.bit);
}

LampBytes withLampOn(LampBytes lamps, const PatternLamp& lamp) {
    if (isRearMiddleLamp(lamp)) {
        lamps[kCornerHL - 1] |= 1 << kMiddleBit;
        lamps[kCornerHR - 1] |= 1 << kMiddleBit;
    } else {
        lamps[lamp.corner - 1] |= 1 << lamp.bit;
    }
    return lamps;
}

PatternLamp mirrorLamp(const PatternLamp& lamp) {
    if (isRearMiddleLamp(lamp)) return lamp;
    return {mirrorCorner(lamp.corner), lamp.bit};
}

bool isLeftSideLamp(const PatternLamp& lamp) {
    return isLeftCorner(lamp.corner);
}

std::optional<PatternKind> patternKindFromName(const QString& name) {
    static const QList<std::pair<QString, PatternKind>> names = {
        {QStringLiteral("chase"), PatternKind::Chase},
        {QStringLiteral("fill"), PatternKind::Fill},
        {QStringLiteral("empty"), PatternKind::Empty},
        {QStringLiteral("blink"), PatternKind::Blink},
        {QStringLiteral("alternate"), PatternKind::Alternate}};
    for (const auto& [n, kind] : names)
        if (n == name) return kind;
    return std::nullopt;
}

std::optional<LampOrder> lampOrderFromName(const QString& name) {
    static const QList<std::pair<QString, LampOrder>> names = {
        {QStringLiteral("picked"), LampOrder::Picked},
        {QStringLiteral("across"), LampOrder::Across},
        {QStringLiteral("outside-in"), LampOrder::OutsideIn},
        {QStringLiteral("inside-out"), LampOrder::InsideOut}};
    for (const auto& [n, order] : names)
        if (n == name) return order;
    return std::nullopt;
}

QList<PatternLamp> orderedLamps(const QList<PatternLamp>& picked, LampOrder order) {
    QList<PatternLamp> lamps;
    for (const PatternLamp& lamp : picked)
        if (!lamps.contains(lamp)) lamps.append(lamp);
    // Ties: left side first, then front; stable sorting keeps the picked order after that.
    const auto tieBreak = [](const PatternLamp& a, const PatternLamp& b) {
        if (isLeftSideLamp(a) != isLeftSideLamp(b)) return isLeftSideLamp(a);
        return isFrontCorner(a.corner) && !isFrontCorner(b.corner);
    };
    const auto by = [&](auto key) {
        std::stable_sort(lamps.begin(), lamps.end(), [&](const auto& a, const auto& b) {
            return key(a) != key(b) ? key(a) < key(b) : tieBreak(a, b);
        });
    };
    switch (order) {
        case LampOrder::Picked:
            break;
        case LampOrder::Across:
            by(across);
            break;
        case LampOrder::OutsideIn:
            by([](const PatternLamp& l) { return -distance(l); });
            break;
        case LampOrder::InsideOut:
            by(distance);
            break;
    }
    return lamps;
}

QVector<LampBytes> patternPass(PatternKind kind, const QList<PatternLamp>& lamps) {
    QVector<LampBytes> steps;
    if (lamps.isEmpty()) return steps;
    LampBytes all{};
    for (const PatternLamp& lamp : lamps) all = withLampOn(all, lamp);
    switch (kind) {
        case PatternKind::Chase:
            for (const PatternLamp& lamp : lamps) steps.append(withLampOn({}, lamp));
            break;
        case PatternKind::Fill: {
            LampBytes lit{};
            for (const PatternLamp& lamp : lamps) steps.append(lit = withLampOn(lit, lamp));
            break;
        }
        case PatternKind::Empty:
            for (int first = 0; first <= lamps.size(); ++first) {
                LampBytes lit{};
                for (int i = first; i < lamps.size(); ++i) lit = withLampOn(lit, lamps[i]);
                steps.append(lit);
            }
            break;
        case PatternKind::Blink:
            steps = {all, LampBytes{}};
            break;
        case PatternKind::Alternate: {
            LampBytes left{}, right{};
            for (const PatternLamp& lamp : lamps) {
                LampBytes& side = isLeftSideLamp(lamp) ? left : right;
                side = withLampOn(side, lamp);
            }
            steps = {left, right};
            break;
        }
    }
    return steps;
}

}  // namespace vireo
