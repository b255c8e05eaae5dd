#include "files/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vireo {

namespace {
constexpr const char* kCodePage = "Windows-1252";
}

QString fromWindows1252(QByteArrayView bytes) {
    QStringDecoder decode(kCodePage);
    return decode(bytes);
}

QByteArray toWindows1252(const QString& text, bool* ok) {
    QStringEncoder encode(kCodePage);
    QByteArray bytes = encode(text);
    if (ok) *ok = !encode.hasError();
    return bytes;
}

}  // namespace vireo
