#include "text/menu_mnemonics.h"

#include <QSet>

namespace vireo {

QStringList withMnemonics(const QStringList& captions) {
    QSet<QChar> taken;
    // Letters chosen by the captions themselves come first.
    for (const QString& caption : captions) {
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        if (mark >= 0 && mark + 1 < caption.size()) taken.insert(caption.at(mark + 1).toLower());
    }
    QStringList marked;
    marked.reserve(captions.size());
    for (const QString& caption : captions) {
        QString shown = caption;
        if (!caption.contains(QLatin1Char('&'))) {
            for (qsizetype i = 0; i < caption.size(); ++i) {
                const QChar letter = caption.at(i).toLower();
                if (!letter.isLetterOrNumber() || taken.contains(letter)) continue;
                taken.insert(letter);
                shown.insert(i, QLatin1Char('&'));
                break;
            }
        }
        marked << shown;
    }
    return marked;
}

}  // namespace vireo
