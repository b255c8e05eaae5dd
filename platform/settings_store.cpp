#include "platform/settings_store.h"

#include <QSettings>
#include <memory>

namespace vireo {

namespace {
const QString kSection = QStringLiteral("Kelvor_E_F");
}

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& iniPath) : iniPath_(iniPath) {}

static std::unique_ptr<QSettings> openSettings(const QString& iniPath) {
    if (!iniPath.isEmpty()) return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kelvor"), QStringLiteral("Vireo"));
}

QString QSettingsStore::read(const QString& key) const {
    auto s = openSettings(iniPath_);
    return s->value(kSection + QLatin1Char('/') + key, QString()).toString();
}

void QSettingsStore::write(const QString& key, const QString& text) {
    auto s = openSettings(iniPath_);
    s->setValue(kSection + QLatin1Char('/') + key, text);
    s->sync();
}

QString QSettingsStore::location() const {
    return openSettings(iniPath_)->fileName();
}

}  // namespace vireo
