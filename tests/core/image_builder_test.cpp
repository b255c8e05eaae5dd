#include "image/image_builder.h"

#include <gtest/gtest.h>

#include "platform/app_info.h"
#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

namespace {

constexpr int kModel111 = 30;

DataImage build(const Document& d, const VehicleOptions& o = {}, int capacity = 510) {
    return buildDataImage(d, o, kModel111, capacity, numberedLanguage());
}

// Bytes from..to of an image.
QByteArray slice(const DataImage& image, int from, int to) {
    return image.bytes.mid(from, to - from + 1);
}

int address(const DataImage& image, int index) {
    return image.byteAt(index) * 256 + image.byteAt(index + 1);
}

VehicleOptions holds(bool welcomeOn, int welcomePos, bool goodbyeOn, int goodbyePos) {
    VehicleOptions o;
    o.comingHomeAuf.ticked = welcomeOn;
    o.welcomeHold = welcomePos;
    o.comingHomeZu.ticked = goodbyeOn;
    o.goodbyeHold = goodbyePos;
    return o;
}

// A welcome section of exactly 11 bytes (10..20) and a goodbye section of 10 bytes.
Sequence elevenByteWelcome() {
    return {row("1", {1, 2, 3, 4}), row("1", {5, 0, 0, 0}), row("1", {0, 0, 6, 0}),
            row("1", {0, 0, 0, 0})};
}
Sequence tenByteGoodbye() {
    return {row("2", {1, 2, 3, 4}), row("2", {7, 0, 0, 0}), row("2", {0, 8, 0, 0})};
}

}  // namespace

TEST(ImageBuilder, OneRowImageHeaderAndRecord) {
    const DataImage image = build(documentOf({row("1,5", {0, 5, 0, 0})}));
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(image.length, 12);
    EXPECT_EQ(image.bytes.size(), kImageSize);
    EXPECT_EQ(slice(image, 0, 12), bytesOf({0, 0, 12, 0, 13, 30, 0, 0, 0, 0, 0xC4, 15, 5}));
    EXPECT_EQ(image.bytes.mid(13), QByteArray(kImageSize - 13, '\0'));
    EXPECT_TRUE(image.message.isEmpty());
}

TEST(ImageBuilder, StepRecords) {
    const struct {
        const char* name;
        Sequence rows;
        QByteArray section;  // bytes from index 10 on
    } cases[] = {
        {"same time twice: no time byte the second time",
         {row("1", {1, 0, 0, 0}), row("1", {0, 2, 0, 0})},
         bytesOf({0xC2, 10, 1, 0x84, 2})},
        {"all corners in order 1..4", {row("0,5", {9, 8, 7, 6})}, bytesOf({0xDE, 5, 9, 8, 7, 6})},
        {"dark row: control byte and time byte only, then control byte only",
         {row("1", {0, 0, 0, 0}), row("1", {0, 0, 0, 0}), row("2", {0, 0, 0, 0})},
         bytesOf({0xC0, 10, 0x80, 0xC0, 20})},
        {"rear corners both 16: corner 4 dropped",
         {row("1", {0, 0, 16, 16})},
         bytesOf({0xC8, 10, 16})},
        {"rear corners 16 and 17 both kept",
         {row("1", {0, 0, 16, 17})},
         bytesOf({0xD8, 10, 16, 17})},
        {"time with a point, halves to even",
         {row("0.5", {1, 0, 0, 0}), row("0,25", {1, 0, 0, 0}), row("0,35", {1, 0, 0, 0})},
         bytesOf({0xC2, 5, 1, 0xC2, 2, 1, 0xC2, 4, 1})},
        {"loop of 3 rows x 4: first row marked, repeat 3, length 2",
         {row("1", {1, 0, 0, 0}), row("1", {2, 0, 0, 0}, "S  1 / 4 x"),
          row("1", {3, 0, 0, 0}, "S  1 / 4 x"), row("1", {4, 0, 0, 0}, "S  1 / 4 x")},
         bytesOf({0xC2, 10, 1, 0xA2, 2, 3, 2, 0x82, 3, 0x82, 4})},
        {"loop starting on a dark row: the dark row carries corner 1 off and the loop bytes",
         {row("1", {0, 0, 0, 0}, "S  1 / 4 x"), row("1", {1, 0, 0, 0}, "S  1 / 4 x"),
          row("1", {2, 0, 0, 0}, "S  1 / 4 x")},
         bytesOf({0xE2, 10, 0, 3, 2, 0x82, 1, 0x82, 2})},
        {"a loop of dark rows: its first row carries corner 1 off and the loop bytes",
         {row("1", {0, 0, 0, 0}, "S  1 / 5 x"), row("1", {0, 0, 0, 0}, "S  1 / 5 x"),
          row("1", {1, 0, 0, 0}, "S  2 / 3 x"), row("1", {2, 0, 0, 0}, "S  2 / 3 x")},
         bytesOf({0xE2, 10, 0, 4, 1, 0x80, 0xA2, 1, 2, 1, 0x82, 2})},
        {"a dark row inside a loop stays a bare control byte",
         {row("1", {1, 0, 0, 0}, "S  1 / 2 x"), row("1", {0, 0, 0, 0}, "S  1 / 2 x")},
         bytesOf({0xE2, 10, 1, 1, 1, 0x80})},
        {"two-digit loop number and repeat count",
         {row("1", {1, 0, 0, 0}, "S 12 / 20 x"), row("1", {2, 0, 0, 0}, "S 12 / 20 x")},
         bytesOf({0xE2, 10, 1, 19, 1, 0x82, 2})},
    };
    for (const auto& c : cases) {
        const DataImage image = build(documentOf(c.rows));
        ASSERT_EQ(image.outcome, ImageOutcome::Ok) << c.name;
        const int end = kFirstSectionIndex + c.section.size() - 1;
        EXPECT_EQ(slice(image, kFirstSectionIndex, end), c.section) << c.name;
        EXPECT_EQ(image.length, end) << c.name;
        EXPECT_EQ(address(image, 1), end) << c.name;
        EXPECT_EQ(address(image, 3), end + 1) << c.name;
    }
}

