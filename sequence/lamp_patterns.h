#pragma once

#include <QList>
#include <QString>
#include <QVector>
#include <optional>

#include "sequence/document.h"

namespace vireo {

// One lamp a pattern switches: a bit of a corner's byte. The rear middle lamp is one lamp
// shown by bit 4 of both rear bytes; it is always named by the rear-left corner.
struct PatternLamp {
    int corner = 0;  // 1..4
    int bit = 0;     // 0..5
    bool operator==(const PatternLamp&) const = default;
};

bool isRearMiddleLamp(const PatternLamp& lamp);

// A lamp by its name: "CORNER.BIT" with corner 1..4 as in the file and bit 0..5, or "M" for the
// rear middle lamp (also reached as 3.4 or 4.4). Nothing for any other text.
std::optional<PatternLamp> patternLampFromName(const QString& name);
// The name patternLampFromName reads: "M" or "CORNER.BIT".
QString patternLampName(const PatternLamp& lamp);

// The lamp bytes with the lamp switched on (the middle lamp in both rear bytes).
LampBytes withLampOn(LampBytes lamps, const PatternLamp& lamp);

// The mirror lamp: the same bit on the other side (front right <-> front left, rear left <->
// rear right); the rear middle lamp is its own mirror.
PatternLamp mirrorLamp(const PatternLamp& lamp);

// Whether the lamp sits on the car's left side (front left, rear left); the middle lamp counts
// as left.
bool isLeftSideLamp(const PatternLamp& lamp);

enum class PatternKind { Chase, Fill, Empty, Blink, Alternate, Bounce };
enum class LampOrder { Picked, Across, OutsideIn, InsideOut, Pairs };

// The command-line names: chase, fill, empty, blink, alternate, bounce; picked, across,
// outside-in, inside-out, pairs.
std::optional<PatternKind> patternKindFromName(const QString& name);
std::optional<LampOrder> lampOrderFromName(const QString& name);

// The lamps in the order a pattern runs over them; a lamp picked twice counts once, where it
// was first picked. Across runs from the car's left side to its right side; outside-in from
// the outermost lamps of both sides towards the middle, inside-out the other way. Lamps equally
// far out keep the left side first, then the front, then the picked order. In pairs keeps the
// picked order.
QList<PatternLamp> orderedLamps(const QList<PatternLamp>& picked, LampOrder order);

// Lamps a pattern switches together, as one of its a, b, c.
using LampGroup = QList<PatternLamp>;

// What a pattern runs over: each lamp in the order's order on its own, or, in pairs, each
// picked lamp with its mirror lamp (front right with front left, rear left with rear right; the
// rear middle lamp is its own mirror and goes alone), the pairs in the order first picked.
QList<LampGroup> lampGroups(const QList<PatternLamp>& picked, LampOrder order);

// One pass of a pattern over groups a, b, c (in that order), as lamp bytes per step:
// chase {a}, {b}, {c}; fill {a}, {a,b}, {a,b,c}; empty {a,b,c}, {b,c}, {c}, {}; blink {a,b,c}, {};
// bounce {a}, {b}, {c}, {b} (there and back, the ends once, so passes follow without a double);
// alternate {the left-side lamps}, {the right-side lamps}, or, when a group has lamps of both
// sides (pairs), {a, c, ...}, {b, d, ...}. Nothing for no lamps.
QVector<LampBytes> patternPass(PatternKind kind, const QList<LampGroup>& groups);

}  // namespace vireo
