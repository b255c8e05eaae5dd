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

namespace settings_keys {
inline const QString kLanguage = QStringLiteral("Language");
inline const QString kDeveloper = QStringLiteral("Entwickerstatus");
inline const QString kPort = QStringLiteral("Lampen_Port");
inline const QString kAutoProperty = QStringLiteral("Eigenschaften");
inline const QString kActivationArea = QStringLiteral("Aktivierung");
inline const QString kSlider = QStringLiteral("Slider");
inline const QString kOptions = QStringLiteral("Parameter");
inline const QString kWelcomeHold = QStringLiteral("Time_Kommen");
inline const QString kGoodbyeHold = QStringLiteral("Time_Gehen");
inline const QString kVehicleType = QStringLiteral("Fahrzeug_Type");
inline const QString kSymmetric = QStringLiteral("Symmetrisch");  // "1" on, else off
// The folder of the file last opened or saved: where file dialogs start for an untitled document.
inline const QString kLastFolder = QStringLiteral("Letzter_Ordner");
}  // namespace settings_keys

}  // namespace vireo
