#pragma once

#include <QString>

namespace vireo {

// Fixed facts about the program that several places show.
inline const QString kAppTitle = QStringLiteral("Vireo");
inline const QString kCompany = QStringLiteral("Kelvor");
inline const QString kMakerWeb = QStringLiteral("www.kelvor.example");
inline const QString kMakerMail = QStringLiteral("info@kelvor.example");

inline QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(VIREO_VERSION_MAJOR)
        .arg(VIREO_VERSION_MINOR)
        .arg(VIREO_VERSION_PATCH);
}

}  // namespace vireo
