#include "module/handshake.h"

#include "module/port_open_message.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

constexpr int kAttempts = 2;
constexpr int kDeveloperPauseMs = 100;

// Closes the connecting notice once, whichever way the handshake ends.
class NoticeCloser {
  public:
    explicit NoticeCloser(const HandshakeView& view) : view_(view) {}
    ~NoticeCloser() { close(); }
    void close() {
        if (closed_) return;
        closed_ = true;
        if (view_.closeConnectingNotice) view_.closeConnectingNotice();
    }

  private:
    const HandshakeView& view_;
    bool closed_ = false;
};

void setInfo(const HandshakeView& view, const QString& text) {
    if (view.setInfoLabel) view.setInfoLabel(text);
}

}  // namespace

QString connectedInfoText(const ModuleIdentity& identity, const LanguageTable& language) {
    return QStringLiteral("Kelvor Vireo Ver. ") + identity.version + QStringLiteral(" / ") +
           language.entry(text::ModuleType) + QLatin1Char(' ') + identity.type;
}

HandshakeResult connectModule(ModulePort& port, ModuleIdentity& identity, bool developerMode,
                              Prompter& prompter, const LanguageTable& language,
                              const HandshakeView& view) {
    NoticeCloser notice(view);
    if (port.exchanger().busy()) return {HandshakeOutcome::Refused, {}};

    identity.connected = false;
    const LinkOpenStatus opened = port.open();
    if (!opened.ok()) {
        notice.close();
        if (const auto message = portOpenFailureMessage(opened, port.number(), language))
            prompter.message(message->text, message->title, message->icon);
        // No module is connected now, whatever the label said of the last one.
        setInfo(view, language.entry(text::NoModuleConnected));
        port.close();
        return {HandshakeOutcome::OpenFailed, opened};
    }

    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QByteArray reply = port.exchanger().sendReceive(identificationRequest());
        if (const auto parsed = parseIdentificationReply(reply)) {
            identity.type = parsed->type;
            identity.version = parsed->version;
            notice.close();
            identity.connected = true;
            setInfo(view, connectedInfoText(identity, language));
            if (developerMode && parsed->hasDeveloperTail) {
                identity.codedModel = parsed->codedModel;
                identity.compilerDate.clear();
                port.clock().wait(kDeveloperPauseMs);
                identity.compilerDate = compilerDateText(parsed->dateNumber);
            }
            return {HandshakeOutcome::Connected, opened};
        }
        if (reply == busyReply()) port.exchanger().sendReceive(endFrame());
    }

    notice.close();
    identity.connected = false;
    prompter.message(language.entry(text::NoModuleFound), language.entry(text::NoModuleTitle),
                     PromptIcon::Warning);
    setInfo(view, language.entry(text::NoModuleConnected));
    port.close();
    return {HandshakeOutcome::NotConnected, opened};
}

}  // namespace vireo
