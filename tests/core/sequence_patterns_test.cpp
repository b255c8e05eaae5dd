#include <gtest/gtest.h>

#include "image/image_cost.h"
#include "sequence/edit_limits.h"
#include "sequence/lamp_patterns.h"
#include "sequence/pattern_command.h"
#include "sequence/pattern_rows.h"
#include "tests/core/sequence_fixtures.h"
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
    };
    for (const Case& c : cases)
        EXPECT_EQ(patternPass(c.kind, lamps({"1.0", "2.3", "M"})), c.steps) << int(c.kind);
    EXPECT_TRUE(patternPass(PatternKind::Chase, {}).isEmpty());
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
