#pragma once

#include <QByteArray>

#include "text/language.h"

namespace vireo::test {

// A language table whose entry n reads "E<n>", so prompts and texts show which entry they use.
// Entries beyond the table fall back to the built-in German texts.
inline const LanguageTable& numberedLanguage() {
    static const LanguageTable table = [] {
        QByteArray file;
        for (int n = 1; n <= LanguageTable::kHighestEntry; ++n)
            file += QByteArray::number(n).rightJustified(4, '0') +
                    (n == 177 ? QByteArray("xxxx") : QByteArray()) + "E" + QByteArray::number(n) +
                    "\r\n";
        LanguageTable t;
        t.parse(file);
        return t;
    }();
    return table;
}

}  // namespace vireo::test