// The module repeats `length + 1` records from the one that carries the loop bytes: a dark
// first row has to be that record, or the repeated run is shifted by one row.
TEST(ImageBuilder, LoopOnADarkFirstRowStartsOnThatRow) {
    const DataImage image =
        build(documentOf({row("0,5", {0, 0, 0, 0}, "S  1 / 3 x"),
                          row("0,5", {1, 0, 0, 0}, "S  1 / 3 x"), row("0,5", {2, 0, 0, 0})}));
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(slice(image, 1, 4), bytesOf({0, 18, 0, 19}));
    EXPECT_EQ(slice(image, 10, 19), bytesOf({226, 5, 0, 2, 1, 130, 1, 130, 2, 0}));
    EXPECT_EQ(image.length, 18);

    // A single dark row that is a loop is worth sending now: it carries the loop.
    const DataImage alone = build(documentOf({row("0", {0, 0, 0, 0}, "S  1 / 2 x")}));
    ASSERT_EQ(alone.outcome, ImageOutcome::Ok);
    EXPECT_EQ(slice(alone, 10, 14), bytesOf({0xA2, 0, 1, 0, 0}));
    EXPECT_EQ(alone.length, 13);
}

TEST(ImageBuilder, GoodbyeFollowsWelcomeAndStartsAtTenWithoutWelcome) {
    const Sequence goodbye = {row("1", {0, 3, 0, 0}), row("1", {0, 3, 0, 0})};

    const DataImage both = build(documentOf({row("1", {1, 0, 0, 0})}, goodbye));
    ASSERT_EQ(both.outcome, ImageOutcome::Ok);
    // Each table starts afresh with previous time 0, so the goodbye's first row has its time.
    EXPECT_EQ(slice(both, 10, 16), bytesOf({0xC2, 10, 1, 0xC4, 10, 3, 0x84}));
    EXPECT_EQ(slice(both, 17, 18), bytesOf({3, 0}));
    EXPECT_EQ(address(both, 1), 12);
    EXPECT_EQ(address(both, 3), 17);
    EXPECT_EQ(both.length, 17);

    const DataImage onlyGoodbye = build(documentOf({}, goodbye));
    ASSERT_EQ(onlyGoodbye.outcome, ImageOutcome::Ok);
    EXPECT_EQ(slice(onlyGoodbye, 10, 14), bytesOf({0xC4, 10, 3, 0x84, 3}));
    EXPECT_EQ(address(onlyGoodbye, 1), 10);
    EXPECT_EQ(address(onlyGoodbye, 3), 14);
    EXPECT_EQ(onlyGoodbye.length, 14);
}

TEST(ImageBuilder, OptionBitsSoftEinAndModuleCode) {
    VehicleOptions o;
    o.abbiegelicht.ticked = true;
    o.standlichtUs.ticked = true;
    o.spiegelLang.ticked = true;
    o.softEin.ticked = true;
    const DataImage image = buildDataImage(documentOf({row("1", {1, 0, 0, 0})}), o, 32, 510);
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(slice(image, 5, 9), bytesOf({32, 1 | 4 | 128, 2, 0, 0}));
}

