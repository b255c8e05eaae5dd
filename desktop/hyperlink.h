#pragma once

#include <QString>

#include "desktop/url_opener.h"

namespace vireo {

// What a link target asks for. The prefix tests are exact and case-sensitive:
// "www." opens "http://" + target maximised, "http://" opens the target unchanged maximised,
// "mailto:" opens the target in a normal window, "App:" + path opens that document with its
// program; anything else does nothing.
struct LinkAction {
    enum class Kind { Nothing, OpenUrl, OpenDocument };
    Kind kind = Kind::Nothing;
    QString target;  // the URL, or the document path
    LinkWindow window = LinkWindow::Normal;
    bool operator==(const LinkAction&) const = default;
};

LinkAction linkAction(const QString& target);

// The mail link of an address, with empty subject and body.
QString mailLink(const QString& address);

// Opens a link target as linkAction says. False when there was nothing to open or the
// opener failed; the about box shows nothing either way.
bool Hyperlink_Open(const QString& target, UrlOpener& opener);

// Opens a document with the program registered for its type; when that fails, offers the
// shell's dialog to pick a program.
bool Hyperlink_ShellOpen(const QString& path, UrlOpener& opener);

}  // namespace vireo
