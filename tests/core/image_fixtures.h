#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <vector>

#include "sequence/document.h"
#include "support/numbered_language.h"
#include "support/printing.h"
#include "text/language.h"

namespace vireo::test {

// A row of a sequence table: on-time text, loop marker, corners 1..4.
inline Step row(const char* time, LampBytes lamps, const char* loop = "") {
    return Step{OnTime(time), QString::fromUtf8(loop), lamps};
}

inline Document documentOf(Sequence welcome, Sequence goodbye = {}) {
    Document d;
    d.sequences[kWelcome] = std::move(welcome);
    d.sequences[kGoodbye] = std::move(goodbye);
    return d;
}

inline QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

}  // namespace vireo::test
