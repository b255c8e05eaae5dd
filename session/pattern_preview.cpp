#include "session/pattern_preview.h"

#include "image/image_cost.h"
#include "module/upload_image.h"
#include "platform/silent_prompter.h"
#include "text/language.h"

namespace vireo {

namespace {

// The image total as the meter counts it; none when the document has no image.
std::optional<int> imageTotal(const Document& document, const PatternTarget& target) {
    const ImageCost cost = imageCost(document, target.options, target.moduleCode, kUploadCapacity);
    if (!cost.hasFigures()) return std::nullopt;
    return cost.total;
}

}  // namespace

PatternPreview previewPattern(const PatternTarget& target, const PatternChoice& choice) {
    const Sequence& rows = target.document.sequences[target.sequence];
    PatternPreview preview;
    preview.at = patternInsertionRow(rows, target.selection);
    // The command itself decides, without telling anyone: a refusal only leaves no rows.
    SilentPrompter silent;
    EditContext context{silent, LanguageTable::builtIn()};
    const auto outcome = insertPattern(rows, target.selection, choice, context);
    if (!outcome) return preview;
    preview.rows = outcome->rows.mid(preview.at, outcome->rows.size() - rows.size());

    Document grown = target.document;
    grown.sequences[target.sequence] = outcome->rows;
    const auto before = imageTotal(target.document, target);
    const auto after = imageTotal(grown, target);
    if (before && after) preview.addedBytes = *after - *before;
    return preview;
}

}  // namespace vireo
