#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vireo {

// What the program knows of the module after a handshake.
struct ModuleIdentity {
    bool connected = false;  // Modul_Verbunden: the last handshake got a valid reply
    QString type;            // Modul_Typ: digit, point, digit (e.g. "5.1")
    QString version;         // Modul_Ver: digit, point, digit
    QString compilerDate;    // Compiler_Datum: "24.12.2009"; empty unless developer mode read it
    int codedModel = 0;      // Read_Modell: model index the module is coded for, 0 = none
};

// The frames of the handshake.
QByteArray identificationRequest();  // "@#*"
QByteArray endFrame();               // 0x00 0x01
QByteArray busyReply();              // "@#*3"

// A valid identification reply: byte 1 "T" and byte 4 "V"; type from bytes 2 and 3, version
// from bytes 5 and 6. An 11-byte reply also carries the developer tail.
struct IdentificationReply {
    QString type;
    QString version;
    bool hasDeveloperTail = false;
    quint32 dateNumber = 0;  // bytes 7-10, most significant first
    int codedModel = 0;      // byte 11, 255 read as 0
};
std::optional<IdentificationReply> parseIdentificationReply(const QByteArray& reply);

// The software date from its number, whose decimal digits are day, month and year run
// together: 6 digits D.M.YYYY, 7 digits D.MM.YYYY, 8 (and any other count) DD.MM.YYYY.
QString compilerDateText(quint32 number);

// The coded model from reply byte 11: 255 means not coded, as does 0.
int codedModelFromByte(quint8 byte);

}  // namespace vireo
