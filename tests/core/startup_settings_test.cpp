#include <gtest/gtest.h>

#include <functional>

#include "config/startup_settings.h"

using namespace vireo;
namespace k = vireo::settings_keys;

TEST(StartupSettings, EmptyStoreGivesTheBuiltInDefaultsAndAFirstStart) {
    MemorySettingsStore store;
    const StartupSettings s = loadStartupSettings(store, false);
    EXPECT_EQ(s.port, 1);
    EXPECT_EQ(s.portLabel, " Port: 1");
    for (bool tick : s.portTicks) EXPECT_FALSE(tick);
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
        {"Lampen_Port", "x",
         [](const StartupSettings& s) {
             EXPECT_FALSE(s.port.has_value());  // the port control keeps its built-in port
             EXPECT_EQ(s.portLabel, " Port: x");
             for (bool tick : s.portTicks) EXPECT_FALSE(tick);
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
        c.check(loadStartupSettings(store, false));
    }
}

TEST(StartupSettings, ACommandLineFileBringsItsOwnModel) {
    MemorySettingsStore store;
    store.write(k::kVehicleType, QStringLiteral("113"));
    const StartupSettings s = loadStartupSettings(store, true);
    EXPECT_TRUE(s.model.isEmpty());
    EXPECT_FALSE(s.firstStart);
}

TEST(StartupSettings, ClearingKeepsEverythingButLanguageModelAndOptions) {
    MemorySettingsStore store;
    for (const QString& key : {k::kLanguage, k::kVehicleType, k::kOptions, k::kPort, k::kSlider,
                               k::kWelcomeHold, k::kGoodbyeHold, k::kAutoProperty,
                               k::kActivationArea})
        store.write(key, QStringLiteral("7"));
    clearStoredChoices(store);
    EXPECT_EQ(store.read(k::kLanguage), "");
    EXPECT_EQ(store.read(k::kVehicleType), "");
    EXPECT_EQ(store.read(k::kOptions), "");
    for (const QString& key : {k::kPort, k::kSlider, k::kWelcomeHold, k::kGoodbyeHold,
                               k::kAutoProperty, k::kActivationArea})
        EXPECT_EQ(store.read(key), "7") << key.toStdString();
    const StartupSettings next = loadStartupSettings(store, false);
    EXPECT_TRUE(next.firstStart);
    EXPECT_EQ(next.options, "11100000000000000000");
}
