#include <gtest/gtest.h>

#include "sequence/edit_limits.h"
#include "sequence/loop_commands.h"
#include "tests/core/sequence_fixtures.h"

using namespace vireo;
using namespace vireo::test;

class Loops : public ::testing::Test, protected EditFixture {};

TEST(LoopMarker, NumberRightAlignedInThreeCharacters) {
    EXPECT_EQ(loopMarker(5, 3), "S  5 / 3 x");
    EXPECT_EQ(loopMarker(10, 2), "S 10 / 2 x");
    EXPECT_EQ(loopMarker(12, 15), "S 12 / 15 x");
    EXPECT_EQ(markerLoopNumber("S 12 / 15 x"), 12);
}

TEST_F(Loops, CreateOverRows3To5WithAnswer4) {
    prompter.inputAnswers = {QString("4")};
    const auto out = createLoop(plainTable(6), positions({3, 4, 5}, 3), context);
    ASSERT_TRUE(out);
    const QString m = "S  1 / 4 x";
    EXPECT_EQ(markers(out->rows), QStringList({"", "", m, m, m, ""}));
    EXPECT_TRUE(out->selection.rows.isEmpty());
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].text, "E115");
    EXPECT_EQ(prompter.prompts[0].title, "E116");
    EXPECT_EQ(prompter.lastInputDefault, "2");
    EXPECT_EQ(prompter.prompts[1].kind, "beep");
}

TEST_F(Loops, OnlyTheFirstRunOfSelectedRowsIsDeselectedAndLooped) {
    prompter.inputAnswers = {QString("2")};
    const auto out = createLoop(plainTable(8), positions({2, 3, 6, 7}, 2), context);
    ASSERT_TRUE(out);
    EXPECT_EQ(markers(out->rows).count("S  1 / 2 x"), 2);
    EXPECT_EQ(out->selection.rows, QList<int>({5, 6}));
}

TEST_F(Loops, InvalidAnswersWarnAndAskAgainUntilEmpty) {
    prompter.inputAnswers = {QString("1"), QString("21"), QString("zwei"), QString("2,5"),
                             QString("")};
    const Sequence rows = plainTable(5);
    const auto out = createLoop(rows, positions({2, 3}, 2), context);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->rows, rows);
    EXPECT_EQ(prompter.count("input"), 5);
    EXPECT_EQ(prompter.count("beep"), 0);
    EXPECT_EQ(prompter.texts().count("E96"), 4);
    EXPECT_EQ(prompter.prompts[1].title, "E97");

    // Cancelling changes nothing either.
    const auto cancelled = createLoop(rows, positions({2, 3}, 2), context);
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(cancelled->rows, rows);

    const struct {
        const char* answer;
        std::optional<int> count;
    } answers[] = {{"2", 2},    {" 20 ", 20}, {"1", {}},  {"21", {}}, {"2.5", {}},
                   {"2,5", {}}, {"3x", {}},   {"-3", {}}, {"", {}}};
    for (const auto& a : answers) EXPECT_EQ(repeatCountOf(a.answer), a.count) << a.answer;
}

TEST_F(Loops, ASingleRowOrTheLastRowAsksNothing) {
    for (const Selection& s : {positions({2}, 2), positions({5}, 5)}) {
        const auto out = createLoop(plainTable(5), s, context);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->rows, plainTable(5));
        EXPECT_TRUE(out->selection.rows.isEmpty());
    }
    EXPECT_FALSE(createLoop(plainTable(5), {}, context));
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(Loops, NewLoopNumberIsTheHighestPlusOne) {
    const QString one = loopMarker(1, 2), four = loopMarker(4, 2), nine = loopMarker(9, 2);
    prompter.inputAnswers = {QString("3"), QString("3")};
    auto out = createLoop(table({one, one, four, four, "", ""}), positions({5, 6}, 5), context);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->rows[4].loop, "S  5 / 3 x");
    out = createLoop(table({nine, nine, "", ""}), positions({3, 4}, 3), context);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->rows[3].loop, "S 10 / 3 x");
}

TEST_F(Loops, MoreThan32RowsAreAnErrorAfterTheQuestion) {
    prompter.inputAnswers = {QString("2"), QString("2")};
    const auto refused = createLoop(plainTable(40), positionRange(1, 33, 1), context);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rows, plainTable(40));
    ASSERT_FALSE(prompter.prompts.empty());
    const auto& error = prompter.prompts.back();
    EXPECT_EQ(error.text, "E98");
    EXPECT_EQ(error.title, "E99");
    EXPECT_EQ(error.icon, PromptIcon::Error);

    const auto accepted = createLoop(plainTable(40), positionRange(1, 32, 1), context);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(markers(accepted->rows).count("S  1 / 2 x"), 32);
}

TEST_F(Loops, ALoopMayEndOnRow200) {
    prompter.inputAnswers = {QString("2")};
    const auto out = createLoop(plainTable(210), positionRange(199, 200, 199), context);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->rows.size(), 210);
    EXPECT_EQ(out->rows[199].loop, "S  1 / 2 x");
}

