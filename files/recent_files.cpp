#include "files/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

#include "config/settings_keys.h"
#include "platform/settings_store.h"

namespace vireo {

namespace {

// One spelling per file: absolute, without "." and "..", native letter case kept.
QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool samePath(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

}  // namespace

RecentFiles::RecentFiles(SettingsStore& store) : store_(store) {
    const QJsonArray stored =
        QJsonDocument::fromJson(store_.read(settings_keys::kRecentFiles).toUtf8()).array();
    for (const QJsonValue& value : stored) {
        const QString path = value.toString();
        if (path.isEmpty() || paths_.size() >= kLimit) continue;
        const QString clean = normalised(path);
        const bool known = std::any_of(paths_.cbegin(), paths_.cend(),
                                       [&](const QString& p) { return samePath(p, clean); });
        if (!known) paths_.append(clean);
    }
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    const QString clean = normalised(path);
    paths_.removeIf([&](const QString& p) { return samePath(p, clean); });
    paths_.prepend(clean);
    while (paths_.size() > kLimit) paths_.removeLast();
    store();
}

void RecentFiles::remove(const QString& path) {
    const QString clean = normalised(path);
    if (paths_.removeIf([&](const QString& p) { return samePath(p, clean); }) > 0) store();
}

void RecentFiles::store() {
    store_.write(
        settings_keys::kRecentFiles,
        QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(paths_)).toJson(QJsonDocument::Compact)));
}

}  // namespace vireo
