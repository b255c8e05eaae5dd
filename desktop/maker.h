#pragma once

#include <QString>

namespace vireo {

// The maker's web and mail addresses: the about box's links, and the title of several
// messages about sequences and uploads.
inline QString makerWebAddress() {
    return QStringLiteral("www.kelvor.example");
}
inline QString makerMailAddress() {
    return QStringLiteral("info@kelvor.example");
}

}  // namespace vireo
