#pragma once

#include <QImage>

namespace vireo {

// The picture of the about box: the "Vireo" wordmark lit by a headlight beam, 197 x 48 pixels.
QImage aboutLogo();

}  // namespace vireo
