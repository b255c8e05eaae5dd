#pragma once

#include <QString>

#include "image/image_cost.h"
#include "text/language.h"

namespace vireo {

// What a step costs, for its tool tip: "Schritt 7: 5 Bytes: Steuerbyte, Zeit, 2 Ecken, Schleife".
// `step` is 0-based.
QString stepBytesText(int step, const RowBytes& bytes, const LanguageTable& texts);

// The image broken down, one line each: header, welcome, goodbye, hold records, free.
QString imageBreakdownText(const ImageCost& cost, const LanguageTable& texts);

}  // namespace vireo
