#pragma once

#include "platform/prompter.h"

namespace vireo {

// A prompter for programs without a user at the window (tools, benchmarks, screenshots):
// messages are dropped, questions answer No, input boxes and file dialogs are cancelled.
class SilentPrompter : public Prompter {
  public:
    void message(const QString&, const QString&, PromptIcon) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

}  // namespace vireo
