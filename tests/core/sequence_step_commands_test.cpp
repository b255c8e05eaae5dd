#include <gtest/gtest.h>

#include "sequence/edit_limits.h"
#include "sequence/step_commands.h"
#include "sequence/step_table.h"
#include "tests/core/sequence_fixtures.h"
#include "text/language.h"

using namespace vireo;
using namespace vireo::test;

class StepCommands : public ::testing::Test, protected EditFixture {};

TEST_F(StepCommands, AppendWritesTheSliderTimeAnEmptyMarkerAndTheLamps) {
    const auto out = appendStep(plainTable(2), {}, 15, LampBytes{5, 6, 7, 8}, context);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->rows.size(), 3);
    EXPECT_EQ(out->rows[2], (Step{"1,5", "", LampBytes{5, 6, 7, 8}}));
    EXPECT_TRUE(out->lampsOff);
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(StepCommands, AppendRefusesA501stStepWithAMessage) {
    EXPECT_FALSE(appendStep(plainTable(kMaxRows), {}, 10, LampBytes{}, context));
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts[0].text, "E216 500");
    EXPECT_TRUE(appendStep(plainTable(kMaxRows - 1), {}, 10, LampBytes{}, context));
}

TEST(StepTable, ShownRowIsTheFirstSelectedOrTheLast) {
    EXPECT_EQ(shownRow(plainTable(5), positions({2, 5})), 1);
    EXPECT_EQ(shownRow(plainTable(5), {}), 4);
    EXPECT_EQ(shownRow({}, {}), -1);
    EXPECT_EQ(positionText(1, LanguageTable::builtIn()), "Position 2");
    EXPECT_EQ(positionText(-1, LanguageTable::builtIn()), "Position 0");
}

TEST(StepCommandsChange, OneRowTakesTheLampsSeveralRowsOnlyTheTime) {
    const LampBytes lamps{9, 9, 9, 9};
    const auto two = changeRows(plainTable(5), positions({2, 4}), 25, lamps);
    ASSERT_TRUE(two);
    EXPECT_EQ(times(two->rows), QStringList({"1", "2,5", "3", "2,5", "5"}));
    EXPECT_EQ(two->rows[1].lamps, (LampBytes{2, 0, 0, 0}));
    EXPECT_EQ(two->rows[3].lamps, (LampBytes{4, 0, 0, 0}));

    Sequence looped = table({"", A, A});
    const auto one = changeRows(looped, positions({3}), 25, lamps);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->rows[2], (Step{"2,5", A, lamps}));

    EXPECT_FALSE(changeRows(plainTable(5), {}, 25, lamps));
}

TEST_F(StepCommands, InsertPutsTheNewRowAtTheCurrentRow) {
    const auto out = insertRow(plainTable(5), positions({3}, 3), 10, context);
    ASSERT_TRUE(out);
    EXPECT_EQ(times(out->rows), QStringList({"1", "2", "1", "3", "4", "5"}));
    EXPECT_EQ(out->rows[2].lamps, LampBytes{});
    EXPECT_EQ(out->rows[2].loop, "");
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(StepCommands, InsertInsideALoopGrowsItAndCutsItAt32RowsWithAWarning) {
    Sequence rows = plainTable(34);
    for (int r = 1; r <= 32; ++r) rows[r].loop = A;  // positions 2..33
    const auto out = insertRow(rows, positions({5}, 5), 10, context);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->rows.size(), 35);
    EXPECT_EQ(out->rows[4].loop, A);  // the new row joined the loop
    EXPECT_EQ(out->rows[32].loop, A);
    EXPECT_EQ(out->rows[33].loop, "");  // the 33rd row of the loop lost its marker
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts[0].text, "E79");
    EXPECT_EQ(prompter.prompts[0].title, "www.kelvor.example");
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
}

TEST_F(StepCommands, InsertWithoutACurrentRowGoesAtTheEndAndNeedsRoomInTheTable) {
    struct Case {
        const char* name;
        Sequence rows;
        Selection selection;
        QStringList times;
        QStringList markers;
    };
    const Case cases[] = {
        {"nothing selected", table({"", A, A}), {}, {"1", "2", "3", "1"}, {"", A, A, ""}},
        {"an empty table", {}, {}, {"1"}, {""}},
        // The last selected row lends its marker, as at the current row: the loop grows.
        {"a loop's row selected, no current row",
         table({"", A, A}),
         positions({3}),
         {"1", "2", "3", "1"},
         {"", A, A, A}},
    };
    for (const Case& c : cases) {
        const auto out = insertRow(c.rows, c.selection, 10, context);
        ASSERT_TRUE(out) << c.name;
        EXPECT_EQ(times(out->rows), c.times) << c.name;
        EXPECT_EQ(markers(out->rows), c.markers) << c.name;
        EXPECT_EQ(out->rows.last().lamps, LampBytes{}) << c.name;
        EXPECT_EQ(out->selection.current, c.rows.size()) << c.name;  // the new row
        EXPECT_EQ(out->selection.rows, c.selection.rows) << c.name;
    }
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_FALSE(insertRow(plainTable(kMaxRows), positions({3}, 3), 10, context));
    EXPECT_FALSE(insertRow(plainTable(kMaxRows), {}, 10, context));
    EXPECT_EQ(prompter.texts(), QStringList({kTooManyRows, kTooManyRows}));
}

TEST_F(StepCommands, DeleteAsksOnlyWhenRowsAreSelected) {
    EXPECT_FALSE(deleteRows(plainTable(5), positions({}, 2), context));
    EXPECT_TRUE(prompter.prompts.empty());

    EXPECT_FALSE(deleteRows(plainTable(5), positions({2, 4}, 4), context));  // answered No
    ASSERT_EQ(prompter.count("question"), 1);
    EXPECT_EQ(prompter.prompts[0].text, "E80");

    prompter.questionAnswers = {true};
    const auto out = deleteRows(plainTable(5), positions({2, 4}, 4), context);
    ASSERT_TRUE(out);
    EXPECT_EQ(times(out->rows), QStringList({"1", "3", "5"}));
    EXPECT_TRUE(out->selection.rows.isEmpty());
    EXPECT_EQ(out->selection.current, 1);
}

// Deleting all rows of a loop but one leaves no loop of one row behind; longer rests stay loops.
TEST_F(StepCommands, DeleteLeavesNoLoopOfOneRow) {
    const struct {
        std::initializer_list<QString> before;
        std::initializer_list<int> deleted;
        QStringList after;
    } cases[] = {
        {{A, A, ""}, {1}, {"", ""}},
        {{"", A, A, A}, {3, 4}, {"", ""}},
        {{A, A, B, B, B}, {2, 3}, {"", B, B}},
        {{A, A, A, ""}, {2}, {A, A, ""}},
    };
    for (const auto& c : cases) {
        prompter.questionAnswers = {true};
        QList<int> deleted(c.deleted);
        Selection selection;
        for (int p : deleted) selection.rows << p - 1;
        selection.current = selection.rows.first();
        const auto out = deleteRows(table(c.before), selection, context);
        ASSERT_TRUE(out);
        EXPECT_EQ(markers(out->rows), c.after);
    }
}
