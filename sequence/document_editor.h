#pragma once

#include <QObject>
#include <QUndoStack>
#include <array>

#include "sequence/document.h"
#include "sequence/selection.h"

namespace vireo {

// The one door through which the document changes. Every change of a sequence's rows is an
// undoable step that records the rows and the selection before and after it; loading or
// resetting the document clears the history.
class DocumentEditor : public QObject {
    Q_OBJECT
  public:
    explicit DocumentEditor(QObject* parent = nullptr);

    const Document& document() const { return document_; }
    const Sequence& sequence(int s) const { return document_.sequences[s]; }
    QUndoStack* undoStack() { return &undo_; }
    const QUndoStack* undoStack() const { return &undo_; }

    // Replaces the whole document (new, open); not undoable, clears the history.
    void reset(const Document& document);
    // Model code and option string are vehicle settings, not table edits: not in the history.
    void setModel(const QString& model);
    void setOptions(const QString& options);

    // Records a change of sequence s as one undoable step and applies it. Does nothing when
    // the rows do not change.
    void commit(int s, const Sequence& after, const Selection& selectionBefore,
                const Selection& selectionAfter, const QString& label);

    // Records changes of both sequences as one undoable step; a sequence whose rows stay as
    // they are is left out. Does nothing when neither changes.
    void commitBoth(const std::array<Sequence, 2>& after,
                    const std::array<Selection, 2>& selectionBefore,
                    const std::array<Selection, 2>& selectionAfter, const QString& label);

  Q_SIGNALS:
    // The rows of sequence s changed; the selection is the one to show afterwards.
    void rowsChanged(int s, const vireo::Selection& selection);
    void documentReset();
    // Any change of the document: an edit, its undo or redo, a reset, another model or option
    // string. Emitted after the other signals, once the document holds the new value.
    void changed();

  private:
    friend class SequenceChangeCommand;
    void setRows(int s, const Sequence& rows, const Selection& selection);

    Document document_;
    QUndoStack undo_;
};

}  // namespace vireo
