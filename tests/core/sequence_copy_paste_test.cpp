#include <gtest/gtest.h>

#include "sequence/copy_buffer.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_check.h"
#include "sequence/step_commands.h"
#include "tests/core/sequence_fixtures.h"

using namespace vireo;
using namespace vireo::test;

class CopyPaste : public ::testing::Test, protected EditFixture {
  protected:
    CopyBuffer buffer;
};

TEST_F(CopyPaste, CutOfLoopRowsKeepsTwoRowLoopsAndClearsAOneRowRemnant) {
    const struct {
        std::initializer_list<int> cut;
        QStringList markers;
    } cases[] = {
        {{3}, {"", A, A, ""}},   // middle of a three-row loop
        {{2, 3}, {"", "", ""}},  // two of three: the last loop row is left alone
        {{3, 4}, {"", "", ""}},  // two of three: the first loop row is left alone
    };
    for (const auto& c : cases) {
        const Sequence rows = table({"", A, A, A, ""});
        const auto out = cutRows(rows, positions(c.cut, *c.cut.begin()), buffer, context);
        ASSERT_TRUE(out);
        EXPECT_EQ(markers(out->rows), c.markers) << *c.cut.begin();
        EXPECT_EQ(buffer.entries().size(), int(c.cut.size()));
    }
}

TEST(LoopTidy, RemovesMarkersLeftOnSingleRows) {
    const struct {
        QStringList before, after;
    } cases[] = {
        {{"", A, A, ""}, {"", A, A, ""}}, {{"", A, ""}, {"", "", ""}},
        {{"", "", A}, {"", "", ""}},      {{A, A, B}, {A, A, ""}},
        {{A, B, C, C}, {"", "", C, C}},  // needs the second pass
    };
    for (const auto& c : cases) {
        Sequence rows;
        for (const QString& m : c.before) rows.append(Step{"1", m, {}});
        EXPECT_EQ(markers(tidyMarkers(tidyMarkers(rows))), c.after)
            << c.before.join('|').toStdString();
    }
}

TEST_F(CopyPaste, PasteBeforeTheCurrentRowInBufferOrder) {
    const Sequence rows = plainTable(6);
    ASSERT_TRUE(copyRows(rows, positions({1, 2}, 2), buffer, context));
    const auto out = pasteRows(rows, positions({5}, 5), buffer, context);
    ASSERT_TRUE(out);
    EXPECT_EQ(times(out->rows), QStringList({"1", "2", "3", "4", "1", "2", "5", "6"}));
    EXPECT_EQ(out->rows[4].lamps, rows[0].lamps);

    const auto atEnd = pasteRowsAtEnd(out->rows, positions({1}, 1), buffer, context);
    ASSERT_TRUE(atEnd);
    EXPECT_EQ(times(atEnd->rows).mid(8), QStringList({"1", "2"}));
    EXPECT_EQ(buffer.entries().size(), 2);  // pasting keeps the buffer
}

