#include <gtest/gtest.h>

#include "image/image_builder.h"
#include "sequence/loop_numbering.h"
#include "sequence/transforms.h"
#include "simulation/loop_table.h"
#include "simulation/playback_steps.h"
#include "tests/core/sequence_fixtures.h"
#include "text/text_ids.h"

using namespace vireo;
using namespace vireo::test;

namespace {

// A table with a different byte on each corner, a loop over rows 2-3 and one over rows 5-6.
Sequence loopedTable() {
    return {Step{"0,1", "", {1, 2, 3, 4}},    Step{"0,2", A, {5, 6, 7, 8}},
            Step{"0,3", A, {9, 10, 11, 12}},  Step{"0,4", "", {13, 14, 15, 16}},
            Step{"0,5", B, {17, 18, 19, 20}}, Step{"0,6", B, {21, 22, 23, 24}}};
}

// What playback shows, step by step: the lamps and the on-time of each shown row.
QVector<std::pair<LampBytes, int>> shownLamps(const Sequence& rows) {
    QVector<std::pair<LampBytes, int>> shown;
    for (const ShownStep& s : playbackSteps(rows, 0, 1000)) shown.append({rows[s.row].lamps, s.ms});
    return shown;
}

}  // namespace

class Transforms : public ::testing::Test, protected EditFixture {};

TEST(TransformsMirror, SwapsFrontAndRearCornersOfTheSelectedRowsOrAll) {
    struct Case {
        const char* name;
        Selection selection;
        QVector<LampBytes> expected;
    };
    const Sequence rows = {Step{"1", "", {1, 2, 3, 4}}, Step{"1", "", {16, 0, 16, 16}},
                           Step{"1", "", {63, 0, 0, 5}}};
    const Case cases[] = {
        {"none selected: all rows", {}, {{2, 1, 4, 3}, {0, 16, 16, 16}, {0, 63, 5, 0}}},
        {"rows 1 and 3", positions({1, 3}), {{2, 1, 4, 3}, {16, 0, 16, 16}, {0, 63, 5, 0}}},
        {"row 2 only", positions({2}), {{1, 2, 3, 4}, {0, 16, 16, 16}, {63, 0, 0, 5}}},
    };
    for (const Case& c : cases) {
        const auto out = mirrorRows(rows, c.selection);
        ASSERT_TRUE(out) << c.name;
        ASSERT_EQ(out->rows.size(), 3) << c.name;
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(out->rows[r].lamps, c.expected[r]) << c.name << " row " << r + 1;
            EXPECT_EQ(out->rows[r].time, rows[r].time);
        }
        EXPECT_EQ(out->selection, c.selection) << c.name;
        EXPECT_EQ(out->labelEntry, text::MirrorRows);
    }
    EXPECT_FALSE(mirrorRows({}, {}));
}

TEST_F(Transforms, ReverseKeepsLoopsOverTheirRows) {
    struct Case {
        const char* name;
        Selection selection;
        QStringList times;
        QStringList markers;
    };
    const QString a = A, b = B;
    const Case cases[] = {
        // Loop B comes first now and becomes loop 1; loop A becomes loop 2.
        {"whole table",
         {},
         {"0,6", "0,5", "0,4", "0,3", "0,2", "0,1"},
         {loopMarker(1, 2), loopMarker(1, 2), "", loopMarker(2, 3), loopMarker(2, 3), ""}},
        {"rows 1-4 with loop A inside",
         positionRange(1, 4),
         {"0,4", "0,3", "0,2", "0,1", "0,5", "0,6"},
         {"", a, a, "", b, b}},
        {"two runs: rows 1 and 4 alone, rows 5-6",
         positions({1, 4, 5, 6}),
         {"0,1", "0,2", "0,3", "0,6", "0,5", "0,4"},
         {"", a, a, b, b, ""}},
        {"the loop's rows alone",
         positionRange(2, 3),
         {"0,1", "0,3", "0,2", "0,4", "0,5", "0,6"},
         {"", a, a, "", b, b}},
    };
    for (const Case& c : cases) {
        const auto out = reverseRows(loopedTable(), c.selection, context);
        ASSERT_TRUE(out) << c.name;
        EXPECT_EQ(times(out->rows), c.times) << c.name;
        EXPECT_EQ(markers(out->rows), c.markers) << c.name;
        EXPECT_EQ(out->selection, c.selection) << c.name;
    }
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(Transforms, ReverseRefusesASelectionThatCutsALoopAndNamesIt) {
    struct Case {
        Selection selection;
        int loop;
    };
    const Case cases[] = {{positionRange(1, 2), 1},
                          {positionRange(3, 5), 1},
                          {positions({6}), 2},
                          {positionRange(4, 5), 2}};
    for (const Case& c : cases) {
        prompter.prompts.clear();
        EXPECT_FALSE(reverseRows(loopedTable(), c.selection, context));
        ASSERT_EQ(prompter.count("message"), 1);
        EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("E339 %1").arg(c.loop));
    }
}

