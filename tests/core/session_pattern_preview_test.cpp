// What the pattern dialog says inserting a pattern adds to the image is what the memory meter
// then shows more: its figure comes from the meter's own cost function.
#include <gtest/gtest.h>

#include "module/upload_image.h"
#include "session/editing_session.h"
#include "session/pattern_preview.h"
#include "tests/core/sequence_fixtures.h"
#include "timeline/memory_meter.h"

using namespace vireo;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

class PatternPreviewTest : public ::testing::Test {
  protected:
    MeterReading meter() {
        return readMemoryMeter(session.document(), session.vehicle().options(),
                               session.setup().modellnummer, kUploadCapacity);
    }

    MemorySettingsStore store;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{store, prompter, LanguageTable::builtIn(), clock};
};

PatternChoice chase(int tenths) {
    // Two lamps, three passes: one looped pass of two rows, 5 + 2 bytes on their own.
    return {
        PatternKind::Chase, {PatternLamp{1, 1}, PatternLamp{1, 0}}, LampOrder::Picked, tenths, 3};
}

// Rows of 0,5 s, 0,2 s and 0,2 s: 3 + 3 + 2 bytes (the third repeats the second's time).
Sequence threeRows() {
    return {Step{"0,5", "", {1, 0, 0, 0}}, Step{"0,2", "", {2, 0, 0, 0}},
            Step{"0,2", "", {4, 0, 0, 0}}};
}

}  // namespace

TEST_F(PatternPreviewTest, WhatThePatternAddsIsTheMetersChangeAfterTheInsertion) {
    session.applyModel();
    struct Case {
        const char* name;
        Sequence welcome;
        Sequence goodbye;
        Selection selection;
        int tenths;
        int added;
    };
    const Case cases[] = {
        // The image's header comes with the first bytes.
        {"an empty document", {}, {}, {}, 2, 9 + 7},
        {"at the start of the welcome rows", {}, {Step{"1", "", {8, 0, 0, 0}}}, {}, 2, 7},
        // The row after the pattern repeats the pattern's time: it no longer needs its own.
        {"after row 1, the next row loses its time byte",
         threeRows(),
         {},
         test::positions({1}, 1),
         2,
         7 - 1},
        // The row after the pattern follows 0,5 s now: it needs its time byte.
        {"after row 2, the next row gains a time byte",
         threeRows(),
         {},
         test::positions({2}, 2),
         5,
         7 + 1},
        {"at the end", threeRows(), {}, {}, 5, 7},
    };
    for (const Case& c : cases) {
        Document d;
        d.sequences[kWelcome] = c.welcome;
        d.sequences[kGoodbye] = c.goodbye;
        session.editor().reset(d);
        session.chooseSequence(kWelcome);
        session.setSelection(kWelcome, c.selection);
        const PatternTarget target{session.document(), kWelcome, c.selection,
                                   session.vehicle().options(), session.setup().modellnummer};
        const PatternPreview preview = previewPattern(target, chase(c.tenths));

        const int before = meter().used;
        session.insertPattern(chase(c.tenths));
        ASSERT_EQ(meter().state, MeterReading::State::Fits) << c.name;
        ASSERT_TRUE(preview.addedBytes) << c.name;
        EXPECT_EQ(*preview.addedBytes, meter().used - before) << c.name;
        EXPECT_EQ(*preview.addedBytes, c.added) << c.name;
        // The rows shown are the rows inserted, where they were inserted.
        const Sequence& now = session.document().sequences[kWelcome];
        EXPECT_EQ(now.mid(preview.at, preview.rows.size()), preview.rows) << c.name;
        EXPECT_EQ(preview.rows.size(), 2) << c.name;
    }
}

TEST_F(PatternPreviewTest, NoFigureWithoutAnImageAndNoRowsWhereTheCommandRefuses) {
    // 21 loops: the module holds 20, so neither document has an image.
    Document d;
    for (int n = 1; n <= 21; ++n)
        for (int r = 0; r < 2; ++r)
            d.sequences[kWelcome].append(Step{"1", loopMarker(n, 2), {1, 0, 0, 0}});
    const PatternPreview noImage = previewPattern({d, kWelcome, {}, {}, 0}, chase(2));
    EXPECT_EQ(noImage.rows.size(), 6);  // no room for another loop: copies
    EXPECT_FALSE(noImage.addedBytes);

    Document full;
    full.sequences[kWelcome] = test::plainTable(kMaxRows - 1);
    const PatternPreview refused = previewPattern({full, kWelcome, {}, {}, 0}, chase(2));
    EXPECT_TRUE(refused.rows.isEmpty());
    EXPECT_FALSE(refused.addedBytes);
}
