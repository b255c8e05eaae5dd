#include <gtest/gtest.h>

#include "image/image_hex.h"
#include "image/image_memory_check.h"
#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

TEST(MemoryPercent, RoundedToOneDecimalThenWholeBothHalfToEven) {
    const struct {
        int length, capacity, percent;
    } cases[] = {
        {13, 510, 2},  // 2.549 -> 2.5 -> 2 (rounding once would give 3)
        {18, 510, 4},  // 3.529 -> 3.5 -> 4
        {5, 200, 2},   // 2.5 -> 2
        {7, 200, 4},   // 3.5 -> 4
        {1, 200, 0},   // 0.5 -> 0
        {510, 510, 100}, {1010, 1010, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(memoryPercent(c.length, c.capacity), c.percent) << c.length << "/" << c.capacity;
    EXPECT_FALSE(memoryPercent(12, 0).has_value());
}

TEST(MemoryCheck, MessageForEachOutcome) {
    const LanguageTable& texts = numberedLanguage();
    const Document one = documentOf({row("1,5", {0, 5, 0, 0})});

    const MemoryCheck ok = checkMemory(one, {}, 30, 510, texts);
    EXPECT_EQ(ok.percent, 2);
    EXPECT_EQ(ok.message,
              (UserMessage{QStringLiteral("E106 2 %"), QStringLiteral("www.kelvor.example"),
                           PromptIcon::Information}));

    // No module identified yet: capacity 0 gives the capacity message, never a division.
    const MemoryCheck unknown = checkMemory(one, {}, 30, 0, texts);
    EXPECT_FALSE(unknown.percent.has_value());
    EXPECT_EQ(unknown.message.text, QStringLiteral("E104\n\nE105"));

    for (int capacity : {0, 510}) {
        const MemoryCheck empty = checkMemory(Document{}, {}, 30, capacity, texts);
        EXPECT_EQ(empty.image.outcome, ImageOutcome::NothingToSend);
        EXPECT_FALSE(empty.percent.has_value());
        EXPECT_FALSE(empty.message.isEmpty());
    }
}

TEST(ImageHex, BytesOneToLengthLowercaseWithBlanks) {
    const DataImage image = buildDataImage(documentOf({row("1,5", {0, 5, 0, 0})}), {}, 30, 510);
    EXPECT_EQ(imageHexText(image), QStringLiteral("00 0c 00 0d 1e 00 00 00 00 c4 0f 05"));
}
