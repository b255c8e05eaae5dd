#include <gtest/gtest.h>

#include <QPainter>

#include "image/image_builder.h"
#include "sequence/document_editor.h"
#include "sequence/loop_marker.h"
#include "tests/core/image_fixtures.h"
#include "tests/core/sequence_fixtures.h"
#include "tests/support/shipped_language.h"
#include "text/language.h"
#include "timeline/lamp_rows.h"
#include "timeline/loop_labels.h"
#include "timeline/timeline_edits.h"
#include "timeline/timeline_geometry.h"
#include "timeline/timeline_painter.h"

using namespace vireo;
using namespace vireo::test;

namespace {
using G = TimelineGeometry;

// Steps with the given on-time texts and all lamps off.
Sequence steps(std::initializer_list<const char*> times) {
    Sequence rows;
    for (const char* t : times) rows.append(row(t, {0, 0, 0, 0}));
    return rows;
}

// The lamp row of a corner and bit.
int rowOf(int corner, int bit) {
    for (int r = 0; r < kLampRowCount; ++r)
        if (lampRows()[r].corner == corner && lampRows()[r].bit == bit) return r;
    return -1;
}
}  // namespace

TEST(TimelineLampRows, TwentyThreeRowsByCornerWithOneSharedMiddleLamp) {
    const auto& rows = lampRows();
    // Front right, front left, rear left, rear right; bits in order inside a corner.
    EXPECT_EQ(rows[0].corner, 1);
    EXPECT_EQ(rows[6].corner, 2);
    EXPECT_EQ(rows[12].corner, 3);
    EXPECT_EQ(rows[18].corner, 4);
    EXPECT_EQ(rows[22].bit, 5);
    EXPECT_EQ(rowOf(4, 4), -1);  // the rear middle lamp has one row, on the rear-left group
    const int middle = rowOf(3, 4);
    ASSERT_GE(middle, 0);
    EXPECT_TRUE(rows[middle].bothRear);
    // Labels are the pictures' tool tips.
    const LanguageTable& de = LanguageTable::builtIn();
    EXPECT_EQ(lampRowLabel(de, rows[middle]), QStringLiteral("Rückleuchte_M"));
    EXPECT_EQ(lampRowLabel(de, rows[rowOf(1, 3)]), QStringLiteral("Standlichtring_R"));
    EXPECT_EQ(lampRowLabel(de, rows[rowOf(2, 5)]), QStringLiteral("Blinker_IL"));
    // Colours of the pictures: amber strips, white lenses, red rear lamps.
    EXPECT_EQ(lampColour(rows[rowOf(1, 0)]), lampColour(rows[rowOf(4, 0)]));
    EXPECT_EQ(lampColour(rows[rowOf(2, 1)]), lampColour(rows[rowOf(3, 3)]));
    EXPECT_EQ(lampColour(rows[rowOf(3, 1)]), lampColour(rows[middle]));
    EXPECT_NE(lampColour(rows[rowOf(3, 1)]), lampColour(rows[rowOf(3, 0)]));
}

TEST(TimelineLampRows, SharedMiddleLampKeepsBothRearBytesInAgreement) {
    const LampRow middle = lampRows()[rowOf(3, 4)];
    const LampBytes on = withLamp({1, 2, 0x41, 3}, middle, true);
    EXPECT_EQ(on, (LampBytes{1, 2, 0x41 | 16, 3 | 16}));  // other bits, also above 63, stay
    EXPECT_EQ(withLamp(on, middle, false), (LampBytes{1, 2, 0x41, 3}));
    // A file whose rear bytes disagree shows the lamp lit; switching it off clears both.
    EXPECT_TRUE(lampLit({0, 0, 0, 16}, middle));
    EXPECT_EQ(withLamp({0, 0, 0, 16}, middle, false), (LampBytes{0, 0, 0, 0}));
}

TEST(TimelineGeometry, ColumnsFollowOnTimesAndZoom) {
    const Sequence rows = steps({"1", "0,5", "2,5", "0", "25,5", "99"});
    const struct {
        double scale;
        std::vector<int> lefts;  // column edges, one more than steps
    } cases[] = {
        // 1 s = 10 tenths; 0 s keeps the narrowest column; 99 s counts as 25.5 s.
        {4.0, {0, 40, 60, 160, 163, 1183, 2203}},
        {1.0, {0, 10, 15, 40, 43, 298, 553}},
        {0.25, {0, 3, 6, 12, 15, 79, 143}},                // 2.5 px and 1.25 px widen to 3
        {100.0, {0, 400, 600, 1600, 1603, 11803, 22003}},  // zoom stops at 40 px per tenth
    };
    for (const auto& c : cases) {
        const G g(rows, c.scale);
        ASSERT_EQ(g.stepCount(), 6);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(g.columnLeft(i), c.lefts[i]) << c.scale << " step " << i;
            EXPECT_EQ(g.columnWidth(i), c.lefts[i + 1] - c.lefts[i]) << c.scale << " step " << i;
        }
        EXPECT_EQ(g.contentWidth(), c.lefts.back());
    }
    EXPECT_EQ(G(rows, 4.0).totalMs(), 1000 + 500 + 2500 + 0 + 25500 + 25500);
}

