#pragma once

#include <QVector>
#include <optional>

#include "sequence/document.h"

namespace vireo {

// What a playback shows, as lamp states with their durations: neighbouring steps that show the
// same lamps are one state, their intervals added.
struct ShownLamps {
    LampBytes lamps{};
    qint64 ms = 0;

    bool operator==(const ShownLamps&) const = default;
};

// The lamp states of a playback from the first row. Nothing when the playback shows more than
// `limit` steps (a loop that repeats until stopped never ends).
std::optional<QVector<ShownLamps>> shownLamps(const Sequence& rows, int limit);

}  // namespace vireo
