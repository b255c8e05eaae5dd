#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

#include "sequence/document.h"

// Readable values in failure messages: texts as UTF-8, bytes as hex, steps by their values.
// Every test file is compiled with this header, so each value prints the same way in all of
// them.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.toHex(' ').toStdString();
}

namespace vireo {

inline void PrintTo(const OnTime& time, std::ostream* os) {
    *os << time.text(QLocale::c()).toStdString() << " s";
}

inline void PrintTo(const Step& step, std::ostream* os) {
    *os << "{" << step.time.text(QLocale::c()).toStdString() << " s, \"" << step.loop.toStdString()
        << "\", " << step.lamps[0] << "." << step.lamps[1] << "." << step.lamps[2] << "."
        << step.lamps[3] << "}";
}

}  // namespace vireo
