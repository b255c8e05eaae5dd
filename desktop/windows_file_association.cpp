#include "desktop/windows_file_association.h"

#include <QSettings>

#ifdef Q_OS_WIN
#include <shlobj.h>
#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#endif
#endif

namespace vireo {

namespace {
QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Registry values hold Windows paths whatever system builds the list.
QString windowsPath(const QString& path) {
    QString native = path;
    return native.replace(QLatin1Char('/'), QLatin1Char('\\'));
}
}  // namespace

QVector<ClassKeyValue> windowsClassEntries(const FileTypeDescription& type) {
    const QString typeKey = type.typeName;
    return {
        {typeKey, type.description},
        {QLatin1Char('.') + type.extension, type.typeName},
        {typeKey + QStringLiteral("\\shell\\open\\command"),
         quoted(windowsPath(type.programPath)) + QStringLiteral(" \"%1\"")},
        {typeKey + QStringLiteral("\\DefaultIcon"), windowsPath(type.iconPath)},
    };
}

bool writeWindowsClassEntries(const QVector<ClassKeyValue>& entries) {
#ifdef Q_OS_WIN
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"),
                      QSettings::NativeFormat);
    for (const ClassKeyValue& entry : entries) {
        QString key = entry.key;
        key.replace(QLatin1Char('\\'), QLatin1Char('/'));
        // "Default" names the unnamed value of a key in the native registry format.
        classes.setValue(key + QStringLiteral("/Default"), entry.value);
        classes.sync();
        if (classes.status() != QSettings::NoError) return false;
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return true;
#else
    Q_UNUSED(entries);
    return false;
#endif
}

}  // namespace vireo
