#pragma once

#include <optional>

#include "sequence/edit_outcome.h"

namespace vireo {

// The rows copied or cut from a table: text, marker and lamp bytes of each, in table order.
// One buffer serves the whole window, so rows can move between the two sequences; pasting does
// not empty it.
class CopyBuffer {
  public:
    bool isEmpty() const { return entries_.isEmpty(); }
    const Sequence& entries() const { return entries_; }
    void set(Sequence entries) { entries_ = std::move(entries); }

  private:
    Sequence entries_;
};

// The state of the table's context menu "Tabelle" on a right click.
struct TableMenuState {
    bool shown = false;  // no menu for a table without rows
    bool copyEnabled = true;
    bool cutEnabled = true;
    bool pasteEnabled = false;       // "Einfügen"
    bool pasteAtEndEnabled = false;  // "Einfügen an Tabellenende"
};
TableMenuState tableMenuState(int rowCount, const CopyBuffer& buffer);

// The context-menu commands act only with a current row. Copy and cut act on the selected rows
// (at most 51) and leave the buffer as it was when they refuse or nothing is selected.

// "Kopieren": returns true when the buffer was filled.
bool copyRows(const Sequence& rows, const Selection& selection, CopyBuffer& buffer,
              EditContext& context);

// "Ausschneiden": fills the buffer, removes the rows and tidies the markers left behind: no loop
// of one row remains.
std::optional<EditOutcome> cutRows(const Sequence& rows, const Selection& selection,
                                   CopyBuffer& buffer, EditContext& context);

// "Einfügen": the buffer's rows, in order, before the current row; then the loop check.
std::optional<EditOutcome> pasteRows(const Sequence& rows, const Selection& selection,
                                     const CopyBuffer& buffer, EditContext& context);

// "Einfügen an Tabellenende": the buffer's rows after the last row; then the loop check.
std::optional<EditOutcome> pasteRowsAtEnd(const Sequence& rows, const Selection& selection,
                                          const CopyBuffer& buffer, EditContext& context);

}  // namespace vireo
