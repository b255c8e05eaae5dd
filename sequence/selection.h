#pragma once

#include <QList>
#include <algorithm>

namespace vireo {

// The selected rows of a list and its current row, as 0-based row indices. The editing
// commands read it and the undo history restores it.
struct Selection {
    QList<int> rows;   // selected rows, ascending
    int current = -1;  // the row that holds the list's focus; -1 when none

    bool isSelected(int row) const { return std::binary_search(rows.begin(), rows.end(), row); }
    bool operator==(const Selection&) const = default;
};

}  // namespace vireo
