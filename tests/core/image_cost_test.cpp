#include "image/image_cost.h"

#include <gtest/gtest.h>

#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

namespace {

constexpr int kModel111 = 30;

ImageCost costOf(const Document& d, const VehicleOptions& o = {}, int capacity = 510) {
    return imageCost(d, o, kModel111, capacity, numberedLanguage());
}

VehicleOptions holds(bool welcomeOn, int welcomePos, bool goodbyeOn, int goodbyePos) {
    VehicleOptions o;
    o.comingHomeAuf.ticked = welcomeOn;
    o.welcomeHold = welcomePos;
    o.comingHomeZu.ticked = goodbyeOn;
    o.goodbyeHold = goodbyePos;
    return o;
}

// Rows that alternate their on-time, so every row carries a time byte and 4 corner bytes.
Sequence sixByteRows(int count) {
    Sequence rows;
    for (int r = 0; r < count; ++r) rows << row(r % 2 ? "1" : "2", {1, 2, 3, 4});
    return rows;
}

// The parts of an image that does fit add up to what the builder sends.
void expectPartsMakeTheImage(const Document& d, const VehicleOptions& o) {
    const ImageCost cost = costOf(d, o, kImageSize - 1);
    const DataImage image = buildDataImage(d, o, kModel111, kImageSize - 1);
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    EXPECT_EQ(cost.total, image.length);
    EXPECT_EQ(cost.header + cost.sequenceBytes(kWelcome) + cost.sequenceBytes(kGoodbye) +
                  cost.holdBytes(),
              image.length);
}

}  // namespace

