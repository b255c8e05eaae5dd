#include "image/image_hex.h"

#include <QStringList>

namespace vireo {

QString imageHexText(const DataImage& image) {
    QStringList parts;
    parts.reserve(image.length);
    for (int i = 1; i <= image.length; ++i)
        parts << QStringLiteral("%1").arg(image.byteAt(i), 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(' '));
}

}  // namespace vireo
