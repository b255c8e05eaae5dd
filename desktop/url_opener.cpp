#include "desktop/url_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>

namespace vireo {

bool DesktopUrlOpener::openUrl(const QUrl& url, LinkWindow window) {
    Q_UNUSED(window);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopUrlOpener::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopUrlOpener::offerOpenWith(const QString& path) {
#ifdef Q_OS_WIN
    // The shell's open-with dialog takes the rest of its command line as the path, unquoted.
    QProcess process;
    process.setProgram(QStringLiteral("rundll32.exe"));
    process.setNativeArguments(QStringLiteral("shell32.dll,OpenAs_RunDLL ") +
                               QDir::toNativeSeparators(path));
    return process.startDetached();
#else
    Q_UNUSED(path);
    return false;
#endif
}

}  // namespace vireo
