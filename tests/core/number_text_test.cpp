#include "text/number_text.h"

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

TEST(NumberText, OnTimesShownWithTheLocalesSeparator) {
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const struct {
        const char* text;
        const char* german;
        const char* english;
    } cases[] = {{"0.2", "0,2", "0.2"},       {"1,5", "1,5", "1.5"}, {"10", "10", "10"},
                 {"0,015", "0,015", "0.015"}, {"abc", "abc", "abc"}, {"", "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(onTimeInLocale(QString::fromUtf8(c.text), de), QString::fromUtf8(c.german))
            << c.text;
        EXPECT_EQ(onTimeInLocale(QString::fromUtf8(c.text), en), QString::fromUtf8(c.english))
            << c.text;
    }
    EXPECT_TRUE(sameOnTime(QStringLiteral("0,5"), QStringLiteral("0.50")));
    EXPECT_FALSE(sameOnTime(QStringLiteral("0,5"), QStringLiteral("0,6")));
    EXPECT_FALSE(sameOnTime(QStringLiteral("x"), QStringLiteral("y")));
}
