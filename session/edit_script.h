#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/prompter.h"
#include "sequence/document.h"
#include "sequence/pattern_command.h"

namespace vireo {

class EditingSession;
class LanguageTable;

// Table edits written as text, one command per line, run on an editing session as the window
// runs them: the same session intents, the same questions (answered from the line) and the same
// message boxes (reported by their language entry). Lines:
//
//   sequence 0|1            the active sequence
//   select ROWS|none        a click in the list: rows 1-based ("2-4,7"); the first is the
//                           current row and its step is shown on the pictures (none keeps the
//                           current row, as the list does)
//   current ROW             the current row alone; the selection stays
//   lamps A B C D           the lamps shown on the pictures, 0-63 each
//   slider N                the slider, in tenths of a second, 1-100
//   append, change, insert, delete, copy, cut, paste, paste-end, unloop, mirror, reverse,
//   goodbye-from-welcome, compact, undo, redo
//   fit, fit-drop           "Passend machen", applied as its dialog's Apply does; fit-drop
//                           after "Schritte weglassen"
//   loop [ANSWER]           "Schleife erstellen", ANSWER typed as the repeat count
//   stretch F               the stretch command, F typed as its factor
//   pattern KIND LAMPS TIME PASSES [ORDER]
//                           "Muster einfügen": KIND chase|fill|empty|blink|alternate|bounce,
//                           LAMPS "CORNER.BIT" or M separated by commas, TIME in seconds
//
// Questions are answered Yes; an input box takes the line's answer once and is cancelled when
// it asks again (after its warning). `#` starts a comment; blank lines do nothing.
struct EditLine {
    enum class Command {
        Sequence,
        Select,
        Current,
        Lamps,
        Slider,
        Append,
        Change,
        Insert,
        Delete,
        Copy,
        Cut,
        Paste,
        PasteEnd,
        Loop,
        Unloop,
        Mirror,
        Reverse,
        Stretch,
        GoodbyeFromWelcome,
        Compact,
        Fit,
        FitDropping,
        Pattern,
        Undo,
        Redo,
    };
    Command command = Command::Append;
    int number = 0;         // the sequence, the current row (1-based) or the slider
    QList<int> rows;        // the selected rows, 1-based, ascending
    LampBytes lamps{};      // lamps
    QString answer;         // loop, stretch: the text typed into the input box
    PatternChoice pattern;  // pattern

    bool operator==(const EditLine&) const = default;
};

// A line read: the command, nothing for a blank or comment line, or what is wrong with it.
struct EditLineRead {
    std::optional<EditLine> line;
    QString problem;  // empty when the line is sound
};
EditLineRead readEditLine(const QString& text);

// The line as readEditLine reads it back.
QString editLineText(const EditLine& line);

// The prompter the session asks while a script runs: each message box and question is kept as
// its language entry, questions answer Yes, an input box takes the queued answer once and is
// cancelled after that, file dialogs are cancelled.
class ScriptPrompter : public Prompter {
  public:
    explicit ScriptPrompter(const LanguageTable& texts) : texts_(texts) {}

    void message(const QString& text, const QString& title, PromptIcon icon) override;
    bool question(const QString& text, const QString& title) override;
    QuestionAnswer questionWithCancel(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}

    const LanguageTable& texts() const { return texts_; }

    // The answer the next input box gets; after it, input boxes are cancelled.
    void answerNextInput(const QString& answer) { answers_ = {answer}; }
    void cancelInputs() { answers_.clear(); }
    // The language entries of the boxes shown since the last call, in order (0 for a text that
    // is no entry of the table).
    QList<int> takeMessages();

  private:
    int entryOf(const QString& text);

    const LanguageTable& texts_;
    std::deque<QString> answers_;
    QList<int> messages_;
    QHash<QString, int> known_;
    // Entries with placeholders (%1 ...), split at them, for texts made with arguments.
    std::vector<std::pair<QStringList, int>> patterns_;
    bool indexed_ = false;
};

// Runs one line on the session as the window would run the user's input. Returns what is wrong
// when the line cannot be given in the window now (a row that the table does not have); the
// session is then unchanged.
QString runEditLine(EditingSession& session, ScriptPrompter& prompter, const EditLine& line);

}  // namespace vireo