TEST_F(Transforms, MirrorTwiceAndReverseTwiceGiveTheOriginal) {
    const Sequence original = loopedTable();
    for (const Selection& sel : {Selection{}, positionRange(1, 4), positions({1, 4, 5, 6})}) {
        const auto mirrored = mirrorRows(original, sel);
        EXPECT_EQ(mirrorRows(mirrored->rows, sel)->rows, original);
        const auto reversed = reverseRows(original, sel, context);
        EXPECT_EQ(reverseRows(reversed->rows, sel, context)->rows, original);
    }
}

TEST_F(Transforms, ReversedTablePlaysTheOriginalBackwardsLoopsIncluded) {
    const Sequence original = loopedTable();
    auto forward = shownLamps(original);
    ASSERT_EQ(forward.size(), 1 + 3 * 2 + 1 + 2 * 2);  // loop A three times, loop B twice
    std::reverse(forward.begin(), forward.end());
    EXPECT_EQ(shownLamps(reverseRows(original, {}, context)->rows), forward);
}

// The image the module would get of a welcome sequence.
static QByteArray imageOf(const Sequence& rows) {
    Document d;
    d.sequences[kWelcome] = rows;
    const DataImage image = buildDataImage(d, VehicleOptions{}, 0, kImageSize - 1);
    EXPECT_EQ(image.outcome, ImageOutcome::Ok);
    return image.bytes.left(image.length + 1);
}

TEST_F(Transforms, ReverseAndGoodbyeNumberTheLoopsInRowOrderAndPlayAndBuildAsBefore) {
    // Loops numbered 3, 1, 2 from the top, as a file may hold them.
    const QString c3 = loopMarker(3, 4), a1 = loopMarker(1, 3), b2 = loopMarker(2, 2);
    const Sequence rows = {Step{"0,1", c3, {1, 0, 0, 0}},  Step{"0,2", c3, {2, 0, 0, 0}},
                           Step{"0,3", "", {4, 0, 0, 0}},  Step{"0,4", a1, {8, 0, 0, 0}},
                           Step{"0,4", a1, {16, 0, 0, 0}}, Step{"0,5", b2, {0, 1, 0, 0}},
                           Step{"0,6", b2, {0, 2, 0, 0}},  Step{"0,7", "", {0, 4, 0, 0}}};
    Sequence backwards(rows.rbegin(), rows.rend());
    Document doc;
    doc.sequences[kWelcome] = rows;
    struct Case {
        const char* name;
        std::optional<EditOutcome> out;
        Sequence plain;  // the same rows with their old numbers
        QStringList markers;
    };
    Sequence firstFour = rows;
    std::reverse(firstFour.begin(), firstFour.begin() + 5);
    const Case cases[] = {
        {"whole table",
         reverseRows(rows, {}, context),
         backwards,
         {"", loopMarker(1, 2), loopMarker(1, 2), loopMarker(2, 3), loopMarker(2, 3), "",
          loopMarker(3, 4), loopMarker(3, 4)}},
        {"rows 1-5",
         reverseRows(rows, positionRange(1, 5), context),
         firstFour,
         {loopMarker(1, 3), loopMarker(1, 3), "", loopMarker(2, 4), loopMarker(2, 4),
          loopMarker(3, 2), loopMarker(3, 2), ""}},
        {"goodbye from welcome",
         goodbyeFromWelcome(doc, context),
         backwards,
         {"", loopMarker(1, 2), loopMarker(1, 2), loopMarker(2, 3), loopMarker(2, 3), "",
          loopMarker(3, 4), loopMarker(3, 4)}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.out) << c.name;
        EXPECT_EQ(markers(c.out->rows), c.markers) << c.name;
        EXPECT_EQ(times(c.out->rows), times(c.plain)) << c.name;
        // The renumbering changes no byte of the image and nothing the playback shows.
        EXPECT_EQ(imageOf(c.out->rows), imageOf(c.plain)) << c.name;
        EXPECT_EQ(playbackSteps(c.out->rows, 0, 1000), playbackSteps(c.plain, 0, 1000)) << c.name;
        EXPECT_EQ(buildLoopTable(c.out->rows), buildLoopTable(c.plain)) << c.name;
    }
}

