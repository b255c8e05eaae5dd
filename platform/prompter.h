#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vireo {

enum class PromptIcon { None, Information, Warning, Question, Error };

// The answers of a question that can also be called off; Cancel is the Escape answer.
enum class QuestionAnswer { Yes, No, Cancel };

// The captions of the answer buttons in the language in use; an empty caption leaves the
// platform's own.
struct AnswerCaptions {
    QString yes;
    QString no;
    QString ok;
    QString cancel;
};

// Every question and message the program puts to the user goes through this seam, so the rules
// that decide what to ask live in the core and tests can script the answers.
class Prompter {
  public:
    virtual ~Prompter() = default;

    virtual void message(const QString& text, const QString& title, PromptIcon icon) = 0;
    // A Yes/No question; true means Yes.
    virtual bool question(const QString& text, const QString& title) = 0;
    // A Yes/No/Cancel question: Yes is the default button, Cancel the Escape answer. Prompters
    // without a third button ask the Yes/No question.
    virtual QuestionAnswer questionWithCancel(const QString& text, const QString& title) {
        return question(text, title) ? QuestionAnswer::Yes : QuestionAnswer::No;
    }
    // A question answered by one of `answers` (their captions, in the order shown): the index of
    // the answer taken. `escapeAnswer` is the Escape answer, and what prompters without a user
    // answer, so it must be the answer that changes nothing.
    virtual int choose(const QString& text, const QString& title, const QStringList& answers,
                       int escapeAnswer) {
        Q_UNUSED(text);
        Q_UNUSED(title);
        Q_UNUSED(answers);
        return escapeAnswer;
    }
    // An input box; nullopt when the user cancels.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    // An open dialog that starts in `folder`. Prompters that cannot choose the folder show the
    // plain open dialog.
    virtual QString openFileNameIn(const QString& title, const QString& filter,
                                   const QString& folder) {
        Q_UNUSED(folder);
        return openFileName(title, filter);
    }
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // A save dialog that starts on a proposed file (folder and name). Prompters that cannot
    // propose a file show the plain save dialog.
    virtual QString saveFileNameProposing(const QString& title, const QString& filter,
                                          const QString& defaultSuffix,
                                          const QString& proposedPath) {
        Q_UNUSED(proposedPath);
        return saveFileName(title, filter, defaultSuffix);
    }
    virtual void beep() = 0;
    // The answer buttons from now on; prompters without buttons of their own ignore it.
    virtual void setAnswerCaptions(const AnswerCaptions& captions) { Q_UNUSED(captions); }
};

}  // namespace vireo
