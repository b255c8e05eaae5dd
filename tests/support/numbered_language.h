#pragma once

#include <QByteArray>
#include <QRegularExpression>

#include "text/language.h"

namespace vireo::test {

// A language table whose entry n reads "E<n>", so prompts and texts show which entry they use.
// It holds every entry a complete language file holds; an entry whose German text takes values
// ("%1") takes them too, after its number ("E91 %1").
inline const LanguageTable& numberedLanguage() {
    static const LanguageTable table = [] {
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        QByteArray file;
        for (int n = 1; n <= LanguageTable::highestEntry(); ++n) {
            QByteArray text = "E" + QByteArray::number(n);
            QStringList seen;
            for (const auto& m : placeholder.globalMatch(LanguageTable::builtIn().entry(n)))
                if (!seen.contains(m.captured())) seen << m.captured();
            seen.sort();
            for (const QString& p : seen) text += " " + p.toLatin1();
            file += QByteArray::number(n).rightJustified(4, '0') +
                    (n == 177 ? QByteArray("xxxx") : QByteArray()) + text + "\r\n";
        }
        LanguageTable t;
        t.parse(file);
        return t;
    }();
    return table;
}

}  // namespace vireo::test
