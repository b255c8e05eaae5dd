#include "desktop/file_type.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/program_folder.h"

namespace vireo {

FileTypeDescription sequenceFileType() {
    // The running executable, not a fixed file name: a registration must start the program
    // that is actually installed, whatever its file is called.
    return {QStringLiteral("Vireo 3.0"), QCoreApplication::applicationFilePath(),
            QStringLiteral("Vireo_E_F"), QStringLiteral("kvs"),
            QDir(programFolder()).filePath(QStringLiteral("Daten.ico"))};
}

}  // namespace vireo
