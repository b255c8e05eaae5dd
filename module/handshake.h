#pragma once

#include <QString>
#include <functional>

#include "module/module_identity.h"
#include "module/module_port.h"
#include "platform/prompter.h"
#include "text/language.h"

namespace vireo {

// What the main window shows of the handshake. The caller shows the connecting notice
// (frmVerbindung) before the handshake; the handshake closes it on every way out.
struct HandshakeView {
    std::function<void()> closeConnectingNotice;
    std::function<void(const QString& text)> setInfoLabel;  // labInfo
};

enum class HandshakeOutcome {
    Connected,     // valid reply; the port stays open for the caller's next exchange
    NotConnected,  // no valid reply after two attempts; warning shown, port closed
    OpenFailed,    // the port did not open; its message shown (if any), port closed
    Refused,       // an exchange was running on this port; nothing was touched
};

struct HandshakeResult {
    HandshakeOutcome outcome = HandshakeOutcome::NotConnected;
    LinkOpenStatus open;  // how opening the port went (for a caller that reports it itself)
};

// labInfo when connected: "Kelvor Vireo Ver. 1.3 / Typ 5.1", the word "Typ" in the language.
QString connectedInfoText(const ModuleIdentity& identity,
                          const LanguageTable& language = LanguageTable::builtIn());

// The handshake (Modul_Verbinden): opens the port, asks "@#*" up to twice (a busy module's
// "@#*3" is answered with the end frame before the next attempt), and on a valid reply stores
// type and version; in developer mode an 11-byte reply also gives the software date and the
// coded model. identity.connected tells the result; a failed handshake keeps the other fields.
// Callers hold a ModuleOperation for the whole operation the handshake starts.
HandshakeResult connectModule(ModulePort& port, ModuleIdentity& identity, bool developerMode,
                              Prompter& prompter, const LanguageTable& language,
                              const HandshakeView& view);

}  // namespace vireo
