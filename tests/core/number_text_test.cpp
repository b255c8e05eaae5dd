#include "config/number_text.h"

#include <gtest/gtest.h>

using namespace vireo;

TEST(NumberValue, LeadingNumberRoundedHalfToEven) {
    const struct {
        const char* text;
        long long value;
    } cases[] = {
        {"", 0},   {"7", 7},   {" 12", 12}, {"2.5", 2},  {"3.5", 4}, {"-2.5", -2}, {"1x", 1},
        {"x1", 0}, {"1,5", 1}, {"0.5", 0},  {"1 5", 15}, {"+4", 4},  {"250", 250}, {"abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberValue(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_FALSE(numberValueIfAny(QStringLiteral("x")).has_value());
    EXPECT_EQ(numberValueIfAny(QStringLiteral("7")).value(), 7);
}

TEST(NumberText, TenthsInTheLocaleShortestForm) {
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(tenthsText(1, de), "0,1");
    EXPECT_EQ(tenthsText(10, de), "1");
    EXPECT_EQ(tenthsText(15, de), "1,5");
    EXPECT_EQ(tenthsText(100, de), "10");
    EXPECT_EQ(tenthsText(23, en), "2.3");
}

TEST(NumberText, OnTimeInMillisecondsFromCommaOrPoint) {
    EXPECT_EQ(onTimeMs(QStringLiteral("1,5")), 1500);
    EXPECT_EQ(onTimeMs(QStringLiteral("1.5")), 1500);
    EXPECT_EQ(onTimeMs(QStringLiteral("0,1")), 100);
    EXPECT_EQ(onTimeMs(QStringLiteral("10")), 10000);
    EXPECT_EQ(onTimeMs(QStringLiteral("x")), 0);
}
