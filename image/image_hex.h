#pragma once

#include <QString>

#include "image/image_builder.h"

namespace vireo {

// The bytes 1..length of an image as two-digit lowercase hex, separated by single blanks.
QString imageHexText(const DataImage& image);

}  // namespace vireo