TEST(ImageCost, BytesOfEachRow) {
    const struct {
        const char* name;
        Sequence rows;
        std::vector<RowBytes> bytes;  // control, time, corners, loop
    } cases[] = {
        {"first row has a time byte", {row("1,5", {0, 5, 0, 0})}, {{1, 1, 1, 0}}},
        {"same time, no time byte",
         {row("1", {1, 0, 0, 0}), row("1,0", {0, 2, 0, 3})},
         {{1, 1, 1, 0}, {1, 0, 2, 0}}},
        {"other time, time byte",
         {row("1", {1, 0, 0, 0}), row("2", {1, 0, 0, 0})},
         {{1, 1, 1, 0}, {1, 1, 1, 0}}},
        {"rear middle lamp alone counts once", {row("1", {0, 0, 16, 16})}, {{1, 1, 1, 0}}},
        {"rear middle lamp with another rear lamp", {row("1", {0, 0, 16, 17})}, {{1, 1, 2, 0}}},
        {"dark row",
         {row("1", {1, 0, 0, 0}), row("1", {0, 0, 0, 0})},
         {{1, 1, 1, 0}, {1, 0, 0, 0}}},
        {"a loop's first step carries the loop bytes",
         {row("1", {1, 2, 0, 0}, "S  1 / 3 x"), row("1", {0, 0, 0, 4}, "S  1 / 3 x"),
          row("1", {0, 0, 0, 4})},
         {{1, 1, 2, 2}, {1, 0, 1, 0}, {1, 0, 1, 0}}},
        {"a dark first step of a loop gets corner 1",
         {row("1", {0, 0, 0, 0}, "S  1 / 2 x"), row("1", {1, 0, 0, 0}, "S  1 / 2 x")},
         {{1, 1, 1, 2}, {1, 0, 1, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageCost cost = costOf(documentOf(c.rows));
        ASSERT_EQ(cost.outcome, ImageOutcome::Ok);
        EXPECT_EQ(cost.rows[kWelcome], c.bytes);
        EXPECT_EQ(cost.header, 9);
        expectPartsMakeTheImage(documentOf(c.rows), {});
    }
}

TEST(ImageCost, HoldRecordsAndBothSequences) {
    const Document d = documentOf({row("1", {1, 2, 3, 4})}, {row("1,5", {0, 0, 16, 16})});
    const ImageCost cost = costOf(d, holds(true, 2, true, 0));
    EXPECT_EQ(cost.welcomeHold, 4);  // position 2: one 10 s step with its time byte, then two more
    EXPECT_EQ(cost.goodbyeHold, 2);
    EXPECT_EQ(cost.sequenceBytes(kWelcome), 6);
    EXPECT_EQ(cost.sequenceBytes(kGoodbye), 3);
    EXPECT_EQ(cost.total, 9 + 6 + 3 + 4 + 2);
    EXPECT_EQ(cost.freeBytes(), 510 - 24);
    expectPartsMakeTheImage(d, holds(true, 2, true, 0));
    // Holds with empty sequences shift the sections; the parts still make the image.
    expectPartsMakeTheImage(documentOf({}, {row("1", {1, 0, 0, 0})}), holds(true, 11, true, 3));
    expectPartsMakeTheImage(documentOf({row("1", {1, 0, 0, 0})}), holds(true, 0, true, 5));
    expectPartsMakeTheImage(documentOf({}), holds(true, 1, true, 1));
}

TEST(ImageCost, AboveTheCapacityTheTotalIsWhatTheImageWouldNeed) {
    // 300 rows of 6 bytes: far beyond even the largest image.
    const Document d = documentOf(sixByteRows(300), sixByteRows(10));
    const ImageCost cost = costOf(d, holds(true, 0, false, 0));
    ASSERT_EQ(cost.outcome, ImageOutcome::Ok);
    EXPECT_EQ(cost.total, 9 + 1800 + 2 + 60);
    EXPECT_EQ(cost.excess(), 9 + 1800 + 2 + 60 - 510);
    EXPECT_EQ(cost.freeBytes(), 0);
    // Row 83 (0-based) ends at byte 9 + 84 * 6 = 513, the first past 510.
    EXPECT_EQ(cost.firstRowBeyond(kWelcome), 83);
    EXPECT_EQ(cost.firstRowBeyond(kGoodbye), 0);

    // The goodbye rows come after the welcome rows and the welcome hold record.
    const ImageCost small =
        costOf(documentOf(sixByteRows(80), sixByteRows(10)), holds(true, 0, false, 0));
    EXPECT_EQ(small.firstRowBeyond(kWelcome), -1);
    // 9 + 480 + 2 = 491; goodbye row 3 ends at 491 + 24 = 515.
    EXPECT_EQ(small.firstRowBeyond(kGoodbye), 3);
}

// A row whose last byte is the memory's last byte fits; one byte less and it is the first beyond.
TEST(ImageCost, ARowEndingOnTheLastByteFits) {
    const Document d = documentOf(sixByteRows(80));  // 9 + 480 = 489 bytes
    const ImageCost exact = costOf(d, {}, 489);
    EXPECT_EQ(exact.total, 489);
    EXPECT_EQ(exact.firstRowBeyond(kWelcome), -1);
    EXPECT_EQ(exact.excess(), 0);
    EXPECT_EQ(exact.freeBytes(), 0);
    const ImageCost short1 = costOf(d, {}, 488);
    EXPECT_EQ(short1.firstRowBeyond(kWelcome), 79);
    EXPECT_EQ(short1.excess(), 1);
}

// The welcome hold record lies between the welcome and the goodbye rows; the goodbye hold comes
// after them. Each is read from its own setting.
TEST(ImageCost, TheWelcomeHoldRecordComesBeforeTheGoodbyeRows) {
    const Document d = documentOf(sixByteRows(80), sixByteRows(10));
    const struct {
        const char* name;
        VehicleOptions options;
        int welcomeHold, goodbyeHold, firstGoodbyeRowBeyond;
    } cases[] = {
        // 9 + 480 + 2 = 491: goodbye row 3 ends at 515.
        {"welcome hold at 0", holds(true, 0, false, 0), 2, 0, 3},
        // 9 + 480 + 13 = 502: goodbye row 0 ends at 508, row 1 at 514.
        {"welcome hold at 11", holds(true, 11, false, 0), 13, 0, 1},
        // 9 + 480 = 489: goodbye row 3 ends at 513; the goodbye hold follows the rows.
        {"goodbye hold at 11", holds(false, 0, true, 11), 0, 13, 3},
        {"both", holds(true, 11, true, 4), 13, 6, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageCost cost = costOf(d, c.options);
        EXPECT_EQ(cost.welcomeHold, c.welcomeHold);
        EXPECT_EQ(cost.goodbyeHold, c.goodbyeHold);
        EXPECT_EQ(cost.firstRowBeyond(kWelcome), -1);
        EXPECT_EQ(cost.firstRowBeyond(kGoodbye), c.firstGoodbyeRowBeyond);
    }
}

TEST(ImageCost, NoFiguresWhenTheImageCannotBeBuilt) {
    const ImageCost tooLong = costOf(documentOf({row("30", {1, 0, 0, 0})}));
    EXPECT_EQ(tooLong.outcome, ImageOutcome::Overflow);
    EXPECT_EQ(tooLong.total, 0);
    EXPECT_FALSE(tooLong.message.isEmpty());

    const ImageCost empty = costOf(documentOf({}));
    EXPECT_EQ(empty.outcome, ImageOutcome::NothingToSend);
    EXPECT_EQ(empty.total, 0);
    EXPECT_EQ(empty.header, 0);
}
