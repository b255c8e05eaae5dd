#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "desktop/register_file_type.h"
#include "desktop/windows_file_association.h"
#include "desktop/xdg_file_association.h"

namespace vireo {
namespace {

FileTypeDescription typeWithProgram(const QString& programPath) {
    return {QStringLiteral("Vireo 3.0"), programPath, QStringLiteral("Vireo_E_F"),
            QStringLiteral("kvs"), QStringLiteral("C:/Program Files/Vireo/Daten.ico")};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below a folder with its contents.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), contents(path));
    }
    return files;
}

TEST(WindowsFileAssociation, WritesTheFourClassValuesInOrder) {
    const auto entries =
        windowsClassEntries(typeWithProgram(QStringLiteral("C:/Program Files/Vireo/vireo.exe")));
    const QVector<ClassKeyValue> expected = {
        {"Vireo_E_F", "Vireo 3.0"},
        {".kvs", "Vireo_E_F"},
        {"Vireo_E_F\\shell\\open\\command", "\"C:\\Program Files\\Vireo\\vireo.exe\" \"%1\""},
        {"Vireo_E_F\\DefaultIcon", "C:\\Program Files\\Vireo\\Daten.ico"},
    };
    EXPECT_EQ(entries, expected);
}

TEST(XdgFileAssociation, ExecArgumentQuotesAndEscapesReservedCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/vireo", "/usr/bin/vireo"},
        {"/opt/Vireo 3.0/vireo", "\"/opt/Vireo 3.0/vireo\""},
        {"/opt/a\"b$c`d/vireo", "\"/opt/a\\\\\"b\\\\$c\\\\`d/vireo\""},
        {"/opt/back\\slash/vireo", "\"/opt/back\\\\\\\\slash/vireo\""},
        {"/opt/100%/vireo", "/opt/100%%/vireo"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(desktopExecArgument(QString::fromUtf8(path)), QString::fromUtf8(expected))
            << path;
}

class XdgRegistration : public ::testing::Test {
  protected:
    QTemporaryDir data;
    const FileTypeDescription type = typeWithProgram(QStringLiteral("/opt/Vireo 3.0/vireo"));
};

TEST_F(XdgRegistration, WritesMimeTypeDesktopEntryAndIcons) {
    ASSERT_TRUE(Dateityp_Registrieren(type, data.path()));

    const QString mime = QString::fromUtf8(contents(data.filePath("mime/packages/vireo-kvs.xml")));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-vireo-sequence\">"))
        << mime.toStdString();
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.kvs\"/>")) << mime.toStdString();
    EXPECT_TRUE(mime.contains("<icon name=\"application-x-vireo-sequence\"/>"))
        << mime.toStdString();

    const QString entry = QString::fromUtf8(contents(data.filePath("applications/vireo.desktop")));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/Vireo 3.0/vireo\" %f\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vireo-sequence;\n"))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nIcon=vireo\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nType=Application\n")) << entry.toStdString();

    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        const QString icon = QStringLiteral(
                                 "icons/hicolor/%1/mimetypes/"
                                 "application-x-vireo-sequence.png")
                                 .arg(QLatin1String(size));
        EXPECT_TRUE(contents(data.filePath(icon)).startsWith("\x89PNG")) << icon.toStdString();
        EXPECT_TRUE(QFile::exists(
            data.filePath(QStringLiteral("icons/hicolor/%1/apps/vireo.png").arg(size))));
    }
    EXPECT_TRUE(
        contents(data.filePath("icons/hicolor/scalable/mimetypes/application-x-vireo-sequence.svg"))
            .contains("<svg"));

    // Where the refresh tool is installed it accepted the package and indexed the type.
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
        EXPECT_TRUE(QFile::exists(data.filePath("mime/application/x-vireo-sequence.xml")));
}

TEST_F(XdgRegistration, RegisteringTwiceGivesTheSameFiles) {
    ASSERT_TRUE(Dateityp_Registrieren(type, data.path()));
    const auto first = snapshot(data.path());
    ASSERT_TRUE(Dateityp_Registrieren(type, data.path()));
    EXPECT_EQ(snapshot(data.path()), first);
}

TEST_F(XdgRegistration, UnwritableDataFolderFailsQuietly) {
    QFile blocker(data.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Dateityp_Registrieren(type, data.filePath("blocked")));
}

}  // namespace
}  // namespace vireo
