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
    // Compared element by element: QList's own comparison hands memcmp a null pointer when one
    // list was never filled, which the sanitizers report.
    bool operator==(const Selection& other) const {
        return current == other.current &&
               std::equal(rows.begin(), rows.end(), other.rows.begin(), other.rows.end());
    }
};

}  // namespace vireo
