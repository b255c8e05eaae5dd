#include "tools/cli/cli_prompter.h"

#include <QTextStream>

namespace vireo::cli {

void CliPrompter::message(const QString& text, const QString& title, PromptIcon) {
    if (text.isEmpty()) return;
    messages_ << (title.isEmpty() ? text : title + QStringLiteral(": ") + text);
}

void CliPrompter::printMessages() {
    QTextStream err(stderr);
    for (const QString& m : std::as_const(messages_)) err << m.trimmed() << "\n";
    messages_.clear();
}

QString openFailureText(const LinkOpenStatus& status) {
    switch (status.result) {
        case LinkOpenResult::NoSuchPort:
            return QStringLiteral("no such port");
        case LinkOpenResult::InUse:
            return QStringLiteral("the port is in use");
        case LinkOpenResult::PermissionDenied:
            return QStringLiteral(
                "no permission (the user needs read and write access, "
                "e.g. membership in the group \"dialout\")");
        default:
            return status.reason.isEmpty() ? QStringLiteral("cannot open") : status.reason;
    }
}

}  // namespace vireo::cli
