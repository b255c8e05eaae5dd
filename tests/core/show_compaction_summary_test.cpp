#include <gtest/gtest.h>

#include "show/compaction_summary.h"
#include "text/language.h"

using namespace vireo;

namespace {

CompactionResult result(CompactionResult::Status status, int before, int after,
                        std::optional<ImageOutcome> noImage = std::nullopt) {
    CompactionResult r;
    r.status = status;
    r.bytesBefore = before;
    r.bytesAfter = after;
    r.inputHasNoImage = noImage;
    return r;
}

}  // namespace

TEST(CompactionSummary, FiguresOrWhyNothingChanges) {
    using Status = CompactionResult::Status;
    DocumentCompaction won;
    won.capacity = 510;
    won.sequences[kWelcome] = result(Status::Compacted, 76, 11);
    won.sequences[kGoodbye] = result(Status::Endless, 40, 40);
    won.imageBefore = 125;
    won.imageAfter = 60;
    DocumentCompaction tooLarge = won;
    tooLarge.imageBefore = 700;
    tooLarge.imageAfter = 635;
    DocumentCompaction nothing;
    nothing.sequences[kGoodbye] = result(Status::NothingWon, 7, 7);
    DocumentCompaction noImage;
    noImage.sequences[kWelcome] = result(Status::CannotBuild, 0, 0, ImageOutcome::Overflow);
    // More loops than the module holds: folding loops together gives the show an image.
    DocumentCompaction madeBuildable;
    madeBuildable.capacity = 510;
    madeBuildable.sequences[kWelcome] =
        result(Status::Compacted, 0, 161, ImageOutcome::TooManyLoops);
    madeBuildable.imageAfter = 170;
    DocumentCompaction failed = won;
    failed.sequences[kGoodbye] = result(Status::CheckFailed, 40, 40);

    const struct {
        const char* name;
        DocumentCompaction plan;
        bool canApply;
        QStringList lines;
    } cases[] = {
        {"won",
         won,
         true,
         {"Öffnen: von 76 auf 11 Bytes",
          "Schliessen: bleibt, wie sie ist (die Wiedergabe endet nicht oder ist zu lang)",
          "Ganzes Speicherabbild: von 125 auf 60 von 510 Bytes",
          "Verdichten? Die Wiedergabe bleibt genau gleich."}},
        {"still too large",
         tooLarge,
         true,
         {"Öffnen: von 76 auf 11 Bytes",
          "Schliessen: bleibt, wie sie ist (die Wiedergabe endet nicht oder ist zu lang)",
          "Ganzes Speicherabbild: von 700 auf 635 von 510 Bytes",
          "Das Speicherabbild ist dann immer noch 125 Bytes zu groß.",
          "Verdichten? Die Wiedergabe bleibt genau gleich."}},
        {"nothing to win",
         nothing,
         false,
         {"Schliessen: von 7 auf 7 Bytes",
          "Hier lässt sich nichts gewinnen: keine kleinere Fassung zeigt dasselbe."}},
        {"no image, said once with why",
         noImage,
         false,
         {"Öffnen: bleibt, wie sie ist (kein Speicherabbild möglich: ein Wert passt nicht in sein "
          "Byte)"}},
        {"no image, but one compacted",
         madeBuildable,
         true,
         {"Öffnen: hat kein Speicherabbild (mehr als 20 Schleifen); verdichtet braucht sie 161 "
          "Bytes",
          "Verdichten? Die Wiedergabe bleibt genau gleich."}},
        {"check failed",
         failed,
         false,
         {"Verdichten abgebrochen: das Ergebnis spielte nicht gleich ab. Nichts wurde geändert."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CompactionSummary summary = compactionSummary(c.plan, LanguageTable::builtIn());
        EXPECT_EQ(summary.canApply, c.canApply);
        EXPECT_EQ(summary.lines, c.lines);
    }
}
