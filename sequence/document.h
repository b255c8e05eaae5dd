#pragma once

#include <QString>
#include <QVector>
#include <array>

#include "sequence/on_time.h"

namespace vireo {

// Corner numbers shared by every table: 1 front right, 2 front left, 3 rear left, 4 rear right.
// Arrays indexed by corner use index corner - 1.
constexpr int kCorners = 4;
using LampBytes = std::array<int, kCorners>;

// One step of a sequence: the on-time of column "Intervall", the loop marker of column
// "Schleife" (empty outside a loop) and the lamp-state bytes of corners 1..4. Bytes are kept as
// read (a file may carry values above 63); the editor itself only produces 0..63.
struct Step {
    OnTime time;
    QString loop;
    LampBytes lamps{};

    bool operator==(const Step&) const = default;
};

using Sequence = QVector<Step>;

constexpr int kWelcome = 0;  // "Öffnen": played when the car is unlocked
constexpr int kGoodbye = 1;  // "Schliessen": played when the car is locked
constexpr int kMaxRows = 500;

inline const QString kDefaultModel = QStringLiteral("111");
inline const QString kDefaultOptions = QStringLiteral("11100000000000000000");

// The whole document: vehicle model code, option string and both sequences.
struct Document {
    QString model = kDefaultModel;
    QString options = kDefaultOptions;
    std::array<Sequence, 2> sequences;

    bool operator==(const Document&) const = default;
    bool isEmpty() const { return sequences[0].isEmpty() && sequences[1].isEmpty(); }
};

}  // namespace vireo
