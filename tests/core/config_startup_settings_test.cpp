#include <gtest/gtest.h>

#include <functional>

#include "config/settings_keys.h"
#include "config/startup_settings.h"
#include "text/language.h"

using namespace vireo;
namespace k = vireo::settings_keys;

TEST(StartupSettings, EmptyStoreGivesTheBuiltInDefaultsAndAFirstStart) {
    MemorySettingsStore store;
    const StartupSettings s = loadStartupSettings(store);
    EXPECT_EQ(s.port, 1);
    EXPECT_EQ(s.portLabel, " Port: 1");
    // The port in use carries the menu's one check mark, also when none was stored.
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(s.portTicks[i - 1], i == 1) << i;
    EXPECT_EQ(s.autoAppend, false);
    EXPECT_EQ(s.activationArea, true);
    EXPECT_EQ(s.slider, 1);
    EXPECT_EQ(s.options, "11100000000000000000");
    EXPECT_EQ(s.welcomeHold, 2);
    EXPECT_EQ(s.goodbyeHold, 2);
    EXPECT_EQ(s.model, "111");
    EXPECT_TRUE(s.firstStart);
}

TEST(StartupSettings, StoredValuesAndTheSkipRule) {
    struct Case {
        const char* key;
        const char* text;
        std::function<void(const StartupSettings&)> check;
    };
    const Case cases[] = {
        {"Lampen_Port", "7",
         [](const StartupSettings& s) {
             EXPECT_EQ(s.port, 7);
             EXPECT_EQ(s.portLabel, " Port: 7");
             for (int i = 1; i <= 20; ++i) EXPECT_EQ(s.portTicks[i - 1], i == 7) << i;
         }},
        // Label, check mark and link follow one reading of the text.
        {"Lampen_Port", "7.0",
         [](const StartupSettings& s) {
             EXPECT_EQ(s.port, 7);
             EXPECT_EQ(s.portLabel, " Port: 7");
             for (int i = 1; i <= 20; ++i) EXPECT_EQ(s.portTicks[i - 1], i == 7) << i;
         }},
        {"Lampen_Port", "x",
         [](const StartupSettings& s) {
             EXPECT_EQ(s.port, 1);
             EXPECT_EQ(s.portLabel, " Port: 1");
             for (int i = 1; i <= 20; ++i) EXPECT_EQ(s.portTicks[i - 1], i == 1) << i;
         }},
        {"Lampen_Port", "25",
         [](const StartupSettings& s) {
             EXPECT_EQ(s.port, 1);
             EXPECT_EQ(s.portLabel, " Port: 1");
             for (int i = 1; i <= 20; ++i) EXPECT_EQ(s.portTicks[i - 1], i == 1) << i;
         }},
        {"Slider", "25", [](const StartupSettings& s) { EXPECT_EQ(s.slider, 25); }},
        {"Slider", "250", [](const StartupSettings& s) { EXPECT_FALSE(s.slider.has_value()); }},
        {"Slider", "abc", [](const StartupSettings& s) { EXPECT_FALSE(s.slider.has_value()); }},
        {"Time_Kommen", "11", [](const StartupSettings& s) { EXPECT_EQ(s.welcomeHold, 11); }},
        {"Time_Gehen", "12", [](const StartupSettings& s) { EXPECT_FALSE(s.goodbyeHold); }},
        {"Eigenschaften", "1", [](const StartupSettings& s) { EXPECT_EQ(s.autoAppend, true); }},
        {"Aktivierung", "0", [](const StartupSettings& s) { EXPECT_EQ(s.activationArea, false); }},
        {"Aktivierung", "ja", [](const StartupSettings& s) { EXPECT_FALSE(s.activationArea); }},
        {"Parameter", "10101010101010101010",
         [](const StartupSettings& s) { EXPECT_EQ(s.options, "10101010101010101010"); }},
        {"Fahrzeug_Type", "113",
         [](const StartupSettings& s) {
             EXPECT_EQ(s.model, "113");
             EXPECT_FALSE(s.firstStart);
         }},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.write(QString::fromLatin1(c.key), QString::fromLatin1(c.text));
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        c.check(loadStartupSettings(store));
    }
}

