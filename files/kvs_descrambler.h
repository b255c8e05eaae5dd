#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vireo {

// The plain body text of a .kvs file, one byte per character code: the header line (everything
// up to and including the first LF) is skipped, zero, CR and LF bytes are dropped and every other
// byte is XORed with the key. A file without a line break has an empty body.
QByteArray descrambleKvs(QByteArrayView fileBytes);

}  // namespace vireo