TEST(ImageBuilder, EachOptionBoxSetsItsOwnBitOfByte6) {
    const struct {
        OptionBox VehicleOptions::*box;
        int bit;
    } cases[] = {
        {&VehicleOptions::abbiegelicht, 1},   {&VehicleOptions::tagfahrlicht, 2},
        {&VehicleOptions::standlichtUs, 4},   {&VehicleOptions::tagfahrlichtStandlicht, 8},
        {&VehicleOptions::comingHomeAuf, 16}, {&VehicleOptions::comingHomeZu, 32},
        {&VehicleOptions::spiegelKurz, 64},   {&VehicleOptions::spiegelLang, 128},
        {&VehicleOptions::softEin, 0},  // byte 7, not byte 6
    };
    for (const auto& c : cases) {
        VehicleOptions o;
        (o.*c.box).ticked = true;
        const DataImage image = build(documentOf({row("1", {1, 0, 0, 0})}), o);
        ASSERT_EQ(image.outcome, ImageOutcome::Ok) << c.bit;
        EXPECT_EQ(image.byteAt(6), c.bit);
    }
}

TEST(ImageBuilder, HoldRecordsWorkedExample) {
    const Document d = documentOf(elevenByteWelcome(), tenByteGoodbye());
    const DataImage plain = build(d);
    ASSERT_EQ(plain.outcome, ImageOutcome::Ok);
    ASSERT_EQ(address(plain, 1), 20);
    ASSERT_EQ(address(plain, 3), 30);

    // "30 Sek." is position 2 (W = 4), "20 Sek." position 1 (G = 3).
    const DataImage image = build(d, holds(true, 2, true, 1));
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(address(image, 1), 24);
    EXPECT_EQ(address(image, 3), 37);
    EXPECT_EQ(image.length, 37);
    EXPECT_EQ(image.byteAt(6), 16 | 32);
    EXPECT_EQ(slice(image, 10, 20), slice(plain, 10, 20));
    EXPECT_EQ(slice(image, 21, 24), bytesOf({192, 100, 128, 128}));
    EXPECT_EQ(slice(image, 25, 34), slice(plain, 21, 30));
    EXPECT_EQ(slice(image, 35, 37), bytesOf({192, 100, 128}));
    EXPECT_EQ(image.byteAt(38), 0);
}

TEST(ImageBuilder, HoldRecordsWithEmptySections) {
    const struct {
        const char* name;
        bool welcomeRows, goodbyeRows;
        VehicleOptions options;
        int welcomeEnd, goodbyeEnd, length;
        QByteArray from10;
    } cases[] = {
        {"only a welcome hold", false, false, holds(true, 2, false, 0), 13, 14, 13,
         bytesOf({192, 100, 128, 128, 0})},
        {"only a goodbye hold", false, false, holds(false, 0, true, 1), 9, 12, 12,
         bytesOf({192, 100, 128, 0})},
        {"both holds, no rows", false, false, holds(true, 2, true, 1), 13, 16, 16,
         bytesOf({192, 100, 128, 128, 192, 100, 128, 0})},
        {"longest welcome hold", false, false, holds(true, 11, false, 0), 22, 23, 22,
         bytesOf({192, 100, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 0})},
        {"welcome rows, goodbye empty, welcome hold", true, false, holds(true, 2, false, 0), 24, 25,
         24, QByteArray()},
        {"welcome rows, goodbye empty, both holds", true, false, holds(true, 2, true, 1), 24, 27,
         27, QByteArray()},
    };
    for (const auto& c : cases) {
        const Document d = documentOf(c.welcomeRows ? elevenByteWelcome() : Sequence{},
                                      c.goodbyeRows ? tenByteGoodbye() : Sequence{});
        const DataImage image = build(d, c.options);
        ASSERT_EQ(image.outcome, ImageOutcome::Ok) << c.name;
        EXPECT_EQ(address(image, 1), c.welcomeEnd) << c.name;
        EXPECT_EQ(address(image, 3), c.goodbyeEnd) << c.name;
        EXPECT_EQ(image.length, c.length) << c.name;
        if (!c.from10.isEmpty())
            EXPECT_EQ(image.bytes.mid(10, c.from10.size()), c.from10) << c.name;
    }
}

TEST(ImageBuilder, WelcomeHoldMovesAGoodbyeThatStartsAtTen) {
    const Document d = documentOf({}, tenByteGoodbye());
    const DataImage plain = build(d);
    const DataImage image = build(d, holds(true, 2, false, 0));
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(address(image, 1), 13);
    EXPECT_EQ(address(image, 3), 23);
    EXPECT_EQ(image.length, 23);
    EXPECT_EQ(slice(image, 10, 13), bytesOf({192, 100, 128, 128}));
    EXPECT_EQ(slice(image, 14, 23), slice(plain, 10, 19));
}

