#include <gtest/gtest.h>

#include "car/vehicle_catalogue.h"
#include "text/language.h"
#include "text/text_ids.h"

using namespace vireo;

namespace {

VehicleSetup vehicle(const char* code) {
    return vehicleSetupFor(QString::fromLatin1(code)).value_or(VehicleSetup{});
}

// The corners' pictures in the order Licht_Aus draws them.
QVector<int> picturesAfterLichtAus(const VehicleSetup& setup, LampBytes& lamps) {
    QVector<int> numbers;
    for (int corner : lichtAus(lamps))
        numbers.append(pictureNumber(setup.base(corner), lampByte(lamps, corner)));
    return numbers;
}

}  // namespace

TEST(VehicleCatalogue, ModelsChoosePicturesOffsetsAndPlates) {
    const struct {
        const char* code;
        int modellnummer;
        QVector<int> pictures;  // VL, VR, HL, HR after Licht_Aus
        int rearOffset;
        QRect rearPlate;
    } cases[] = {
        {"111", 30, {101, 165, 229, 293}, -30, QRect(164, 426, 86, 16)},
        {"112", 31, {101, 165, 357, 421}, 30, QRect(167, 425, 86, 18)},
        {"113", 32, {101, 165, 357, 421}, 30, QRect(167, 425, 86, 18)},
    };
    for (const auto& c : cases) {
        const VehicleSetup setup = vehicle(c.code);
        LampBytes lamps{5, 6, 7, 8};
        EXPECT_EQ(picturesAfterLichtAus(setup, lamps), c.pictures) << c.code;
        EXPECT_EQ(lamps, LampBytes{}) << c.code;
        EXPECT_EQ(setup.modellnummer, c.modellnummer);
        EXPECT_EQ(setup.regions.spiegelversatzVorne, 10);
        EXPECT_EQ(setup.regions.spiegelversatzHinten, c.rearOffset);
        EXPECT_EQ(setup.nummernschildV, QRect(164, 211, 89, 19));
        EXPECT_EQ(setup.nummernschildH, c.rearPlate);
    }
}

TEST(VehicleCatalogue, PictureNumbersStayInTheCornersBlock) {
    EXPECT_EQ(pictureNumber(101, 63), 164);
    EXPECT_EQ(pictureNumber(229, 16), 245);
    EXPECT_EQ(pictureNumber(293, 16), 309);
    // A byte above 63 (only a file brings one) shows the lamps of bits 0..5.
    EXPECT_EQ(pictureNumber(101, 65), 102);
    EXPECT_EQ(pictureNumber(421, 255), 484);
}

TEST(VehicleCatalogue, SwitchingModelsAndUnknownCodes) {
    VehicleSetup setup;
    EXPECT_FALSE(modellauswahl(QStringLiteral("111x"), setup));
    EXPECT_EQ(setup, VehicleSetup{}) << "nothing applied before a known code";

    ASSERT_TRUE(modellauswahl(QStringLiteral("112"), setup));
    const VehicleSetup late = setup;
    ASSERT_TRUE(modellauswahl(QStringLiteral("111"), setup));
    EXPECT_EQ(setup.base(kCornerHL), 229);
    EXPECT_EQ(setup.base(kCornerHR), 293);
    EXPECT_EQ(setup.regions.spiegelversatzHinten, -30);
    EXPECT_EQ(setup.nummernschildH, QRect(164, 426, 86, 16));
    EXPECT_EQ(regionOf(setup.regions.table, 37).xMin, 570);
    EXPECT_EQ(regionOf(late.regions.table, 37).xMin, 1500);
    EXPECT_EQ(setup.regions.table[kRearRow][0], 0);

    const VehicleSetup before = setup;
    for (const char* unknown : {"", "124", "999", "11"})
        EXPECT_FALSE(modellauswahl(QString::fromLatin1(unknown), setup)) << unknown;
    EXPECT_EQ(setup, before);
}

