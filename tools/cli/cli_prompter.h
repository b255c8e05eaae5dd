#pragma once

#include <QStringList>

#include "module/byte_link.h"
#include "platform/silent_prompter.h"

// What the module commands need in place of the window: someone to take its messages, and the
// words for a port that did not open.
namespace vireo::cli {

// Nobody to ask on the command line: questions answer No and dialogs cancel. The messages the
// window would show are kept as text, for the command to print those that make sense here
// (the port messages, for one, name a port number the command line does not use).
class CliPrompter : public SilentPrompter {
  public:
    void message(const QString& text, const QString& title, PromptIcon icon) override;

    // Prints the kept messages on stderr, "TITLE: TEXT" each, and forgets them.
    void printMessages();
    void dropMessages() { messages_.clear(); }

  private:
    QStringList messages_;
};

// Why the port did not open, in a few words.
QString openFailureText(const LinkOpenStatus& status);

}  // namespace vireo::cli