// Stored vehicle values are checked as they are read: what a sequence file could not keep, or
// the options dialog could not show, is replaced, and the replacement is reported and stored.
TEST(StartupSettings, InvalidVehicleValuesAreReplacedAndListed) {
    struct Case {
        const char* key;
        const char* stored;
        const char* options;  // the options read
        const char* model;    // the model read
        bool corrected;
    };
    const Case cases[] = {
        {"Parameter", "1110000000000000000P", "11100000000000000000", "111", true},
        {"Parameter", "1110111", "11101110000000000000", "111", true},
        {"Parameter", "1110000000000000000011", "11100000000000000000", "111", true},
        {"Parameter", "11101110100000000000", "11101110100000000000", "111", false},
        {"Fahrzeug_Type", "1F2", "11100000000000000000", "111", true},
        {"Fahrzeug_Type", "@", "11100000000000000000", "111", true},
        {"Fahrzeug_Type", "161", "11100000000000000000", "111", true},
        {"Fahrzeug_Type", "11", "11100000000000000000", "111", true},
        {"Fahrzeug_Type", "153", "11100000000000000000", "153", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        MemorySettingsStore store;
        const QString key = QString::fromLatin1(c.key);
        store.write(key, QString::fromLatin1(c.stored));
        const StartupSettings s = loadStartupSettings(store);
        EXPECT_EQ(s.options, QString::fromLatin1(c.options));
        EXPECT_EQ(s.model, QString::fromLatin1(c.model));
        EXPECT_EQ(s.firstStart, key == k::kOptions);  // no model stored in those cases
        if (!c.corrected) {
            EXPECT_TRUE(s.corrections.isEmpty());
            continue;
        }
        const QString replacement = key == k::kOptions ? s.options : s.model;
        ASSERT_EQ(s.corrections.size(), 1);
        EXPECT_EQ(s.corrections[0],
                  (SettingCorrection{key, QString::fromLatin1(c.stored), replacement}));
        storeCorrections(store, s.corrections);
        EXPECT_EQ(store.read(key), replacement);
        EXPECT_TRUE(loadStartupSettings(store).corrections.isEmpty());  // told once
    }
}

TEST(StartupSettings, TheCorrectionMessageNamesKeyOldAndNewValue) {
    LanguageTable table;
    QByteArray file;
    for (int n = 1; n <= 239; ++n) file += "0000E" + QByteArray::number(n) + "\r\n";
    table.parse(file);
    const QString text = correctionsMessage(
        {{k::kVehicleType, QStringLiteral("1F2"), QStringLiteral("111")}}, table);
    EXPECT_EQ(text, QStringLiteral("E239\nFahrzeug_Type: \"1F2\" \u2192 \"111\""));
}

TEST(StartupSettings, ClearingKeepsEverythingButLanguageModelAndOptions) {
    MemorySettingsStore store;
    for (const QString& key :
         {k::kLanguage, k::kVehicleType, k::kOptions, k::kPort, k::kSlider, k::kWelcomeHold,
          k::kGoodbyeHold, k::kAutoProperty, k::kActivationArea})
        store.write(key, QStringLiteral("7"));
    clearStoredChoices(store);
    EXPECT_EQ(store.read(k::kLanguage), "");
    EXPECT_EQ(store.read(k::kVehicleType), "");
    EXPECT_EQ(store.read(k::kOptions), "");
    for (const QString& key : {k::kPort, k::kSlider, k::kWelcomeHold, k::kGoodbyeHold,
                               k::kAutoProperty, k::kActivationArea})
        EXPECT_EQ(store.read(key), "7") << key.toStdString();
    const StartupSettings next = loadStartupSettings(store);
    EXPECT_TRUE(next.firstStart);
    EXPECT_EQ(next.options, "11100000000000000000");
}
