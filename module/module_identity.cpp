#include "module/module_identity.h"

namespace vireo {

namespace {
QString byteText(const QByteArray& bytes, int position) {
    return position <= bytes.size() ? QString(QChar::fromLatin1(bytes.at(position - 1)))
                                    : QString();
}
}  // namespace

QByteArray identificationRequest() {
    return QByteArrayLiteral("@#*");
}

QByteArray endFrame() {
    return QByteArray("\x00\x01", 2);
}

QByteArray busyReply() {
    return QByteArrayLiteral("@#*3");
}

std::optional<IdentificationReply> parseIdentificationReply(const QByteArray& reply) {
    if (reply.size() < 4 || reply.at(0) != 'T' || reply.at(3) != 'V') return std::nullopt;
    IdentificationReply parsed;
    parsed.type = byteText(reply, 2) + QLatin1Char('.') + byteText(reply, 3);
    parsed.version = byteText(reply, 5) + QLatin1Char('.') + byteText(reply, 6);
    if (reply.size() == 11) {
        parsed.hasDeveloperTail = true;
        for (int i = 6; i < 10; ++i)
            parsed.dateNumber = (parsed.dateNumber << 8) | static_cast<quint8>(reply.at(i));
        parsed.codedModel = codedModelFromByte(static_cast<quint8>(reply.at(10)));
    }
    return parsed;
}

QString compilerDateText(quint32 number) {
    const QString digits = QString::number(number);
    int dayDigits = 2;
    int monthDigits = 2;
    if (digits.size() == 6) {
        dayDigits = 1;
        monthDigits = 1;
    } else if (digits.size() == 7) {
        dayDigits = 1;
    }
    return digits.left(dayDigits) + QLatin1Char('.') + digits.mid(dayDigits, monthDigits) +
           QLatin1Char('.') + digits.mid(dayDigits + monthDigits);
}

int codedModelFromByte(quint8 byte) {
    return byte == 255 ? 0 : byte;
}

}  // namespace vireo