TEST_F(Loops, CreationLimitsRefuseBeforeAsking) {
    Sequence ninetyNine = plainTable(6);
    ninetyNine[0].loop = ninetyNine[1].loop = loopMarker(99, 2);
    Sequence twentyLoops;
    for (int n = 1; n <= 20; ++n)
        twentyLoops << Step{"1", loopMarker(n, 2), {}} << Step{"1", loopMarker(n, 2), {}};
    twentyLoops << Step{"1", "", {}} << Step{"1", "", {}};
    const struct {
        Sequence rows;
        Selection selection;
        const char* text;
    } cases[] = {
        {plainTable(260), positionRange(250, 256, 250), "E221 255"},
        {ninetyNine, positions({4, 5}, 4), "E222 99"},
        {twentyLoops, positions({41, 42}, 41), "E219 20"},
    };
    for (const auto& c : cases) {
        prompter.prompts.clear();
        const auto out = createLoop(c.rows, c.selection, context);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->rows, c.rows);
        EXPECT_EQ(prompter.texts(), QStringList{QString::fromUtf8(c.text)});
        EXPECT_EQ(prompter.prompts.back().title, "www.kelvor.example");
    }
    // Overwriting one of the twenty loops keeps the count and is allowed.
    prompter.inputAnswers = {QString("2")};
    const auto overwritten = createLoop(twentyLoops, positions({39, 40}, 39), context);
    ASSERT_TRUE(overwritten);
    EXPECT_NE(overwritten->rows, twentyLoops);
}

TEST(LoopDelete, ClearsTheWholeLoopOrExactlyTheSelectedEnd) {
    const QString L = loopMarker(1, 2);
    const struct {
        int first, last;
        QStringList after;
    } cases[] = {
        {5, 6, {"", "", "", "", "", "", "", "", ""}},  // strictly inside: whole loop
        {3, 4, {"", "", "", "", L, L, L, L, ""}},      // one end: only those rows
        {3, 7, {"", "", "", "", "", "", "", "", ""}},  // one row would remain: whole loop
        {7, 8, {"", "", L, L, L, L, "", "", ""}},      // other end
    };
    const Sequence rows = table({"", "", L, L, L, L, L, L, ""});
    for (const auto& c : cases) {
        const auto out = deleteLoop(rows, positionRange(c.first, c.last, c.first));
        ASSERT_TRUE(out);
        EXPECT_EQ(markers(out->rows), c.after) << c.first << "-" << c.last;
    }
    EXPECT_FALSE(deleteLoop(rows, {}));
    EXPECT_FALSE(deleteLoop({}, positions({1})));
}

// A new loop over part of a loop takes those rows; the rest stays a loop only as one run of
// two rows or more.
TEST_F(Loops, ANewLoopOverPartOfALoopLeavesNoBrokenRest) {
    const QString N = loopMarker(2, 4);
    const struct {
        std::initializer_list<QString> before;
        int first, last;
        QStringList after;
    } cases[] = {
        {{A, A, A}, 1, 2, {N, N, ""}},                         // one row left
        {{"", A, A, A, A, ""}, 3, 4, {"", "", N, N, "", ""}},  // split: the second part goes
        {{A, A, A, A, ""}, 3, 5, {A, A, N, N, N}},             // two rows left
        {{A, A, B, B, B}, 2, 3, {"", loopMarker(3, 4), loopMarker(3, 4), B, B}},
    };
    for (const auto& c : cases) {
        prompter.inputAnswers = {QString("4")};
        const auto out =
            createLoop(table(c.before), positionRange(c.first, c.last, c.first), context);
        ASSERT_TRUE(out);
        EXPECT_EQ(markers(out->rows), c.after) << c.first << "-" << c.last;
    }
}

// Selected rows past the loop's end are not the loop's: they keep their markers, and the loop
// keeps at least two rows or goes whole.
TEST(LoopDelete, OnlyTheLoopOfTheFirstSelectedRowIsCleared) {
    const QString L = loopMarker(1, 2);
    const QString M = loopMarker(2, 3);
    const Sequence rows = table({"", L, L, L, L, M, M, ""});
    const struct {
        int first, last;
        QStringList after;
    } cases[] = {
        {4, 7, {"", L, L, "", "", M, M, ""}},    // the end of L from row 4; M stays
        {3, 8, {"", "", "", "", "", M, M, ""}},  // one row of L would be left: all of L
        {2, 6, {"", "", "", "", "", M, M, ""}},
    };
    for (const auto& c : cases) {
        const auto out = deleteLoop(rows, positionRange(c.first, c.last, c.first));
        ASSERT_TRUE(out);
        EXPECT_EQ(markers(out->rows), c.after) << c.first << "-" << c.last;
    }
    // A first selected row outside every loop clears nothing, not the loop after it.
    EXPECT_FALSE(deleteLoop(rows, positionRange(1, 3, 1)));
}
