#include "sequence/edit_outcome.h"

#include <algorithm>

#include "sequence/document_editor.h"

namespace vireo {

bool commitEdit(DocumentEditor& editor, int s, const Selection& selectionBefore,
                const EditOutcome& outcome, const LanguageTable& texts) {
    if (editor.sequence(s) == outcome.rows) return false;
    editor.commit(s, outcome.rows, selectionBefore, outcome.selection,
                  undoStepText(texts, outcome.labelEntry));
    return true;
}

QString withoutAccessLetter(QString text) {
    // "&&" is a literal ampersand; a single "&" marks the accelerator.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QString undoStepText(const LanguageTable& texts, int entry) {
    QString text = withoutAccessLetter(texts.entry(entry));
    // The ellipsis of a menu item only says that a dialog follows.
    text = text.trimmed();
    if (text.endsWith(QChar(0x2026))) text.chop(1);
    return text.trimmed();
}

QList<int> validSelectedRows(const Selection& selection, int rowCount) {
    QList<int> rows;
    for (int r : selection.rows)
        if (r >= 0 && r < rowCount) rows << r;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace vireo
