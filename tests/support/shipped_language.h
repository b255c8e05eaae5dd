#pragma once

#include "text/language.h"

namespace vireo::test {

// The English language file that ships with the program, loaded once.
inline const LanguageTable& englishLanguage() {
    static const LanguageTable table = [] {
        LanguageTable t;
        t.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("English"));
        return t;
    }();
    return table;
}

}  // namespace vireo::test