TEST(LoopNumbering, KeepsSharedNumbersAndLeavesMarkersItCannotRenumber) {
    // Two runs under one number are one loop to the module: they keep sharing a number.
    const Sequence shared = table({loopMarker(7, 2), loopMarker(7, 2), "", loopMarker(4, 3),
                                   loopMarker(4, 3), loopMarker(7, 2), loopMarker(7, 2)});
    EXPECT_EQ(markers(withLoopsInRowOrder(shared)),
              QStringList({loopMarker(1, 2), loopMarker(1, 2), "", loopMarker(2, 3),
                           loopMarker(2, 3), loopMarker(1, 2), loopMarker(1, 2)}));
    EXPECT_EQ(imageOf(withLoopsInRowOrder(shared)), imageOf(shared));
    EXPECT_EQ(playbackSteps(withLoopsInRowOrder(shared), 0, 1000), playbackSteps(shared, 0, 1000));
    // A marker written by hand with its number out of place leaves the table as it is.
    const Sequence odd = table({loopMarker(2, 2), loopMarker(2, 2), "S 1 / 3 x", "S 1 / 3 x"});
    EXPECT_EQ(withLoopsInRowOrder(odd), odd);
    EXPECT_EQ(withLoopsInRowOrder(table({"", ""})), table({"", ""}));
}

TEST(TransformsStretch, ScalesRoundsAndClampsTheOnTimes) {
    struct Case {
        const char* time;
        double factor;
        const char* expected;
    };
    const Case cases[] = {
        {"1", 2.0, "2"},     {"0,3", 1.5, "0,5"}, {"1,5", 0.5, "0,8"}, {"0.2", 0.1, "0,1"},
        {"0,1", 0.1, "0,1"}, {"6", 2.0, "10"},    {"2,5", 10.0, "10"}, {"0,7", 1.0, "0,7"},
        {"0.7", 1.0, "0.7"}, {"0,4", 2.5, "1"},   {"3", 0.33, "1"},    {"12", 1.0, "10"},
    };
    for (const Case& c : cases) {
        const Sequence rows = {Step{c.time, A, {1, 0, 0, 0}}};
        const auto out = stretchRows(rows, {}, c.factor);
        ASSERT_TRUE(out) << c.time << " x " << c.factor;
        EXPECT_EQ(out->rows[0], (Step{c.expected, A, {1, 0, 0, 0}})) << c.time << " x " << c.factor;
    }
    // Only the selected rows; a factor outside 0.1 to 10 does nothing.
    const auto some = stretchRows(plainTable(3), positions({2}), 3.0);
    EXPECT_EQ(times(some->rows), QStringList({"1", "6", "3"}));
    EXPECT_FALSE(stretchRows(plainTable(3), {}, 0.09));
    EXPECT_FALSE(stretchRows(plainTable(3), {}, 10.01));
}

TEST_F(Transforms, GoodbyeFromWelcomeAsksBeforeReplacingRows) {
    Document doc;
    doc.sequences[kWelcome] = loopedTable();
    const auto fresh = goodbyeFromWelcome(doc, context);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(times(fresh->rows), QStringList({"0,6", "0,5", "0,4", "0,3", "0,2", "0,1"}));
    EXPECT_EQ(markers(fresh->rows), QStringList({loopMarker(1, 2), loopMarker(1, 2), "",
                                                 loopMarker(2, 3), loopMarker(2, 3), ""}));
    EXPECT_TRUE(prompter.prompts.empty());

    doc.sequences[kGoodbye] = plainTable(2);
    prompter.questionAnswers = {false, true};
    EXPECT_FALSE(goodbyeFromWelcome(doc, context));
    const auto replaced = goodbyeFromWelcome(doc, context);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->rows, fresh->rows);
    EXPECT_EQ(prompter.count("question"), 2);

    // No welcome rows: the goodbye rows stay, nothing is asked.
    doc.sequences[kWelcome].clear();
    EXPECT_FALSE(goodbyeFromWelcome(doc, context));
    EXPECT_EQ(prompter.count("question"), 2);
}
