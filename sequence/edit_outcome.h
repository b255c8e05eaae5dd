#pragma once

#include <QString>

#include "platform/prompter.h"
#include "sequence/document.h"
#include "sequence/selection.h"
#include "text/language.h"

namespace vireo {

class DocumentEditor;

// What an editing command needs besides the rows: where to ask and tell, and the texts to ask
// with.
struct EditContext {
    Prompter& prompter;
    const LanguageTable& language;
};

// The result of an editing command: the rows and the selection to show afterwards. The window
// hands it to the document editor, which makes the change one undo step.
struct EditOutcome {
    Sequence rows;
    Selection selection;
    int labelEntry = 0;     // language entry of the command's caption, the undo step's text
    bool lampsOff = false;  // the command switches all lamps off afterwards
};

// Commits an outcome to sequence s as one undo step, with the selection the command started
// from, named in the current language. Returns false when the rows did not change; the window
// then only shows the outcome's selection (some commands change nothing but the selection).
bool commitEdit(DocumentEditor& editor, int s, const Selection& selectionBefore,
                const EditOutcome& outcome, const LanguageTable& texts);

// A command's caption as the text of an undo step or of the dialog it opens: without its
// accelerator marks, the ellipsis of its menu item and the blanks that place it on its button.
QString undoStepText(const LanguageTable& texts, int entry);
// A caption as plain text, for a title or a name: without its accelerator mark ("&&" stays "&").
QString withoutAccessLetter(QString text);

// The selected rows that exist in a table of rowCount rows, ascending.
QList<int> validSelectedRows(const Selection& selection, int rowCount);

}  // namespace vireo
