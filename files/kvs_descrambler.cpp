#include "files/kvs_descrambler.h"

#include "files/kvs_format.h"

namespace vireo {

QByteArray descrambleKvs(QByteArrayView fileBytes) {
    QByteArray plain;
    const qsizetype lineEnd = fileBytes.indexOf('\n');
    if (lineEnd < 0) return plain;
    plain.reserve(fileBytes.size() - lineEnd);
    for (qsizetype i = lineEnd + 1; i < fileBytes.size(); ++i) {
        const char b = fileBytes[i];
        if (b == '\0' || b == '\r' || b == '\n') continue;
        plain.append(char(static_cast<unsigned char>(b) ^ kvs::kKey));
    }
    return plain;
}

}  // namespace vireo