// A body without pictures of its own (Touring, Coupé, Cabrio, Clubman) shows the pictures,
// regions and plates of its model year, so its lamps can be edited; the module code stays what
// it was, as for any unknown code.
TEST(VehicleCatalogue, BodiesWithoutPicturesShowThoseOfTheirModelYear) {
    const struct {
        const char* code;
        const char* pictures;  // pictureModel
        bool known;            // modellauswahl's answer
        int modellnummer;      // after applying it over the setup of 112
        int rearLeftBase;
        int rearOffset;
    } cases[] = {
        {"151", "111", false, 31, 229, -30}, {"121", "111", false, 31, 229, -30},
        {"142", "112", false, 31, 357, 30},  {"133", "113", false, 31, 357, 30},
        {"111", "111", true, 30, 229, -30},  {"113", "113", true, 32, 357, 30},
        {"154", "", false, 31, 357, 30},     {"15", "", false, 31, 357, 30},
        {"1x1", "", false, 31, 357, 30},     {"1511", "", false, 31, 357, 30},
        {"", "", false, 31, 357, 30},
    };
    for (const auto& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(pictureModel(code), QString::fromLatin1(c.pictures)) << c.code;
        VehicleSetup setup = vehicle("112");
        EXPECT_EQ(modellauswahl(code, setup), c.known) << c.code;
        EXPECT_EQ(setup.modellnummer, c.modellnummer) << c.code;
        EXPECT_EQ(setup.base(kCornerHL), c.rearLeftBase) << c.code;
        EXPECT_EQ(setup.regions.spiegelversatzHinten, c.rearOffset) << c.code;
    }

    // Applied first, at a start with such a code stored: pictures, regions and plates, and
    // module code 0 as before any known code.
    VehicleSetup first;
    EXPECT_FALSE(modellauswahl(QStringLiteral("151"), first));
    EXPECT_EQ(first.modellnummer, 0);
    EXPECT_EQ(first.base(kCornerVL), 101);
    EXPECT_EQ(first.base(kCornerHR), 293);
    EXPECT_EQ(first.nummernschildV, QRect(164, 211, 89, 19));
    EXPECT_EQ(first.nummernschildH, QRect(164, 426, 86, 16));
    EXPECT_EQ(regionOf(first.regions.table, 37).xMin, 570);
    EXPECT_FALSE(vehicleSetupFor(QStringLiteral("151"))) << "no module code of its own";
}

TEST(VehicleCatalogue, WindowTitleFromTheTickedOptions) {
    const auto group = [](std::initializer_list<const char*> captions, int ticked,
                          bool enabled = true) {
        OptionGroupState g;
        int i = 1;
        for (const char* caption : captions)
            g.append({QString::fromUtf8(caption), i++ == ticked, enabled});
        return g;
    };
    const auto types = [&](int t) { return group({"BMW 7er"}, t); };
    const auto bodies = [&](int t) {
        return group({"Limousine", "Touring", "Coupé", "Cabrio", "Clubman"}, t);
    };
    const auto years = [&](int t, bool enabled) {
        return group({"ohne Facelift", "mit Facelift", "Modell ab 10.2006"}, t, enabled);
    };
    const struct {
        OptionGroupState type, body, year;
        const char* title;
    } cases[] = {
        {types(1), bodies(1), years(2, true),
         "Fahrzeugauswahl:  BMW 7er / Limousine / mit Facelift"},
        {types(1), bodies(1), years(2, false), "Fahrzeugauswahl:  BMW 7er / Limousine"},
        {types(0), bodies(4), years(1, true), "Cabrio / ohne Facelift"},
        {types(1), bodies(0), years(0, true), "Fahrzeugauswahl:  BMW 7er / "},
        {types(0), bodies(0), years(0, true), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fahrzeugAuswahl(c.type, c.body, c.year,
                                  LanguageTable::builtIn().entry(text::VehicleChoicePrefix)),
                  QString::fromUtf8(c.title));
}

TEST(VehicleCatalogue, ModelNamesAndLampNames) {
    const QStringList& names = modellnamen();
    ASSERT_EQ(names.size(), 51);
    // A module coded for no model is named by the language.
    EXPECT_TRUE(names[0].isEmpty());
    EXPECT_EQ(codedModelName(0, LanguageTable::builtIn()), "Uncodiert");
    EXPECT_EQ(codedModelName(30, LanguageTable::builtIn()), "BMW 7er VFL LM1");
    EXPECT_EQ(names[30], "BMW 7er VFL LM1");
    EXPECT_EQ(names[42], "Mini Clubman");
    EXPECT_TRUE(names[22].isEmpty());
    EXPECT_TRUE(names[50].isEmpty());
    EXPECT_EQ(
        std::count_if(names.begin(), names.end(), [](const QString& n) { return !n.isEmpty(); }),
        31);

    const struct {
        int corner, bit, entry;
        const char* suffix;
    } lamps[] = {
        {kCornerVL, 0, 122, "_L"},  {kCornerVR, 5, 122, "_IR"}, {kCornerVL, 3, 117, "_L"},
        {kCornerHL, 1, 124, "_LU"}, {kCornerHR, 2, 124, "_RO"}, {kCornerHL, 4, 124, "_M"},
        {kCornerHR, 5, 120, "_R"},  {kCornerHR, 3, 125, "_R"},
    };
    for (const auto& l : lamps) {
        const LampName name = lampName(l.corner, l.bit);
        EXPECT_EQ(name.entry, l.entry);
        EXPECT_EQ(name.suffix, l.suffix);
    }
}
