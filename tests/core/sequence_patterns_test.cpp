#include <gtest/gtest.h>

#include "image/image_cost.h"
#include "sequence/edit_limits.h"
#include "sequence/lamp_patterns.h"
#include "sequence/pattern_command.h"
#include "sequence/pattern_rows.h"
#include "tests/core/sequence_fixtures.h"
#include "tests/support/shipped_language.h"
#include "text/text_ids.h"

using namespace vireo;
using namespace vireo::test;

namespace {

PatternLamp lamp(const char* name) {
    return *patternLampFromName(QString::fromLatin1(name));
}

QList<PatternLamp> lamps(std::initializer_list<const char*> names) {
    QList<PatternLamp> out;
    for (const char* n : names) out << lamp(n);
    return out;
}

QStringList names(const QList<PatternLamp>& lamps) {
    QStringList out;
    for (const PatternLamp& l : lamps) out << patternLampName(l);
    return out;
}

QVector<LampBytes> lampsOf(const Sequence& rows) {
    QVector<LampBytes> out;
    for (const Step& s : rows) out << s.lamps;
    return out;
}

}  // namespace

TEST(LampPatterns, LampNamesAndTheirBytes) {
    struct Case {
        const char* name;
        LampBytes bytes;
        const char* mirror;
    };
    const Case cases[] = {
        {"1.0", {1, 0, 0, 0}, "2.0"}, {"2.3", {0, 8, 0, 0}, "1.3"},  {"3.5", {0, 0, 32, 0}, "4.5"},
        {"4.1", {0, 0, 0, 2}, "3.1"}, {"M", {0, 0, 16, 16}, "M"},    {"3.4", {0, 0, 16, 16}, "M"},
        {"4.4", {0, 0, 16, 16}, "M"}, {"1.4", {16, 0, 0, 0}, "2.4"},
    };
    for (const Case& c : cases) {
        const auto l = patternLampFromName(c.name);
        ASSERT_TRUE(l) << c.name;
        EXPECT_EQ(withLampOn({}, *l), c.bytes) << c.name;
        EXPECT_EQ(patternLampName(mirrorLamp(*l)), c.mirror) << c.name;
    }
    for (const char* bad : {"5.0", "0.1", "1.6", "m", "1", "1.", ".1", "", " 1.0", "1,0", "A.1"})
        EXPECT_FALSE(patternLampFromName(bad)) << bad;
}

TEST(LampPatterns, OnePassOfEachKind) {
    struct Case {
        PatternKind kind;
        QVector<LampBytes> steps;
    };
    // a = front right indicator, b = front left ring, c = rear middle lamp
    const Case cases[] = {
        {PatternKind::Chase, {{1, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 16, 16}}},
        {PatternKind::Fill, {{1, 0, 0, 0}, {1, 8, 0, 0}, {1, 8, 16, 16}}},
        {PatternKind::Empty, {{1, 8, 16, 16}, {0, 8, 16, 16}, {0, 0, 16, 16}, {0, 0, 0, 0}}},
        {PatternKind::Blink, {{1, 8, 16, 16}, {0, 0, 0, 0}}},
        {PatternKind::Alternate, {{0, 8, 16, 16}, {1, 0, 0, 0}}},  // middle lamp on the left
        {PatternKind::Bounce, {{1, 0, 0, 0}, {0, 8, 0, 0}, {0, 0, 16, 16}, {0, 8, 0, 0}}},
    };
    const QList<LampGroup> abc = lampGroups(lamps({"1.0", "2.3", "M"}), LampOrder::Picked);
    for (const Case& c : cases) EXPECT_EQ(patternPass(c.kind, abc), c.steps) << int(c.kind);
    EXPECT_TRUE(patternPass(PatternKind::Chase, QList<LampGroup>{}).isEmpty());
}

