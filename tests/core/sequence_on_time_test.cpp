#include <gtest/gtest.h>

#include "sequence/on_time.h"

using namespace vireo;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
}  // namespace

// What a text denotes, as playback (milliseconds) and the image (tenths) read it, and how each
// locale shows it.
TEST(OnTime, ReadsATextOnceForPlaybackTheImageAndTheScreen) {
    const struct {
        const char* text;
        qint64 ms;
        long long tenths;
        const char* german;
        const char* english;
    } cases[] = {
        {"1,5", 1500, 15, "1,5", "1.5"},
        {"1.5", 1500, 15, "1,5", "1.5"},
        {"0,1", 100, 1, "0,1", "0.1"},
        {"10", 10000, 100, "10", "10"},
        {"0.50", 500, 5, "0,5", "0.5"},
        {"0,55", 550, 6, "0,55", "0.55"},      // 5.5 tenths: halves to even
        {"0,45", 450, 4, "0,45", "0.45"},      // 4.5 tenths: halves to even
        {"0,0025", 2, 0, "0,0025", "0.0025"},  // 2.5 ms: halves to even
        {"0,0035", 4, 0, "0,0035", "0.0035"},
        {"0,05000000001", 50, 1, "0,05", "0.05"},  // past the nanoseconds, just above a half
        {" 2,5 s", 2500, 25, "2,5", "2.5"},
        {"1 5", 15000, 150, "15", "15"},  // blanks between digits are skipped
        {"1,5,3", 1500, 15, "1,5", "1.5"},
        {"-1", -1000, -10, "-1", "-1"},
        {"x", 0, 0, "0", "0"},
        {"", 0, 0, "0", "0"},
        {"25,5", 25500, 255, "25,5", "25.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const OnTime t = OnTime::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(t.ms(), c.ms);
        EXPECT_EQ(t.tenths(), c.tenths);
        EXPECT_EQ(t.text(kGerman), QString::fromUtf8(c.german));
        EXPECT_EQ(t.text(kEnglish), QString::fromUtf8(c.english));
        // Written out again, it is the text it was read from, in every form.
        EXPECT_EQ(t.writtenText(kEnglish), QString::fromUtf8(c.text));
        EXPECT_EQ(t.writtenText(kGerman), QString::fromUtf8(c.text));
    }
}

TEST(OnTime, MadeValuesAreWrittenInTheFormAsked) {
    EXPECT_EQ(OnTime::ofTenths(15).writtenText(kGerman), "1,5");
    EXPECT_EQ(OnTime::ofTenths(15).writtenText(kEnglish), "1.5");
    EXPECT_EQ(OnTime::ofMs(550).writtenText(kGerman), "0,55");
    EXPECT_EQ(OnTime::ofMs(10000).writtenText(kEnglish), "10");
    EXPECT_FALSE(OnTime::ofTenths(5).hasWrittenText());
    EXPECT_TRUE(OnTime::parse(QStringLiteral("0.5")).hasWrittenText());
    EXPECT_FALSE(OnTime::parse(QStringLiteral("0.5")).valueOnly().hasWrittenText());
}

TEST(OnTime, ComparesByValueHoweverItWasWritten) {
    EXPECT_EQ(OnTime("0,5"), OnTime("0.50"));
    EXPECT_EQ(OnTime("0,5"), OnTime::ofTenths(5));
    EXPECT_EQ(OnTime("0,55"), OnTime::ofMs(550));
    EXPECT_NE(OnTime("0,5"), OnTime("0,6"));
    EXPECT_NE(OnTime("0,0005"), OnTime("0"));  // the same millisecond, not the same value
    EXPECT_EQ(OnTime("x"), OnTime("y"));       // both 0
}

TEST(OnTime, InputIsAPlainNumberAndStepTimesStayInTheSlidersRange) {
    const struct {
        const char* text;
        bool number;
        int stepTenths;  // -1: outside the slider's range
    } cases[] = {
        {"1,5", true, 15},  {" 0.1 ", true, 1}, {"10", true, 100},    {"10,01", true, -1},
        {"0,05", true, -1}, {"0", true, -1},    {"0,55", true, 6},    {"1,5 s", false, -1},
        {"", false, -1},    {"-1", true, -1},   {"1,5,3", false, -1}, {"abc", false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto t = OnTime::fromInput(QString::fromUtf8(c.text));
        EXPECT_EQ(t.has_value(), c.number);
        if (t) EXPECT_EQ(t->stepTenths().value_or(-1), c.stepTenths);
    }
    EXPECT_TRUE(OnTime::ofTenths(1).isStepTime());
    EXPECT_TRUE(OnTime::ofTenths(100).isStepTime());
    EXPECT_FALSE(OnTime::ofTenths(101).isStepTime());
    EXPECT_FALSE(OnTime::ofMs(550).isStepTime());
}