TEST(TimelineGeometry, HitTestFindsStepAndLampRow) {
    const G g(steps({"1", "0,5", "0"}), 4.0);  // columns [0,40) [40,60) [60,63)
    const int top = G::gridTop();
    const int rearLeftTop = G::rowTop(12);
    EXPECT_EQ(rearLeftTop, top + 12 * G::kRowHeight + 2 * G::kGroupGap);
    const struct {
        QPoint point;
        std::optional<TimelineCell> cell;
    } cases[] = {
        {{0, top}, TimelineCell{0, 0}},
        {{39, top + G::kRowHeight - 1}, TimelineCell{0, 0}},
        {{40, top + G::kRowHeight}, TimelineCell{1, 1}},
        {{62, rearLeftTop}, TimelineCell{2, 12}},             // the narrowest column still hits
        {{63, top}, std::nullopt},                            // after the last step
        {{-1, top}, std::nullopt},                            // the label band
        {{10, top - 1}, std::nullopt},                        // the loop band
        {{10, rearLeftTop - 1}, std::nullopt},                // the gap before the rear left group
        {{10, G::rowTop(22) + G::kRowHeight}, std::nullopt},  // below the last row
        {{10, G::rowTop(22) + G::kRowHeight - 1}, TimelineCell{0, 22}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(g.cellAt(c.point), c.cell) << c.point.x() << "," << c.point.y();
    // Zooming moves the columns under the same point.
    EXPECT_EQ(G(steps({"1", "0,5", "0"}), 1.0).cellAt({12, top}), (TimelineCell{1, 0}));
    EXPECT_EQ(g.stepsBetween(30, 61), std::make_pair(0, 2));
    EXPECT_EQ(g.stepsBetween(40, 60), std::make_pair(1, 1));
    EXPECT_EQ(g.xAtMs(1250), 50.0);
}

TEST(TimelineGeometry, TheMomentAtAnXIsTheInverseOfTheXOfAMoment) {
    const G g(steps({"1", "0,5", "0", "2"}), 4.0);  // columns [0,40) [40,60) [60,63) [63,143)
    EXPECT_EQ(g.msAtX(50.0), 1250.0);
    EXPECT_EQ(g.msAtX(61.0), 1500.0);  // a step of no time is one moment
    EXPECT_EQ(g.msAtX(103.0), 2500.0);
    EXPECT_EQ(g.msAtX(-5.0), 0.0);
    EXPECT_EQ(g.msAtX(500.0), 3500.0);
    for (long long ms : {0, 1, 400, 999, 1000, 1250, 1499, 1500, 2700, 3499, 3500})
        EXPECT_NEAR(g.msAtX(g.xAtMs(ms)), double(ms), 1e-6) << ms;
}

TEST(TimelineLoopLabels, ALabelThatDoesNotFitMovesRightOrIsDropped) {
    struct Case {
        const char* name;
        QVector<BracketLabelInput> brackets;  // left, right, label width
        QVector<BracketLabel> labels;         // x, shown
    };
    const Case cases[] = {
        {"room for both", {{0, 100, 20}, {101, 200, 20}}, {{3, true}, {104, true}}},
        {"the second moves past the first", {{0, 9, 20}, {10, 59, 20}}, {{3, true}, {27, true}}},
        {"narrow loops drop what has no room",
         {{0, 9, 20}, {10, 19, 20}, {20, 29, 20}, {30, 59, 20}},
         {{3, true}, {27, false}, {27, false}, {33, true}}},
        // The narrowest bracket keeps its label just inside its left end, running past it.
        {"one narrow bracket", {{60, 62, 20}}, {{63, true}}},
    };
    for (const Case& c : cases) EXPECT_EQ(placeBracketLabels(c.brackets), c.labels) << c.name;

    // Many loops of one or two steps: no two labels shown overlap, each starts over its bracket.
    QVector<BracketLabelInput> many;
    for (int i = 0, x = 0; i < 200; ++i) {
        const int width = 3 + (i * 7) % 40;
        many.append({x, x + width - 1, 14 + (i % 3) * 6});
        x += width + (i % 4 == 0 ? 5 : 0);
    }
    const QVector<BracketLabel> placed = placeBracketLabels(many);
    int shown = 0, end = -1000;
    for (int i = 0; i < many.size(); ++i) {
        if (!placed[i].shown) continue;
        ++shown;
        EXPECT_GE(placed[i].x, end) << i;
        EXPECT_GE(placed[i].x, many[i].left);
        EXPECT_LE(placed[i].x, std::max(many[i].left + 3, many[i].right - 3)) << i;
        end = placed[i].x + many[i].width;
    }
    EXPECT_GT(shown, 50);
    EXPECT_LT(shown, 200);
}

TEST(TimelineGeometry, LoopSpansReadTheirMarkers) {
    const Sequence rows = {row("1", {}),
                           row("1", {}, "S  1 / 4 x"),
                           row("1", {}, "S  1 / 4 x"),
                           row("1", {}, "S  2 / 0 x"),
                           row("1", {}, "Schleife"),
                           row("1", {}, "S  3 / 20 x")};
    const QVector<LoopSpan> spans = loopSpans(rows);
    ASSERT_EQ(spans.size(), 4);
    EXPECT_EQ(spans[0].first, 1);
    EXPECT_EQ(spans[0].last, 2);
    EXPECT_EQ(spans[0].repeat, 4);
    EXPECT_TRUE(spans[0].readable);
    EXPECT_FALSE(spans[1].readable);  // a repeat count of 0 does not play
    EXPECT_FALSE(spans[2].readable);  // no marker at all
    EXPECT_TRUE(spans[3].readable);
    EXPECT_EQ(spans[3].repeat, 20);
}

TEST(TimelineEdits, ClickAndDragAreOneUndoStepEach) {
    DocumentEditor editor;
    Document d;
    d.sequences[kWelcome] = steps({"1", "1", "1", "1"});
    d.sequences[kWelcome][2].lamps = {1, 0, 0, 0};
    editor.reset(d);
    const LanguageTable& de = LanguageTable::builtIn();
    const int ring = rowOf(1, 3);

    // A click switches one lamp of one step.
    ASSERT_TRUE(switchLampRun(editor, kWelcome, {1, ring}, 1, {}, de));
    EXPECT_EQ(editor.sequence(kWelcome)[1].lamps, (LampBytes{8, 0, 0, 0}));
    EXPECT_EQ(editor.undoStack()->count(), 1);
    EXPECT_EQ(editor.undoStack()->undoText(),
              QStringLiteral("Standlichtring_R in Schritt 2 schalten"));

    // A drag from step 4 back to step 1 sets the lamp in all four to step 4's new state (on).
    ASSERT_TRUE(switchLampRun(editor, kWelcome, {3, ring}, 0, {}, de));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(editor.sequence(kWelcome)[i].lamps[0] & 8) << i;
    EXPECT_EQ(editor.sequence(kWelcome)[2].lamps[0], 9);
    EXPECT_EQ(editor.undoStack()->count(), 2);
    EXPECT_EQ(editor.undoStack()->undoText(),
              QStringLiteral("Standlichtring_R in Schritten 1 bis 4 setzen"));

    editor.undoStack()->undo();
    EXPECT_EQ(editor.sequence(kWelcome)[1].lamps, (LampBytes{8, 0, 0, 0}));
    EXPECT_EQ(editor.sequence(kWelcome)[2].lamps, (LampBytes{1, 0, 0, 0}));
    editor.undoStack()->undo();
    EXPECT_EQ(editor.sequence(kWelcome), d.sequences[kWelcome]);

    // A cell outside the table changes nothing.
    EXPECT_FALSE(switchLampRun(editor, kWelcome, {4, ring}, 4, {}, de));
    EXPECT_FALSE(switchLampRun(editor, kGoodbye, {0, ring}, 0, {}, de));
    EXPECT_EQ(editor.undoStack()->index(), 0);
}

TEST(TimelineEdits, MiddleRearLampClickSwitchesBothRearBytes) {
    DocumentEditor editor;
    Document d;
    d.sequences[kGoodbye] = {row("1", {0, 0, 2, 0})};
    editor.reset(d);
    Selection shown;
    QObject::connect(&editor, &DocumentEditor::rowsChanged,
                     [&](int, const Selection& s) { shown = s; });
    switchLampRun(editor, kGoodbye, {0, rowOf(3, 4)}, 0, {}, LanguageTable::builtIn());
    EXPECT_EQ(editor.sequence(kGoodbye)[0].lamps, (LampBytes{0, 0, 18, 16}));
    EXPECT_EQ(shown, (Selection{{0}, 0}));  // the step of the click is selected
    editor.undoStack()->undo();
    EXPECT_EQ(editor.sequence(kGoodbye)[0].lamps, (LampBytes{0, 0, 2, 0}));
}

TEST(TimelineEdits, SymmetricSwitchSetsTheMirrorLampInTheSameUndoStep) {
    struct Case {
        const char* name;
        int corner, bit;
        LampBytes before;
        LampBytes after;  // in steps 1 and 2 after a drag over both from step 1
    };
    const Case cases[] = {
        {"front right ring: front left follows", 1, 3, {0, 0, 0, 0}, {8, 8, 0, 0}},
        {"front left strip already on: stays on", 2, 0, {0, 0, 0, 0}, {1, 1, 0, 0}},
        {"rear left switched off: rear right goes off", 3, 1, {0, 0, 2, 2}, {0, 0, 0, 0}},
        {"rear right fog on, rear left off", 4, 5, {0, 0, 0, 32}, {0, 0, 0, 0}},
        {"middle lamp is its own mirror", 3, 4, {1, 0, 0, 0}, {1, 0, 16, 16}},
    };
    for (const Case& c : cases) {
        DocumentEditor editor;
        Document d;
        d.sequences[kWelcome] = {row("1", c.before), row("1", c.before), row("1", c.before)};
        editor.reset(d);
        ASSERT_TRUE(switchLampRun(editor, kWelcome, {0, rowOf(c.corner, c.bit)}, 1, {},
                                  LanguageTable::builtIn(), true))
            << c.name;
        EXPECT_EQ(editor.sequence(kWelcome)[0].lamps, c.after) << c.name;
        EXPECT_EQ(editor.sequence(kWelcome)[1].lamps, c.after) << c.name;
        EXPECT_EQ(editor.sequence(kWelcome)[2].lamps, c.before) << c.name;
        EXPECT_EQ(editor.undoStack()->count(), 1) << c.name;
        editor.undoStack()->undo();
        EXPECT_EQ(editor.sequence(kWelcome), d.sequences[kWelcome]) << c.name;
    }
    // The mirror rows pair up over the whole table.
    for (int r = 0; r < kLampRowCount; ++r) EXPECT_EQ(mirrorLampRow(mirrorLampRow(r)), r) << r;
    EXPECT_EQ(mirrorLampRow(rowOf(1, 0)), rowOf(2, 0));
    EXPECT_EQ(mirrorLampRow(rowOf(4, 2)), rowOf(3, 2));
}

TEST(TimelineSelection, ClickSelectsOneStepShiftExtendsFromTheCurrentStep) {
    EXPECT_EQ(stepSelection({}, 3, false), (Selection{{3}, 3}));
    EXPECT_EQ(stepSelection({}, 3, true), (Selection{{3}, 3}));  // nothing to extend from
    EXPECT_EQ(stepSelection({{5}, 5}, 2, true), (Selection{{2, 3, 4, 5}, 5}));
    EXPECT_EQ(stepSelection({{2, 3, 4, 5}, 5}, 7, true), (Selection{{5, 6, 7}, 5}));
    EXPECT_EQ(stepSelection({{2, 3}, 3}, 0, false), (Selection{{0}, 0}));
}

TEST(TimelinePainting, LitCellsShowTheLampColourAndTheImageHoldsEveryStep) {
    Sequence rows = steps({"1", "0,5"});
    rows[0].lamps = {0, 0, 0, 16};  // rear middle lamp, from the rear-right byte
    rows[1].lamps = {1, 0, 0, 0};   // front right indicator
    const TimelineTexts texts = timelineTexts(LanguageTable::builtIn());
    const QImage image = renderTimeline(rows, 4.0, texts);
    EXPECT_EQ(image.width(), G::kLabelWidth + 60 + 40);
    EXPECT_EQ(image.height(), G::height());
    const auto centre = [](int step, int row) {
        const G g(steps({"1", "0,5"}), 4.0);
        return g.cellRect({step, row}).center() + QPoint(G::kLabelWidth, 0);
    };
    const int middle = rowOf(3, 4);
    const auto colourAt = [&](int step, int row) { return image.pixel(centre(step, row)); };
    EXPECT_EQ(colourAt(0, middle), lampColour(lampRows()[middle]).rgb());
    EXPECT_EQ(colourAt(1, 0), lampColour(lampRows()[0]).rgb());
    EXPECT_NE(colourAt(1, middle), lampColour(lampRows()[middle]).rgb());
    EXPECT_NE(colourAt(0, 0), lampColour(lampRows()[0]).rgb());
}

// The lamp names repeat on every corner ("Indicator_L" front and rear): each corner's rows are
// headed by its name in the label band.
TEST(TimelinePainting, EachCornersRowsAreHeadedByItsName) {
    const TimelineTexts english = timelineTexts(englishLanguage());
    EXPECT_EQ(english.cornerHeadings,
              QStringList({"Front right", "Front left", "Rear left", "Rear right"}));
    EXPECT_EQ(english.rowLabels[6], "Indicator_L");
    EXPECT_EQ(english.rowLabels[12], "Indicator_L");
    TimelineTexts unheaded = english;
    unheaded.cornerHeadings = QStringList({"", "", "", ""});
    const Sequence rows = steps({"1"});
    const QImage headed = renderTimeline(rows, 4.0, english);
    const QImage plain = renderTimeline(rows, 4.0, unheaded);
    for (int first : {0, 6, 12, 18}) {
        const QRect heading(4, G::rowTop(first), G::kCornerHeadingWidth - 2, 2 * G::kRowHeight);
        EXPECT_NE(headed.copy(heading), plain.copy(heading)) << "row " << first;
        // The lamp names beside it are the same.
        const QRect names(4 + G::kCornerHeadingWidth, G::rowTop(first), 80, G::kRowHeight);
        EXPECT_EQ(headed.copy(names), plain.copy(names)) << "row " << first;
    }
}

// The strip under the steps: one pixel per byte from its bottom, red from the first step that
// no longer fits, with a red line at that step's edge.
TEST(TimelinePainting, TheCostStripShowsTheBytesOfEachStep) {
    Sequence rows = steps({"1", "1", "0,5"});
    rows[0].lamps = {1, 2, 3, 4};    // control, time, 4 corners: 6 bytes
    rows[1].lamps = {0, 0, 0, 0};    // control only: 1 byte
    rows[2].lamps = {0, 0, 16, 16};  // control, time, the shared rear lamp once: 3 bytes
    const G g(rows, 4.0);
    const std::vector<RowBytes> costs = {{1, 1, 4, 0}, {1, 0, 0, 0}, {1, 1, 1, 0}};
    const QVector<LoopSpan> loops;
    const TimelineTexts texts = timelineTexts(LanguageTable::builtIn());
    const int width = G::kLabelWidth + g.contentWidth();
    const auto render = [&](int firstBeyond) {
        QImage image(width, G::height(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        const TimelineScene scene{&rows, &g, &loops, &texts, {}, &costs, firstBeyond};
        paintTimeline(painter, scene, 0, width, image.rect());
        return image;
    };
    // How many pixels of the strip are filled in the middle of a step's column.
    const auto barOf = [&](const QImage& image, int step) {
        const int x = G::kLabelWidth + g.columnLeft(step) + g.columnWidth(step) / 2;
        const QRgb empty = image.pixel(x, G::costStripTop());
        int filled = 0;
        for (int y = G::costStripTop(); y < G::costStripTop() + G::kCostStripHeight; ++y)
            filled += image.pixel(x, y) != empty;
        return std::pair{filled, image.pixel(x, G::costStripTop() + G::kCostStripHeight - 1)};
    };
    const QImage fits = render(-1);
    EXPECT_EQ(barOf(fits, 0).first, 6);
    EXPECT_EQ(barOf(fits, 1).first, 1);
    EXPECT_EQ(barOf(fits, 2).first, 3);
    EXPECT_EQ(barOf(fits, 0).second, barOf(fits, 2).second);
    EXPECT_NE(QColor(barOf(fits, 2).second), QColor(200, 0, 0));

    const QImage over = render(1);
    EXPECT_EQ(QColor(barOf(over, 0).second), QColor(110, 120, 135));
    EXPECT_EQ(QColor(barOf(over, 1).second), QColor(200, 0, 0));
    EXPECT_EQ(QColor(barOf(over, 2).second), QColor(200, 0, 0));
    // The red line at the edge of step 2 runs through the lamp rows.
    EXPECT_EQ(QColor(over.pixel(G::kLabelWidth + g.columnLeft(1), G::rowTop(5) + 2)),
              QColor(200, 0, 0));
    EXPECT_NE(QColor(fits.pixel(G::kLabelWidth + g.columnLeft(1), G::rowTop(5) + 2)),
              QColor(200, 0, 0));

    // A picture of a sequence draws its own costs.
    const QImage chart = renderTimeline(rows, 4.0, texts);
    EXPECT_EQ(barOf(chart, 0).first, 6);
    EXPECT_EQ(barOf(chart, 2).first, 3);
}
