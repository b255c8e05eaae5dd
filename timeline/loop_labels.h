#pragma once

#include <QVector>

namespace vireo {

// A loop bracket of the timeline and its label ("× 3"), in content x: the bracket from `left`
// to `right`, the label `width` pixels wide.
struct BracketLabelInput {
    int left = 0;
    int right = 0;
    int width = 0;
};

// Where a label goes: its x, or not shown.
struct BracketLabel {
    int x = 0;
    bool shown = false;
    bool operator==(const BracketLabel&) const = default;
};

// Places the labels of brackets given from left to right. A label stands just inside its
// bracket's left end; where the label before it reaches that far, it moves right past that one,
// as long as it still starts over its own bracket, and is dropped otherwise. No two labels
// shown overlap, and each starts over its own bracket (its loop keeps the bracket when the label
// is dropped, and the tool tip still names the loop).
QVector<BracketLabel> placeBracketLabels(const QVector<BracketLabelInput>& brackets);

// Room kept inside a bracket before its label, and between two labels.
constexpr int kBracketLabelInset = 3;
constexpr int kBracketLabelGap = 4;

}  // namespace vireo
