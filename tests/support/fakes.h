#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
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
        QString kind;  // "message", "question", "choice", "input", "open", "save", "beep"
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
    // Takes a queued three-way answer first; otherwise the queued Yes/No answers (No when none).
    QuestionAnswer questionWithCancel(const QString& text, const QString& title) override {
        if (choiceAnswers.empty())
            return question(text, title) ? QuestionAnswer::Yes : QuestionAnswer::No;
        prompts.push_back({QStringLiteral("question"), text, title, PromptIcon::Question});
        const QuestionAnswer a = choiceAnswers.front();
        choiceAnswers.pop_front();
        return a;
    }
    // Takes a queued answer index; the Escape answer when none is queued.
    int choose(const QString& text, const QString& title, const QStringList& answers,
               int escapeAnswer) override {
        prompts.push_back({QStringLiteral("choice"), text, title, PromptIcon::Question});
        lastChoiceAnswers = answers;
        if (choices.empty()) return escapeAnswer;
        const int a = choices.front();
        choices.pop_front();
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
    // The text of an open or save prompt is the dialog's filter.
    QString openFileName(const QString& title, const QString& filter) override {
        prompts.push_back({QStringLiteral("open"), filter, title, PromptIcon::None});
        return takeFile();
    }
    QString openFileNameIn(const QString& title, const QString& filter,
                           const QString& folder) override {
        lastOpenFolder = folder;
        return openFileName(title, filter);
    }
    QString saveFileName(const QString& title, const QString& filter, const QString&) override {
        prompts.push_back({QStringLiteral("save"), filter, title, PromptIcon::None});
        return takeFile();
    }
    QString saveFileNameProposing(const QString& title, const QString& filter,
                                  const QString& suffix, const QString& proposedPath) override {
        lastSaveProposal = proposedPath;
        return saveFileName(title, filter, suffix);
    }
    void beep() override { prompts.push_back({QStringLiteral("beep"), {}, {}, PromptIcon::None}); }
    void setAnswerCaptions(const AnswerCaptions& captions) override { answerCaptions = captions; }
    AnswerCaptions answerCaptions;

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
    std::deque<QuestionAnswer> choiceAnswers;  // answers of questionWithCancel, taken first
    std::deque<int> choices;                   // answers of choose(), as indexes
    QStringList lastChoiceAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers;
    QString lastInputDefault;
    QString lastSaveProposal;
    QString lastOpenFolder;

  private:
    QString takeFile() {
        if (fileAnswers.empty()) return QString();
        QString f = fileAnswers.front();
        fileAnswers.pop_front();
        return f;
    }
};

// A clock that only moves when something waits on it.
//
// Code that polls a real device (a serial line) reads the clock without waiting on it; for
// tests of such code followRealTime() lets the clock also move with real time, so a device
// that stays silent ends in a time-out instead of an endless poll. Waits still cost nothing.
class FakeClock : public Clock {
  public:
    qint64 nowMs() const override { return now + (real_.isValid() ? real_.elapsed() : 0); }
    void wait(int ms) override {
        waits.push_back(ms);
        now += ms;
        if (onWait) onWait(ms);
    }
    // A timer of the fake clock is a wait that ends at once: the time moves on, onWait runs (as
    // the user's input in the meantime would), then `then` runs, all before this returns.
    void singleShot(int ms, QObject*, std::function<void()> then) override {
        wait(ms);
        then();
    }
    void followRealTime() { real_.start(); }

    // A repeating timer of the fake clock ticks only when the test moves the time on by
    // advance(); a timer started with 0 ms ticks every millisecond.
    std::unique_ptr<RepeatingTimer> makeTimer(QObject*, std::function<void()> tick) override {
        auto timer = std::make_unique<Timer>(*this, std::move(tick));
        timers_.push_back(timer->state);
        return timer;
    }
    // Moves the time on by ms. Every repeating timer that falls due meanwhile ticks at its
    // moment, in the order of those moments (timers due at the same moment in the order they
    // were made), and may stop or start timers as it does; no wait is recorded.
    void advance(qint64 ms) {
        const qint64 end = now + ms;
        while (tickNext(end)) {
        }
        now = end;
    }
    // Moves the time on to the next tick of a running repeating timer, no later than `until`,
    // and runs that tick; false (the time unmoved) when no timer falls due by then.
    bool tickNext(qint64 until = std::numeric_limits<qint64>::max()) {
        std::erase_if(timers_, [](const auto& t) { return t.expired(); });
        std::shared_ptr<TimerState> next;
        for (const auto& t : timers_) {
            const auto timer = t.lock();
            if (timer && timer->active && timer->due <= until && (!next || timer->due < next->due))
                next = timer;
        }
        if (!next) return false;
        now = next->due;
        next->due += std::max(1, next->interval);
        // The tick may destroy its timer: it runs from a copy.
        const auto tick = next->tick;
        tick();
        return true;
    }
    // Whether a repeating timer of this clock is running.
    bool timerActive() const {
        return std::any_of(timers_.begin(), timers_.end(), [](const auto& t) {
            const auto timer = t.lock();
            return timer && timer->active;
        });
    }

    qint64 now = 0;
    std::vector<int> waits;
    // Runs at the end of every wait, as the user's input during it would.
    std::function<void(int ms)> onWait;

  private:
    struct TimerState {
        std::function<void()> tick;
        int interval = 0;
        qint64 due = 0;
        bool active = false;
    };
    class Timer : public RepeatingTimer {
      public:
        Timer(FakeClock& clock, std::function<void()> tick)
            : clock_(clock), state(std::make_shared<TimerState>()) {
            state->tick = std::move(tick);
        }
        void start(int ms) override {
            state->interval = ms;
            state->due = clock_.now + std::max(1, ms);
            state->active = true;
        }
        void stop() override { state->active = false; }
        bool isActive() const override { return state->active; }

        FakeClock& clock_;
        std::shared_ptr<TimerState> state;
    };

    QElapsedTimer real_;
    std::vector<std::weak_ptr<TimerState>> timers_;
};

}  // namespace vireo::test
