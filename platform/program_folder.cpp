#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vireo {

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}

bool holdsLanguageFiles(const QString& folder) {
    return !QDir(folder).entryList({QStringLiteral("*.kvl")}, QDir::Files).isEmpty();
}
}  // namespace

QString programFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (holdsLanguageFiles(exeDir)) return exeDir;
    // An installed program keeps its data apart from the executables: <prefix>/share/vireo.
    const QString shared = QDir(exeDir).absoluteFilePath(QStringLiteral("../share/vireo"));
    if (holdsLanguageFiles(shared)) return QDir::cleanPath(shared);
    return exeDir;
}

void setProgramFolder(const QString& folder) {
    overrideFolder() = folder;
}

}  // namespace vireo
