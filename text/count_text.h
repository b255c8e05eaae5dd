#pragma once

#include <QString>

namespace vireo {

class LanguageTable;

// A number with its noun agreeing: the entry `oneEntry` for exactly one ("1 Schritt"), else
// `manyEntry` with the number for %1 ("0 Schritte", "3 Schritte").
QString countText(const LanguageTable& texts, long long count, int oneEntry, int manyEntry);

}  // namespace vireo
