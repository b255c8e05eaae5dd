// The per-user settings store on the platform's own QSettings, kept in a temporary folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "config/settings_keys.h"
#include "platform/settings_store.h"

using namespace vireo;
namespace k = vireo::settings_keys;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The user's own settings folder is the temporary one for this test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }

    QByteArray fileBytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, KeysLiveInTheSectionOfTheProgramsOwnStore) {
    QSettingsStore store;
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kSlider, QStringLiteral("37"));

    // Application "Vireo" of organisation "Kelvor", in the user's settings folder.
    const QString location = dir.filePath(QStringLiteral("Kelvor/Vireo.conf"));
    EXPECT_EQ(store.location(), location);
    const QByteArray bytes = fileBytes(location);
    EXPECT_TRUE(bytes.contains("[Kelvor_E_F]\nLanguage=Deutsch\nSlider=37\n")) << bytes.data();

    // The key names other programs and older versions read.
    EXPECT_EQ(
        QStringList({k::kLanguage, k::kDeveloper, k::kPort, k::kAutoProperty, k::kActivationArea,
                     k::kSlider, k::kOptions, k::kWelcomeHold, k::kGoodbyeHold, k::kVehicleType}),
        QStringList({"Language", "Entwickerstatus", "Lampen_Port", "Eigenschaften", "Aktivierung",
                     "Slider", "Parameter", "Time_Kommen", "Time_Gehen", "Fahrzeug_Type"}));
}

TEST_F(SettingsStoreTest, TextsReadBackInAnotherStoreAndUnsetKeysAreEmpty) {
    const QString texts[] = {"11100000000000000001", QStringLiteral("Wahr"),
                             QString::fromUtf8("Français; mit Ümlaut = und, Komma"),
                             QStringLiteral("  blanks  "), QString()};
    QSettingsStore writer;
    for (int i = 0; i < int(std::size(texts)); ++i)
        writer.write(QStringLiteral("Key%1").arg(i), texts[i]);

    const QSettingsStore reader;  // another object: only the file carries the values over
    for (int i = 0; i < int(std::size(texts)); ++i)
        EXPECT_EQ(reader.read(QStringLiteral("Key%1").arg(i)), texts[i]) << i;
    EXPECT_EQ(reader.read(k::kVehicleType), QString());

    // Clearing is writing the empty text.
    writer.write(QStringLiteral("Key1"), QString());
    EXPECT_EQ(reader.read(QStringLiteral("Key1")), QString());
}

TEST_F(SettingsStoreTest, AnIniFileGivenByPathUsesTheSameSection) {
    const QString path = dir.filePath(QStringLiteral("portable.ini"));
    QSettingsStore store(path);
    store.write(k::kVehicleType, QStringLiteral("305"));
    EXPECT_EQ(store.location(), path);
    EXPECT_TRUE(fileBytes(path).contains("[Kelvor_E_F]\nFahrzeug_Type=305\n"));
    EXPECT_EQ(QSettingsStore(path).read(k::kVehicleType), QStringLiteral("305"));
    EXPECT_EQ(QSettingsStore().read(k::kVehicleType), QString());  // the user's store is apart
}

}  // namespace
