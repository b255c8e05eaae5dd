#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vireo::test {

// A prompter that records every prompt and returns queued answers. Unqueued questions
// answer No, input boxes cancel, file dialogs cancel.
class FakePrompter : public Prompter {
  public:
    struct Prompt {
        QString kind;  // "message", "question", "input", "open", "save", "beep"
        QString text;
        QString title;
        PromptIcon icon = PromptIcon::None;
    };

    void message(const QString& text, const QString& title, PromptIcon icon) override {
        prompts.push_back({QStringLiteral("message"), text, title, icon});
    }
    bool question(const QString& text, const QString& title) override {
        prompts.push_back({QStringLiteral("question"), text, title, PromptIcon::Question});
        if (questionAnswers.empty()) return false;
        const bool a = questionAnswers.front();
        questionAnswers.pop_front();
        return a;
    }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override {
        prompts.push_back({QStringLiteral("input"), prompt, title, PromptIcon::None});
        lastInputDefault = defaultText;
        if (inputAnswers.empty()) return std::nullopt;
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    QString openFileName(const QString& title, const QString&) override {
        prompts.push_back({QStringLiteral("open"), QString(), title, PromptIcon::None});
        return takeFile();
    }
    QString saveFileName(const QString& title, const QString&, const QString&) override {
        prompts.push_back({QStringLiteral("save"), QString(), title, PromptIcon::None});
        return takeFile();
    }
    QString saveFileNameProposing(const QString& title, const QString& filter,
                                  const QString& suffix, const QString& proposedPath) override {
        lastSaveProposal = proposedPath;
        return saveFileName(title, filter, suffix);
    }
    void beep() override { prompts.push_back({QStringLiteral("beep"), {}, {}, PromptIcon::None}); }

    int count(const QString& kind) const {
        int n = 0;
        for (const auto& p : prompts) n += (p.kind == kind);
        return n;
    }
    QStringList texts() const {
        QStringList t;
        for (const auto& p : prompts) t << p.text;
        return t;
    }

    std::vector<Prompt> prompts;
    std::deque<bool> questionAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers;
    QString lastInputDefault;
    QString lastSaveProposal;

  private:
    QString takeFile() {
        if (fileAnswers.empty()) return QString();
        QString f = fileAnswers.front();
        fileAnswers.pop_front();
        return f;
    }
};

// A clock that only moves when something waits on it.
class FakeClock : public Clock {
  public:
    qint64 nowMs() const override { return now; }
    void wait(int ms) override {
        waits.push_back(ms);
        now += ms;
    }
    qint64 now = 0;
    std::vector<int> waits;
};

}  // namespace vireo::test
