#pragma once

#include "sequence/document.h"
#include "sequence/selection.h"

class QTreeWidget;

namespace vireo {

// Shows a sequence in its list control (columns "Intervall" and "Schleife") and moves the
// selection between the control and the core's Selection.
void showRows(QTreeWidget* list, const Sequence& rows);
Selection selectionOf(const QTreeWidget* list);
void selectRows(QTreeWidget* list, const Selection& selection);
void setRowSelected(QTreeWidget* list, int row, bool selected);

}  // namespace vireo
