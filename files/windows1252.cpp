#include "files/windows1252.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace vireo {

namespace {

// Opening a converter costs far more than converting the few characters of a field, so the
// code page is asked once for all 256 characters and the tables do the rest.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePageTables() {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b) all[b] = char(b);
        QStringDecoder decode("Windows-1252");
        const QString text = decode(all);
        for (int b = 0; b < 256; ++b) {
            // Without a usable converter the bytes stand for themselves (Latin-1).
            toUnicode[b] = text.size() == 256 ? text[b].unicode() : char16_t(b);
            fromUnicode.insert(toUnicode[b], char(b));
        }
    }
};

const CodePageTables& tables() {
    static const CodePageTables t;
    return t;
}

constexpr char kSubstitute = 0x1A;

}  // namespace

QString fromWindows1252(QByteArrayView bytes) {
    const auto& map = tables().toUnicode;
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = map[static_cast<unsigned char>(bytes[i])];
    return text;
}

QByteArray toWindows1252(const QString& text, bool* ok) {
    const auto& map = tables().fromUnicode;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool encodable = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {  // ASCII is the same in Windows-1252
            bytes[i] = char(c);
            continue;
        }
        const auto it = map.constFind(c);
        if (it == map.constEnd()) {
            encodable = false;
            bytes[i] = kSubstitute;
        } else {
            bytes[i] = *it;
        }
    }
    if (ok) *ok = encodable;
    return bytes;
}

}  // namespace vireo
