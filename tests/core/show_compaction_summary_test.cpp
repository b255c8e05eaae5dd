#include <gtest/gtest.h>

#include "show/compaction_summary.h"
#include "text/language.h"

using namespace vireo;

namespace {

CompactionResult result(CompactionResult::Status status, int before, int after) {
    CompactionResult r;
    r.status = status;
    r.bytesBefore = before;
    r.bytesAfter = after;
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
    noImage.sequences[kWelcome] = result(Status::CannotBuild, 0, 0);
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
        {"no image",
         noImage,
         false,
         {"Öffnen: bleibt, wie sie ist (kein Speicherabbild möglich)",
          "Hier lässt sich nichts gewinnen: keine kleinere Fassung zeigt dasselbe."}},
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
