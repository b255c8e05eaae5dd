#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

namespace vireo {

// The real prompter: Qt message boxes, input box and file dialogs, parented to a window.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& title, PromptIcon icon) override;
    bool question(const QString& text, const QString& title) override;
    QuestionAnswer questionWithCancel(const QString& text, const QString& title) override;
    int choose(const QString& text, const QString& title, const QStringList& answers,
               int escapeAnswer) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString openFileNameIn(const QString& title, const QString& filter,
                           const QString& folder) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    QString saveFileNameProposing(const QString& title, const QString& filter,
                                  const QString& defaultSuffix,
                                  const QString& proposedPath) override;
    void beep() override;
    void setAnswerCaptions(const AnswerCaptions& captions) override { captions_ = captions; }

  private:
    QPointer<QWidget> parent_;
    AnswerCaptions captions_;
};

}  // namespace vireo
