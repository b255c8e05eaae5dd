#include <gtest/gtest.h>

#include "image/image_builder.h"
#include "image/image_memory_check.h"
#include "sequence/loop_marker.h"
#include "tests/core/image_fixtures.h"
#include "timeline/memory_meter.h"

using namespace vireo;
using namespace vireo::test;

namespace {
// n lit steps of 1 s: the first costs a control, a time and a lamp byte, every further one a
// control and a lamp byte (the time does not change).
Sequence litSteps(int n) {
    Sequence rows;
    for (int i = 0; i < n; ++i) rows.append(row("1", {1, 0, 0, 0}));
    return rows;
}
// The image length the builder makes of a document at the largest capacity.
int builtLength(const Document& d, const VehicleOptions& o = {}) {
    const DataImage image = buildDataImage(d, o, 30, kImageSize - 1);
    EXPECT_EQ(image.outcome, ImageOutcome::Ok);
    return image.length;
}
}  // namespace

TEST(MemoryMeter, NumbersAgreeWithTheImageBuilder) {
    const LanguageTable& de = LanguageTable::builtIn();
    const Document small = documentOf(litSteps(10), litSteps(3));
    const int length = builtLength(small);
    const struct {
        int capacity;
        MeterReading::State state;
        int percent, used, excess;
    } cases[] = {
        {510, MeterReading::State::Fits, *memoryPercent(length, 510), length, 0},
        {length, MeterReading::State::Fits, 100, length, 0},  // just fits
        {length - 1, MeterReading::State::TooBig, *memoryPercent(length, length - 1), length, 1},
        {length - 7, MeterReading::State::TooBig, *memoryPercent(length, length - 7), length, 7},
    };
    for (const auto& c : cases) {
        const MeterReading r = readMemoryMeter(small, {}, 30, c.capacity, de);
        EXPECT_EQ(r.state, c.state) << c.capacity;
        EXPECT_EQ(r.percent, c.percent) << c.capacity;
        EXPECT_EQ(r.used, c.used) << c.capacity;
        EXPECT_EQ(r.excess, c.excess) << c.capacity;
        EXPECT_EQ(r.capacity, c.capacity);
        // What the memory check reports for the same inputs.
        const MemoryCheck check = checkMemory(small, {}, 30, c.capacity, de);
        EXPECT_EQ(check.percent.has_value(), c.state == MeterReading::State::Fits);
        if (check.percent) EXPECT_EQ(*check.percent, r.percent);
    }
    EXPECT_EQ(readMemoryMeter(small, {}, 30, length, de).text,
              QStringLiteral("Speicher: 100 % (%1 von %1 Bytes)").arg(length));
    EXPECT_EQ(readMemoryMeter(small, {}, 30, length - 7, de).text,
              QStringLiteral("Passt nicht: %1 von %2 Bytes, 7 Bytes zu viel")
                  .arg(length)
                  .arg(length - 7));
}

TEST(MemoryMeter, HoldTimesCountAsTheUploadCountsThem) {
    VehicleOptions holds;
    holds.comingHomeAuf.ticked = true;
    holds.welcomeHold = 11;
    const Document d = documentOf(litSteps(4));
    const MeterReading with = readMemoryMeter(d, holds, 30, 510);
    const MeterReading without = readMemoryMeter(d, {}, 30, 510);
    EXPECT_EQ(with.used, builtLength(d, holds));
    EXPECT_GT(with.used, without.used);
}

TEST(MemoryMeter, ImageLargerThanAnyModuleSaysHowMuch) {
    // 9 header bytes, then per sequence 3 bytes for the first step and 2 for each further one.
    const MeterReading r = readMemoryMeter(documentOf(litSteps(500), litSteps(500)), {}, 30, 510);
    EXPECT_EQ(r.state, MeterReading::State::TooBig);
    EXPECT_EQ(r.used, 9 + 2 * (3 + 499 * 2));
    EXPECT_EQ(r.excess, r.used - 510);
    EXPECT_EQ(r.text, QStringLiteral("Passt nicht: 2011 von 510 Bytes, 1501 Bytes zu viel"));
}

TEST(MemoryMeter, ShowsWhyNoImageCanBeBuilt) {
    Sequence manyLoops;
    for (int n = 1; n <= kMaxLoopsPerSequence + 1; ++n)
        manyLoops.append(Step{"1", loopMarker(n, 2), {1, 0, 0, 0}});
    const Sequence zeroRepeat = {Step{"1", QStringLiteral("S  1 / 0 x"), {1, 0, 0, 0}}};
    const LanguageTable& de = LanguageTable::builtIn();
    for (const Document& d : {documentOf(manyLoops), documentOf(zeroRepeat)}) {
        const MeterReading r = readMemoryMeter(d, {}, 30, 510, de);
        EXPECT_EQ(r.state, MeterReading::State::NoImage);
        const QString reason = checkMemory(d, {}, 30, 510, de).message.text.simplified();
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_EQ(r.text, QStringLiteral("Kein Speicherabbild: ") + reason);
    }
    EXPECT_EQ(readMemoryMeter(Document{}, {}, 30, 510).state, MeterReading::State::NothingToSend);
}
