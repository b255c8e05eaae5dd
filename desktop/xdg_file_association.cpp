#include "desktop/xdg_file_association.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/embedded_resources.h"

namespace vireo {

namespace {

const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QByteArray resource(const QString& path) {
    ensureEmbeddedResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

QByteArray filled(const QString& templatePath, const QList<QPair<QString, QString>>& values) {
    QString text = QString::fromUtf8(resource(templatePath));
    for (const auto& [name, value] : values) text.replace(name, value);
    return text.toUtf8();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

// Icons from the program's resources into the hicolor theme, under the given context
// ("mimetypes", "apps") and name.
bool installIcons(const QString& iconsFolder, const QString& resourceStem, const QString& context,
                  const QString& name) {
    for (int size : kIconSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1").arg(size);
        if (!writeFile(QStringLiteral("%1/hicolor/%2/%3/%4.png")
                           .arg(iconsFolder, sizeFolder, context, name),
                       resource(QStringLiteral(":/icons/%1-%2.png").arg(resourceStem).arg(size))))
            return false;
    }
    return writeFile(
        QStringLiteral("%1/hicolor/scalable/%2/%3.svg").arg(iconsFolder, context, name),
        resource(QStringLiteral(":/icons/%1.svg").arg(resourceStem)));
}

// Runs a database refresh tool on a folder when the tool is installed; a missing tool is no
// failure (the desktop then picks the files up on its next scan).
bool refresh(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return true;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, {folder});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

}  // namespace

QString sequenceMimeType() {
    return QStringLiteral("application/x-vireo-sequence");
}

QString sequenceMimeIconName() {
    return sequenceMimeType().replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString desktopExecArgument(const QString& programPath) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : programPath) needsQuotes = needsQuotes || reserved.contains(c);
    QString argument = programPath;
    if (needsQuotes) {
        QString inner;
        for (QChar c : programPath) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                inner += QLatin1Char('\\');
            inner += c;
        }
        argument = QLatin1Char('"') + inner + QLatin1Char('"');
    }
    // The key's value is a string: every backslash is written twice, and "%" is a field code
    // unless doubled.
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return argument;
}

QByteArray xdgMimePackage(const FileTypeDescription& type) {
    return filled(QStringLiteral(":/desktop/vireo-mime.xml.in"),
                  {{QStringLiteral("@MIME_TYPE@"), sequenceMimeType()},
                   {QStringLiteral("@ICON_NAME@"), sequenceMimeIconName()},
                   {QStringLiteral("@DESCRIPTION@"), type.description.toHtmlEscaped()},
                   {QStringLiteral("@EXTENSION@"), type.extension.toHtmlEscaped()}});
}

QByteArray xdgDesktopEntry(const FileTypeDescription& type) {
    return filled(QStringLiteral(":/desktop/vireo.desktop.in"),
                  {{QStringLiteral("@NAME@"), type.description},
                   {QStringLiteral("@EXEC@"), desktopExecArgument(type.programPath)},
                   {QStringLiteral("@MIME_TYPE@"), sequenceMimeType()}});
}

bool registerXdgFileType(const FileTypeDescription& type, const QString& dataFolder) {
    const QString data = dataFolder.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             : dataFolder;
    if (data.isEmpty()) return false;
    const QDir root(data);
    const QString mimeFolder = root.filePath(QStringLiteral("mime"));
    const QString applicationsFolder = root.filePath(QStringLiteral("applications"));
    const QString iconsFolder = root.filePath(QStringLiteral("icons"));
    return writeFile(mimeFolder + QStringLiteral("/packages/vireo-kvs.xml"),
                     xdgMimePackage(type)) &&
           writeFile(applicationsFolder + QStringLiteral("/vireo.desktop"),
                     xdgDesktopEntry(type)) &&
           installIcons(iconsFolder, QStringLiteral("document"), QStringLiteral("mimetypes"),
                        sequenceMimeIconName()) &&
           installIcons(iconsFolder, QStringLiteral("vireo"), QStringLiteral("apps"),
                        QStringLiteral("vireo")) &&
           refresh(QStringLiteral("update-mime-database"), mimeFolder) &&
           refresh(QStringLiteral("update-desktop-database"), applicationsFolder);
}

}  // namespace vireo
