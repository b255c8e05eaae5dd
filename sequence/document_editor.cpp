#include "sequence/document_editor.h"

#include <QUndoCommand>

namespace vireo {

class SequenceChangeCommand : public QUndoCommand {
  public:
    SequenceChangeCommand(DocumentEditor* editor, int s, Sequence before, Sequence after,
                          Selection selBefore, Selection selAfter, const QString& label)
        : QUndoCommand(label),
          editor_(editor),
          s_(s),
          before_(std::move(before)),
          after_(std::move(after)),
          selBefore_(std::move(selBefore)),
          selAfter_(std::move(selAfter)) {}

    void redo() override { editor_->setRows(s_, after_, selAfter_); }
    void undo() override { editor_->setRows(s_, before_, selBefore_); }

  private:
    DocumentEditor* editor_;
    int s_;
    Sequence before_, after_;
    Selection selBefore_, selAfter_;
};

DocumentEditor::DocumentEditor(QObject* parent) : QObject(parent) {}

void DocumentEditor::reset(const Document& document) {
    undo_.clear();
    document_ = document;
    Q_EMIT documentReset();
    Q_EMIT changed();
}

void DocumentEditor::setModel(const QString& model) {
    if (document_.model == model) return;
    document_.model = model;
    Q_EMIT changed();
}
void DocumentEditor::setOptions(const QString& options) {
    if (document_.options == options) return;
    document_.options = options;
    Q_EMIT changed();
}

void DocumentEditor::commit(int s, const Sequence& after, const Selection& selectionBefore,
                            const Selection& selectionAfter, const QString& label) {
    if (document_.sequences[s] == after) return;
    undo_.push(new SequenceChangeCommand(this, s, document_.sequences[s], after, selectionBefore,
                                         selectionAfter, label));
}

void DocumentEditor::commitBoth(const std::array<Sequence, 2>& after,
                                const std::array<Selection, 2>& selectionBefore,
                                const std::array<Selection, 2>& selectionAfter,
                                const QString& label) {
    if (document_.sequences == after) return;
    undo_.beginMacro(label);
    for (int s = 0; s < 2; ++s) commit(s, after[s], selectionBefore[s], selectionAfter[s], label);
    undo_.endMacro();
}

void DocumentEditor::setRows(int s, const Sequence& rows, const Selection& selection) {
    document_.sequences[s] = rows;
    Q_EMIT rowsChanged(s, selection);
    Q_EMIT changed();
}

}  // namespace vireo
