#include "sequence/step_table.h"

#include "sequence/edit_limits.h"
#include "text/text_ids.h"

namespace vireo {

std::optional<EditOutcome> appendStep(const Sequence& rows, const Selection& selection,
                                      int sliderValue, const LampBytes& lamps,
                                      EditContext& context) {
    if (rows.size() >= kMaxRows) {
        refuse(context, EditLimit::TableFull);
        return std::nullopt;
    }
    EditOutcome out{rows, selection, 31, true};  // "Speichern und weiter"
    out.rows.append(Step{OnTime::ofTenths(sliderValue), QString(), lamps});
    return out;
}

int shownRow(const Sequence& rows, const Selection& selection) {
    if (rows.isEmpty()) return -1;
    const QList<int> selected = validSelectedRows(selection, rows.size());
    return selected.isEmpty() ? rows.size() - 1 : selected.first();
}

QString positionText(int row, const LanguageTable& language) {
    return language.entry(text::PositionLine).arg(row + 1);
}

QString onTimeCaption(int sliderValue, const LanguageTable& language, const QLocale& locale) {
    return OnTime::ofTenths(sliderValue).text(locale) + language.entry(text::OnTimeSuffix);
}

}  // namespace vireo