TEST_F(CopyPaste, PastedLoopRowsBesideTheirOwnLoopLoseTheirMarkers) {
    const Sequence rows = table({"", A, A, "", ""});
    ASSERT_TRUE(copyRows(rows, positions({2, 3}, 2), buffer, context));
    const auto out = pasteRows(rows, positions({5}, 5), buffer, context);
    ASSERT_TRUE(out);
    EXPECT_EQ(markers(out->rows), QStringList({"", A, A, "", "", "", ""}));

    // Pasted into another table the copies keep their loop.
    const auto other = pasteRowsAtEnd(plainTable(1), positions({1}, 1), buffer, context);
    ASSERT_TRUE(other);
    EXPECT_EQ(markers(other->rows), QStringList({"", A, A}));
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(CopyPaste, CommandsWithoutCurrentRowOrSelectionDoNothing) {
    buffer.set(plainTable(1));
    const Sequence rows = plainTable(3);
    EXPECT_FALSE(copyRows(rows, positions({1}), buffer, context));
    EXPECT_FALSE(copyRows(rows, positions({}, 1), buffer, context));
    EXPECT_FALSE(cutRows(rows, positions({}, 1), buffer, context));
    EXPECT_FALSE(pasteRows(rows, positions({1}), buffer, context));
    EXPECT_FALSE(pasteRowsAtEnd(rows, positions({1}), buffer, context));
    EXPECT_EQ(buffer.entries(), plainTable(1));
    EXPECT_FALSE(pasteRows(rows, positions({1}, 1), CopyBuffer{}, context));
}

TEST_F(CopyPaste, LimitsRefuseWithAMessageAndChangeNothing) {
    buffer.set(plainTable(1));
    EXPECT_FALSE(copyRows(plainTable(60), positionRange(1, 52, 1), buffer, context));
    EXPECT_FALSE(cutRows(plainTable(60), positionRange(1, 52, 1), buffer, context));
    EXPECT_EQ(buffer.entries(), plainTable(1));
    EXPECT_TRUE(copyRows(plainTable(60), positionRange(1, 51, 1), buffer, context));

    EXPECT_FALSE(pasteRows(plainTable(kMaxRows - 50), positions({1}, 1), buffer, context));
    EXPECT_TRUE(pasteRowsAtEnd(plainTable(kMaxRows - 51), positions({1}, 1), buffer, context));
    EXPECT_EQ(prompter.texts(), QStringList({kTooManyToCopy, kTooManyToCopy, kTooManyRows}));
}

TEST(LoopCheck, RefusesMoreThan20RunsOrMoreThan5SecondRuns) {
    Sequence twenty;
    for (int n = 1; n <= 20; ++n)
        twenty << Step{"1", loopMarker(n, 2), {}} << Step{"1", loopMarker(n, 2), {}};
    EXPECT_FALSE(checkLoops(twenty).refusal);
    Sequence more = twenty;
    more << Step{"1", loopMarker(21, 2), {}} << Step{"1", loopMarker(21, 2), {}};
    EXPECT_EQ(checkLoops(more).refusal, EditLimit::TooManyLoops);

    Sequence split;  // A, then five more separate runs of A
    for (int i = 0; i < 6; ++i) split << Step{"1", A, {}} << Step{"1", A, {}} << Step{"1", "", {}};
    EXPECT_FALSE(checkLoops(split).refusal);
    EXPECT_EQ(markers(checkLoops(split).rows).count(A), 2);
    split << Step{"1", A, {}};
    EXPECT_EQ(checkLoops(split).refusal, EditLimit::TooManySplitRuns);
}

TEST(TableMenu, PasteNeedsABufferAndTheMenuNeedsRows) {
    CopyBuffer buffer;
    EXPECT_FALSE(tableMenuState(0, buffer).shown);
    TableMenuState s = tableMenuState(3, buffer);
    EXPECT_TRUE(s.shown && s.copyEnabled && s.cutEnabled);
    EXPECT_FALSE(s.pasteEnabled || s.pasteAtEndEnabled);
    buffer.set(plainTable(1));
    s = tableMenuState(3, buffer);
    EXPECT_TRUE(s.pasteEnabled && s.pasteAtEndEnabled);
}

// A row put into a loop, or one marked row pasted, leaves no loop of one row behind.
TEST_F(CopyPaste, InsertAndPasteLeaveNoLoopOfOneRow) {
    // Rows 1-2 are a loop; a row inserted between them (no row selected, row 2 current) splits it.
    const auto inserted = insertRow(table({A, A, ""}), positions({}, 2), 10, context);
    ASSERT_TRUE(inserted);
    EXPECT_EQ(markers(inserted->rows), QStringList({"", "", "", ""}));

    // One row of a loop, pasted into a table without that loop.
    ASSERT_TRUE(copyRows(table({A, A}), positions({2}, 2), buffer, context));
    const auto pasted = pasteRowsAtEnd(table({"", B, B}), positions({1}, 1), buffer, context);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(markers(pasted->rows), QStringList({"", B, B, ""}));
    EXPECT_TRUE(prompter.prompts.empty());
}

// The tidy passes leave a marker alone on the last row after one unmarked row; cut clears it.
TEST_F(CopyPaste, CutLeavesNoLoopOfOneRowOnTheLastRow) {
    const Sequence rows = table({A, A, "", B, B});
    EXPECT_EQ(markers(tidyMarkers(tidyMarkers(table({A, A, "", B})))), QStringList({A, A, "", B}));
    const auto out = cutRows(rows, positions({5}, 5), buffer, context);
    ASSERT_TRUE(out);
    EXPECT_EQ(markers(out->rows), QStringList({A, A, "", ""}));
}
