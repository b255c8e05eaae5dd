#pragma once

#include <QString>
#include <QUrl>

namespace vireo {

enum class LinkWindow { Normal, Maximised };

// The shell's ways of opening things: a URL (web or mail), a document with the program
// registered for its type, and the dialog that lets the user pick a program for a document.
// Tests put a recording fake in its place.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QUrl& url, LinkWindow window) = 0;
    virtual bool openDocument(const QString& path) = 0;
    virtual bool offerOpenWith(const QString& path) = 0;
};

// The desktop's default handlers. The window state is a wish the handler may ignore; the
// open-with dialog exists on Windows only (false elsewhere).
class DesktopUrlOpener : public UrlOpener {
  public:
    bool openUrl(const QUrl& url, LinkWindow window) override;
    bool openDocument(const QString& path) override;
    bool offerOpenWith(const QString& path) override;
};

}  // namespace vireo