TEST(ImageBuilder, CapacityIsCheckedAtEveryWrittenIndex) {
    const LanguageTable& texts = numberedLanguage();
    const Document one = documentOf({row("1,5", {0, 5, 0, 0})});
    EXPECT_EQ(build(one, {}, 12).outcome, ImageOutcome::Ok);
    EXPECT_EQ(build(one, {}, 11).outcome, ImageOutcome::Capacity);  // the corner byte
    EXPECT_EQ(build(one, {}, 10).outcome, ImageOutcome::Capacity);  // the time byte

    // Before any identification the capacity is 0: the capacity message at once.
    const DataImage none = build(one, {}, 0);
    EXPECT_EQ(none.outcome, ImageOutcome::Capacity);
    EXPECT_EQ(none.message,
              (UserMessage{QStringLiteral("E104\n\nE105"), QStringLiteral("www.kelvor.example"),
                           PromptIcon::Warning}));

    // Hold records that would pass the memory stop the build like rows that do.
    const Document d = documentOf(elevenByteWelcome(), tenByteGoodbye());
    EXPECT_EQ(build(d, holds(true, 2, true, 1), 37).outcome, ImageOutcome::Ok);
    const DataImage over = build(d, holds(true, 2, true, 1), 36);
    EXPECT_EQ(over.outcome, ImageOutcome::Capacity);
    EXPECT_EQ(over.message.text, QStringLiteral("E104\n\nE105"));

    // A capacity beyond the image's own size cannot write past the image.
    Sequence many;
    for (int r = 0; r < 200; ++r) many << row(r % 2 ? "1" : "2", {1, 2, 3, 4});
    EXPECT_EQ(build(documentOf(many, many), {}, 5000).outcome, ImageOutcome::Capacity);
}

TEST(ImageBuilder, ValuesThatDoNotFitTheirByteAreAnOverflow) {
    const struct {
        const char* name;
        Sequence rows;
    } cases[] = {
        {"repeat count 0",
         {row("1", {1, 0, 0, 0}, "S  1 / 0 x"), row("1", {1, 0, 0, 0}, "S  1 / 0 x")}},
        {"on-time of 30 s", {row("30", {1, 0, 0, 0})}},
        {"negative on-time", {row("-1", {1, 0, 0, 0})}},
        {"lamp byte 300", {row("1", {300, 0, 0, 0})}},
    };
    for (const auto& c : cases) {
        const DataImage image = build(documentOf(c.rows));
        EXPECT_EQ(image.outcome, ImageOutcome::Overflow) << c.name;
        EXPECT_EQ(image.message,
                  (UserMessage{QStringLiteral("E107"), kAppTitle, PromptIcon::Warning}))
            << c.name;
    }
    EXPECT_EQ(build(documentOf({row("1", {1, 0, 0, 0})}), holds(true, 12, false, 0)).outcome,
              ImageOutcome::Overflow);
}

TEST(ImageBuilder, TooManyLoopsOrRowsAreRefusedWithAMessage) {
    const auto loops = [](int count) {
        Sequence s;
        for (int l = 1; l <= count; ++l) {
            const QByteArray marker = QStringLiteral("S%1 / 2 x").arg(l, 3).toLatin1();
            s << row("1", {1, 0, 0, 0}, marker.constData())
              << row("1", {2, 0, 0, 0}, marker.constData());
        }
        return s;
    };
    EXPECT_EQ(build(documentOf(loops(20))).outcome, ImageOutcome::Ok);
    const DataImage tooMany = build(documentOf({row("1", {1, 0, 0, 0})}, loops(21)));
    EXPECT_EQ(tooMany.outcome, ImageOutcome::TooManyLoops);
    EXPECT_TRUE(tooMany.message.text.contains(QStringLiteral("20")));
    EXPECT_TRUE(tooMany.message.text.contains(QStringLiteral("E201")));

    Sequence rows(kMaxRows + 1, row("1", {1, 0, 0, 0}));
    const DataImage tooLong = build(documentOf(rows));
    EXPECT_EQ(tooLong.outcome, ImageOutcome::TooManyRows);
    EXPECT_TRUE(tooLong.message.text.contains(QStringLiteral("500")));
}

TEST(ImageBuilder, NothingToSendIsOneControlByteOrNothing) {
    const struct {
        const char* name;
        Document document;
        VehicleOptions options;
    } cases[] = {
        {"empty document", Document{}, {}},
        {"one dark row without a time byte", documentOf({row("0", {0, 0, 0, 0})}), {}},
        {"one dark goodbye row", documentOf({}, {row("0", {0, 0, 0, 0})}), {}},
        {"one control byte even with a hold", documentOf({row("0", {0, 0, 0, 0})}),
         holds(true, 2, false, 0)},
    };
    for (const auto& c : cases) {
        const DataImage image = build(c.document, c.options);
        EXPECT_EQ(image.outcome, ImageOutcome::NothingToSend) << c.name;
        EXPECT_TRUE(image.message.isEmpty()) << c.name;
    }
    EXPECT_EQ(build(documentOf({row("0,1", {0, 0, 0, 0})})).length, 11);
}