TEST(LampPatterns, BounceGoesThereAndBackWithoutDoublingItsEnds) {
    struct Case {
        QList<PatternLamp> picked;
        QVector<LampBytes> steps;
    };
    const Case cases[] = {
        {lamps({"1.0"}), {{1, 0, 0, 0}}},
        {lamps({"1.0", "1.1"}), {{1, 0, 0, 0}, {2, 0, 0, 0}}},
        {lamps({"1.0", "1.1", "1.2", "1.3"}),
         {{1, 0, 0, 0}, {2, 0, 0, 0}, {4, 0, 0, 0}, {8, 0, 0, 0}, {4, 0, 0, 0}, {2, 0, 0, 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(patternPass(PatternKind::Bounce, lampGroups(c.picked, LampOrder::Picked)),
                  c.steps)
            << c.picked.size() << " lamps";
}

TEST(LampPatterns, InPairsEachLampGoesWithItsMirrorLamp) {
    // Front right indicator, rear right ring, the middle lamp, then the front left indicator,
    // which is already in the first pair.
    const QList<PatternLamp> picked = lamps({"1.0", "4.2", "M", "2.0"});
    const QList<LampGroup> pairs = lampGroups(picked, LampOrder::Pairs);
    ASSERT_EQ(pairs.size(), 3);
    EXPECT_EQ(names(pairs[0]), QStringList({"1.0", "2.0"}));
    EXPECT_EQ(names(pairs[1]), QStringList({"4.2", "3.2"}));
    EXPECT_EQ(names(pairs[2]), QStringList({"M"}));
    struct Case {
        PatternKind kind;
        QVector<LampBytes> steps;
    };
    const Case cases[] = {
        {PatternKind::Chase, {{1, 1, 0, 0}, {0, 0, 4, 4}, {0, 0, 16, 16}}},
        {PatternKind::Fill, {{1, 1, 0, 0}, {1, 1, 4, 4}, {1, 1, 20, 20}}},
        {PatternKind::Empty, {{1, 1, 20, 20}, {0, 0, 20, 20}, {0, 0, 16, 16}, {0, 0, 0, 0}}},
        {PatternKind::Blink, {{1, 1, 20, 20}, {0, 0, 0, 0}}},
        // Pairs have no side: the first and third pair take turns with the second.
        {PatternKind::Alternate, {{1, 1, 16, 16}, {0, 0, 4, 4}}},
        {PatternKind::Bounce, {{1, 1, 0, 0}, {0, 0, 4, 4}, {0, 0, 16, 16}, {0, 0, 4, 4}}},
    };
    for (const Case& c : cases) EXPECT_EQ(patternPass(c.kind, pairs), c.steps) << int(c.kind);
    // The order keeps the lamps as picked; only the groups differ.
    EXPECT_EQ(names(orderedLamps(picked, LampOrder::Pairs)),
              QStringList({"1.0", "4.2", "M", "2.0"}));
    EXPECT_EQ(lampGroups(picked, LampOrder::Picked).size(), 4);
    EXPECT_EQ(patternKindFromName("bounce"), PatternKind::Bounce);
    EXPECT_EQ(lampOrderFromName("pairs"), LampOrder::Pairs);
}

TEST(LampPatterns, OrdersAcrossAndFromOrToTheMiddle) {
    const QList<PatternLamp> picked = lamps({"1.0", "2.0", "2.2", "M", "4.2", "1.0"});
    struct Case {
        LampOrder order;
        QStringList expected;
    };
    const Case cases[] = {
        {LampOrder::Picked, {"1.0", "2.0", "2.2", "M", "4.2"}},
        {LampOrder::Across, {"2.0", "2.2", "M", "1.0", "4.2"}},
        {LampOrder::OutsideIn, {"4.2", "2.0", "1.0", "2.2", "M"}},
        {LampOrder::InsideOut, {"M", "2.2", "2.0", "1.0", "4.2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(names(orderedLamps(picked, c.order)), c.expected) << int(c.order);
}

TEST(PatternRows, PassesLoopWhenThatIsSmallerAndAreCopiedOtherwise) {
    const QVector<LampBytes> chase3 = {{1, 0, 0, 0}, {2, 0, 0, 0}, {4, 0, 0, 0}};
    const Sequence looped = patternRows(chase3, 5, 4, 7);
    const QString marker = "S  7 / 4 x";
    EXPECT_EQ(looped,
              (Sequence{Step{"0,5", marker, {1, 0, 0, 0}}, Step{"0,5", marker, {2, 0, 0, 0}},
                        Step{"0,5", marker, {4, 0, 0, 0}}}));
    // Control, time, corner, repeat and length bytes, then control and corner twice ...
    EXPECT_EQ(sequenceImageBytes(looped), 9);
    // ... against one time byte and twelve rows of control and corner.
    const Sequence copies = patternRows(chase3, 5, 4, 0);
    EXPECT_EQ(copies.size(), 12);
    EXPECT_EQ(sequenceImageBytes(copies), 25);
    EXPECT_EQ(copies[9], (Step{"0,5", "", {1, 0, 0, 0}}));

    // One pass, a one-row pass or a pass beyond 32 rows is written out.
    EXPECT_EQ(patternRows(chase3, 5, 1, 7).size(), 3);
    EXPECT_EQ(markers(patternRows({{1, 0, 0, 0}}, 10, 3, 7)), QStringList({"", "", ""}));
    EXPECT_EQ(patternRows(QVector<LampBytes>(33, {1, 0, 0, 0}), 10, 2, 7).size(), 66);
    EXPECT_TRUE(passesCanLoop(32, 20));
    EXPECT_FALSE(passesCanLoop(32, 1));
}

class PatternInsert : public ::testing::Test, protected EditFixture {
  protected:
    PatternChoice chase2{PatternKind::Chase, lamps({"1.1", "1.0"}), LampOrder::Picked, 2, 3};
};

TEST_F(PatternInsert, GoesAfterTheSelectedRowsLoopOrAtTheEndAsANewLoop) {
    const QString next = loopMarker(2, 3);
    struct Case {
        const char* name;
        Selection selection;
        QStringList markers;
        Selection after;
    };
    const Case cases[] = {
        {"after row 1", positions({1}, 1), {"", next, next, A, A, ""}, positions({2, 3}, 2)},
        {"row 2 lies in loop A: after its end",
         positions({2}, 2),
         {"", A, A, next, next, ""},
         positions({4, 5}, 4)},
        {"nothing selected: at the end", {}, {"", A, A, "", next, next}, positions({5, 6}, 5)},
    };
    for (const Case& c : cases) {
        const auto out = insertPattern(table({"", A, A, ""}), c.selection, chase2, context);
        ASSERT_TRUE(out) << c.name;
        EXPECT_EQ(markers(out->rows), c.markers) << c.name;
        EXPECT_EQ(out->selection, c.after) << c.name;
        EXPECT_EQ(out->labelEntry, text::InsertPattern);
        const int first = c.after.current;
        EXPECT_EQ(out->rows[first], (Step{"0,2", next, {2, 0, 0, 0}})) << c.name;
        EXPECT_EQ(out->rows[first + 1], (Step{"0,2", next, {1, 0, 0, 0}})) << c.name;
    }
}

TEST_F(PatternInsert, AfterAPlainRowItGoesRightAfterItNotAfterThePlainRowsThatFollow) {
    const auto out = insertPattern(plainTable(4), positions({2}, 2), chase2, context);
    ASSERT_TRUE(out);
    const QString loop = loopMarker(1, 3);
    EXPECT_EQ(times(out->rows), QStringList({"1", "2", "0,2", "0,2", "3", "4"}));
    EXPECT_EQ(markers(out->rows), QStringList({"", "", loop, loop, "", ""}));
    EXPECT_EQ(out->selection, positions({3, 4}, 3));
    EXPECT_EQ(patternInsertionRow(plainTable(4), positions({2}, 2)), 2);
}

TEST_F(PatternInsert, ALoopEndingOnRow255StaysALoopOnePastItIsCopied) {
    const QString loop = loopMarker(1, 3);
    // 253 rows, then the two looped rows as rows 254 and 255.
    const auto fits = insertPattern(plainTable(253), {}, chase2, context);
    ASSERT_TRUE(fits);
    EXPECT_EQ(fits->rows.size(), 255);
    EXPECT_EQ(markers(fits->rows.mid(252)), QStringList({"", loop, loop}));
    // One row more and the loop would end on row 256: six copied rows instead.
    const auto copied = insertPattern(plainTable(254), {}, chase2, context);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->rows.size(), 260);
    EXPECT_EQ(markers(copied->rows.mid(254)), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(
        lampsOf(copied->rows.mid(254)),
        (QVector<LampBytes>{
            {2, 0, 0, 0}, {1, 0, 0, 0}, {2, 0, 0, 0}, {1, 0, 0, 0}, {2, 0, 0, 0}, {1, 0, 0, 0}}));
}

TEST(PatternPlace, TheDialogSaysWhereThePatternGoes) {
    const LanguageTable& english = englishLanguage();
    struct Case {
        const char* name;
        Sequence rows;
        Selection selection;
        const char* text;
    };
    // Rows 1-2 plain, rows 3-4 loop 2, row 5 plain.
    const Sequence rows = table({"", "", B, B, ""});
    const Case cases[] = {
        {"empty table", {}, {}, "The pattern goes at the start."},
        {"nothing selected", rows, {}, "The pattern goes at the end, after row 5."},
        {"a plain row", rows, positions({1}, 1), "The pattern goes after row 1."},
        {"a row inside a loop", rows, positions({3}, 3),
         "The pattern goes after row 4, the end of loop 2."},
        {"the last rows", rows, positions({4, 5}, 5), "The pattern goes after row 5."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(patternPlaceText(c.rows, c.selection, english), c.text) << c.name;
    EXPECT_EQ(patternPlaceText(rows, positions({4}, 4), LanguageTable::builtIn()),
              "Das Muster kommt nach Zeile 4, dem Ende von Schleife 2.");
}

TEST_F(PatternInsert, CopiesWhenTheTableHoldsNoMoreLoopsAndRefusesPast500Rows) {
    Sequence full;
    for (int n = 1; n <= kMaxMarkedRuns; ++n)
        for (int r = 0; r < 2; ++r) full.append(Step{"1", loopMarker(n, 2), {1, 0, 0, 0}});
    const auto out = insertPattern(full, {}, chase2, context);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->rows.size(), 40 + 6);
    EXPECT_EQ(markers(out->rows.mid(40)), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(lampsOf(out->rows.mid(40, 2)), (QVector<LampBytes>{{2, 0, 0, 0}, {1, 0, 0, 0}}));

    // Past row 255 a loop cannot be stored either: six copied rows must fit.
    EXPECT_EQ(insertPattern(plainTable(kMaxRows - 6), {}, chase2, context)->rows.size(), kMaxRows);
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_FALSE(insertPattern(plainTable(kMaxRows - 5), {}, chase2, context));
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts[0].text, kTooManyRows);
}
