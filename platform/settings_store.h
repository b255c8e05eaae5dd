#pragma once

#include <QMap>
#include <QString>

namespace vireo {

// The per-user store of the program's settings: texts by key, where an empty text means
// "not set". There is no delete: clearing a setting writes the empty text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& key) const = 0;
    virtual void write(const QString& key, const QString& text) = 0;
};

// The platform's store (registry on Windows, an INI file under the user's config folder
// elsewhere), application "Vireo" of organisation "Kelvor", section "Kelvor_E_F".
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    // A store in an INI file at the given path (used by tests and portable set-ups).
    explicit QSettingsStore(const QString& iniPath);
    QString read(const QString& key) const override;
    void write(const QString& key, const QString& text) override;
    QString location() const;

  private:
    QString iniPath_;
};

class MemorySettingsStore : public SettingsStore {
  public:
    QString read(const QString& key) const override { return values_.value(key); }
    void write(const QString& key, const QString& text) override { values_[key] = text; }
    QMap<QString, QString> values_;
};

}  // namespace vireo
