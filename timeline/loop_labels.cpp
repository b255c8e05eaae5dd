#include "timeline/loop_labels.h"

#include <algorithm>
#include <limits>

namespace vireo {

QVector<BracketLabel> placeBracketLabels(const QVector<BracketLabelInput>& brackets) {
    QVector<BracketLabel> labels;
    labels.reserve(brackets.size());
    int free = std::numeric_limits<int>::min();  // where the next label may start
    for (const BracketLabelInput& b : brackets) {
        BracketLabel label;
        label.x = std::max(b.left + kBracketLabelInset, free);
        // A label moved right still starts over its bracket, not at its very end; a bracket too
        // narrow for that keeps only the place just inside its left end.
        label.shown =
            label.x <= std::max(b.left + kBracketLabelInset, b.right - kBracketLabelInset);
        if (label.shown) free = label.x + b.width + kBracketLabelGap;
        labels.append(label);
    }
    return labels;
}

}  // namespace vireo
