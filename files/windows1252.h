#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vireo {

// Text in sequence files is Windows-1252, whatever the machine's locale is. Every one of the 256
// byte values decodes to a character, so decoding and encoding back give the same bytes.
QString fromWindows1252(QByteArrayView bytes);

// Encodes text as Windows-1252. A character the code page lacks becomes a substitute byte;
// `ok` (when given) is set to false then.
QByteArray toWindows1252(const QString& text, bool* ok = nullptr);

}  // namespace vireo
