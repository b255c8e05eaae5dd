#include "desktop/register_file_type.h"

#include "desktop/windows_file_association.h"
#include "desktop/xdg_file_association.h"

namespace vireo {

bool Dateityp_Registrieren(const FileTypeDescription& type, const QString& xdgDataFolder) {
#if defined(Q_OS_WIN)
    Q_UNUSED(xdgDataFolder);
    return writeWindowsClassEntries(windowsClassEntries(type));
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return registerXdgFileType(type, xdgDataFolder);
#else
    Q_UNUSED(type);
    Q_UNUSED(xdgDataFolder);
    return false;
#endif
}

}  // namespace vireo
