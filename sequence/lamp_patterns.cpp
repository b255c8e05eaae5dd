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
        {QStringLiteral("alternate"), PatternKind::Alternate},
        {QStringLiteral("bounce"), PatternKind::Bounce}};
    for (const auto& [n, kind] : names)
        if (n == name) return kind;
    return std::nullopt;
}

std::optional<LampOrder> lampOrderFromName(const QString& name) {
    static const QList<std::pair<QString, LampOrder>> names = {
        {QStringLiteral("picked"), LampOrder::Picked},
        {QStringLiteral("across"), LampOrder::Across},
        {QStringLiteral("outside-in"), LampOrder::OutsideIn},
        {QStringLiteral("inside-out"), LampOrder::InsideOut},
        {QStringLiteral("pairs"), LampOrder::Pairs}};
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
        case LampOrder::Pairs:
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

QList<LampGroup> lampGroups(const QList<PatternLamp>& picked, LampOrder order) {
    QList<LampGroup> groups;
    for (const PatternLamp& lamp : orderedLamps(picked, order)) {
        if (order != LampOrder::Pairs) {
            groups.append(LampGroup{lamp});
            continue;
        }
        // A lamp whose mirror was picked before it is already in that pair.
        const bool paired = std::any_of(groups.begin(), groups.end(),
                                        [&](const LampGroup& g) { return g.contains(lamp); });
        if (paired) continue;
        const PatternLamp mirror = mirrorLamp(lamp);
        groups.append(mirror == lamp ? LampGroup{lamp} : LampGroup{lamp, mirror});
    }
    return groups;
}

namespace {

LampBytes withGroupOn(LampBytes lamps, const LampGroup& group) {
    for (const PatternLamp& lamp : group) lamps = withLampOn(lamps, lamp);
    return lamps;
}

// Whether every lamp of the group sits on the same side of the car.
bool oneSided(const LampGroup& group) {
    return std::all_of(group.begin(), group.end(), [&](const PatternLamp& lamp) {
        return isLeftSideLamp(lamp) == isLeftSideLamp(group.first());
    });
}

}  // namespace

QVector<LampBytes> patternPass(PatternKind kind, const QList<LampGroup>& groups) {
    QVector<LampBytes> steps;
    if (groups.isEmpty()) return steps;
    LampBytes all{};
    for (const LampGroup& group : groups) all = withGroupOn(all, group);
    switch (kind) {
        case PatternKind::Chase:
            for (const LampGroup& group : groups) steps.append(withGroupOn({}, group));
            break;
        case PatternKind::Bounce:
            for (const LampGroup& group : groups) steps.append(withGroupOn({}, group));
            // Back again without the last and the first: the next pass starts with the first.
            for (qsizetype i = groups.size() - 2; i >= 1; --i)
                steps.append(withGroupOn({}, groups[i]));
            break;
        case PatternKind::Fill: {
            LampBytes lit{};
            for (const LampGroup& group : groups) steps.append(lit = withGroupOn(lit, group));
            break;
        }
        case PatternKind::Empty:
            for (int first = 0; first <= groups.size(); ++first) {
                LampBytes lit{};
                for (int i = first; i < groups.size(); ++i) lit = withGroupOn(lit, groups[i]);
                steps.append(lit);
            }
            break;
        case PatternKind::Blink:
            steps = {all, LampBytes{}};
            break;
        case PatternKind::Alternate: {
            LampBytes first{}, second{};
            const bool bySide = std::all_of(groups.begin(), groups.end(), oneSided);
            for (int i = 0; i < groups.size(); ++i) {
                const bool inFirst = bySide ? isLeftSideLamp(groups[i].first()) : i % 2 == 0;
                LampBytes& side = inFirst ? first : second;
                side = withGroupOn(side, groups[i]);
            }
            steps = {first, second};
            break;
        }
    }
    return steps;
}

}  // namespace vireo
