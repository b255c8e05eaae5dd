#include "text/count_text.h"

#include "text/language.h"

namespace vireo {

QString countText(const LanguageTable& texts, long long count, int oneEntry, int manyEntry) {
    return count == 1 ? texts.entry(oneEntry) : texts.entry(manyEntry).arg(count);
}

}  // namespace vireo
