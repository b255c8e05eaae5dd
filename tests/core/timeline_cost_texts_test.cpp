#include <gtest/gtest.h>

#include "tests/core/image_fixtures.h"
#include "timeline/cost_texts.h"
#include "timeline/memory_meter.h"

using namespace vireo;
using namespace vireo::test;

TEST(CostTexts, AStepNamesItsBytes) {
    const struct {
        int step;
        RowBytes bytes;
        const char* text;
    } cases[] = {
        {6, {1, 1, 2, 2}, "Schritt 7: 6 Bytes: Steuerbyte, Zeit, 2 Ecken, Schleife"},
        {0, {1, 0, 1, 0}, "Schritt 1: 2 Bytes: Steuerbyte, 1 Ecke"},
        {2, {1, 0, 0, 0}, "Schritt 3: 1 Bytes: Steuerbyte"},
        {3, {1, 1, 4, 0}, "Schritt 4: 6 Bytes: Steuerbyte, Zeit, 4 Ecken"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepBytesText(c.step, c.bytes, LanguageTable::builtIn()),
                  QString::fromUtf8(c.text));
}

TEST(CostTexts, TheMeterToolTipBreaksTheImageDown) {
    VehicleOptions holds;
    holds.comingHomeAuf.ticked = true;
    holds.welcomeHold = 2;  // 4 bytes
    const Document d = documentOf({row("1", {1, 2, 0, 0})}, {row("2", {0, 0, 16, 16})});
    const MeterReading fits = readMemoryMeter(d, holds, 30, 510);
    EXPECT_EQ(fits.toolTip, QStringLiteral("Kopf: 9 Bytes\nÖffnen: 4 Bytes\nSchliessen: 3 Bytes\n"
                                           "Haltezeiten: 4 Bytes\nFrei: 490 Bytes"));

    // Too big: the parts of the whole image and nothing free; the cost names the excess.
    Sequence many;
    for (int r = 0; r < 200; ++r) many << row(r % 2 ? "1" : "2", {1, 2, 3, 4});
    const MeterReading tooBig = readMemoryMeter(documentOf(many), {}, 30, 510);
    EXPECT_EQ(tooBig.state, MeterReading::State::TooBig);
    EXPECT_EQ(tooBig.toolTip, QStringLiteral("Kopf: 9 Bytes\nÖffnen: 1200 Bytes\nSchliessen: 0 "
                                             "Bytes\nHaltezeiten: 0 Bytes\nFrei: 0 Bytes"));
    EXPECT_EQ(tooBig.cost.excess(), 1209 - 510);
    EXPECT_EQ(tooBig.cost.firstRowBeyond(kWelcome), 83);

    // No image, or nothing to send: no breakdown, whatever figures the cost holds.
    EXPECT_TRUE(
        readMemoryMeter(documentOf({row("30", {1, 0, 0, 0})}), {}, 30, 510).toolTip.isEmpty());
    const MeterReading nothing = readMemoryMeter(documentOf({}), {}, 30, 510);
    EXPECT_EQ(nothing.state, MeterReading::State::NothingToSend);
    EXPECT_TRUE(nothing.toolTip.isEmpty());
}

// The hold line of the breakdown counts the welcome hold from the welcome setting and the
// goodbye hold from the goodbye setting.
TEST(CostTexts, TheHoldLineReadsEachHoldFromItsOwnSetting) {
    const Document d = documentOf({row("1", {1, 2, 0, 0})}, {row("2", {0, 0, 16, 16})});
    const struct {
        bool welcomeOn;
        int welcome;
        bool goodbyeOn;
        int goodbye;
        const char* holdLine;
    } cases[] = {
        {true, 11, false, 0, "Haltezeiten: 13 Bytes"},
        {false, 11, true, 0, "Haltezeiten: 2 Bytes"},
        {true, 0, true, 5, "Haltezeiten: 9 Bytes"},
    };
    for (const auto& c : cases) {
        VehicleOptions o;
        o.comingHomeAuf.ticked = c.welcomeOn;
        o.welcomeHold = c.welcome;
        o.comingHomeZu.ticked = c.goodbyeOn;
        o.goodbyeHold = c.goodbye;
        const QStringList lines = readMemoryMeter(d, o, 30, 510).toolTip.split('\n');
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[3], QString::fromUtf8(c.holdLine));
    }
}
