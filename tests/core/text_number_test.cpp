#include <gtest/gtest.h>

#include "text/number_text.h"

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
