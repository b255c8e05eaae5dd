#include "desktop/hyperlink.h"

namespace vireo {

LinkAction linkAction(const QString& target) {
    const QString http = QStringLiteral("http://");
    if (target.startsWith(QLatin1String("www.")))
        return {LinkAction::Kind::OpenUrl, http + target, LinkWindow::Maximised};
    if (target.startsWith(http)) return {LinkAction::Kind::OpenUrl, target, LinkWindow::Maximised};
    if (target.startsWith(QLatin1String("mailto:")))
        return {LinkAction::Kind::OpenUrl, target, LinkWindow::Normal};
    if (target.startsWith(QLatin1String("App:")))
        return {LinkAction::Kind::OpenDocument, target.mid(4), LinkWindow::Normal};
    return {};
}

QString mailLink(const QString& address) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") +
           QStringLiteral("&Body=");
}

bool Hyperlink_Open(const QString& target, UrlOpener& opener) {
    const LinkAction action = linkAction(target);
    switch (action.kind) {
        case LinkAction::Kind::OpenUrl:
            return opener.openUrl(QUrl(action.target, QUrl::TolerantMode), action.window);
        case LinkAction::Kind::OpenDocument:
            return Hyperlink_ShellOpen(action.target, opener);
        case LinkAction::Kind::Nothing:
            break;
    }
    return false;
}

bool Hyperlink_ShellOpen(const QString& path, UrlOpener& opener) {
    return opener.openDocument(path) || opener.offerOpenWith(path);
}

}  // namespace vireo
