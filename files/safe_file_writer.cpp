#include "files/safe_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace vireo {

namespace {

// Writes all bytes, unbuffered, so that every byte has reached the system when this returns: a
// buffered write that the disk cuts short on the final flush would otherwise go unreported.
bool writeAll(QFileDevice& file, QByteArrayView bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        // A short write is followed by one that fails and names the reason (disk full, ...).
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool writeSyncedNow(const QString& path, QByteArrayView bytes, QString* error) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (error) *error = file.errorString();
        return false;  // the new file is discarded with `file`; the old one stays
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail();
    if (!writeAll(file, bytes)) return fail();
    if (!file.commit()) return fail();  // syncs to the disk, then renames
    return true;
}

// As QSaveFile, without its sync to the disk, which takes milliseconds: a temporary file beside
// the target, renamed over it once complete.
bool writeSyncedLater(const QString& path, QByteArrayView bytes, QString* error) {
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;  // the temporary file is removed with `file`; the old one stays
    };
    if (!file.open()) return fail(file.errorString());
    if (!writeAll(file, bytes) || !file.flush()) return fail(file.errorString());
    file.close();
    std::error_code code;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), code);
    if (code) return fail(QString::fromStdString(code.message()));
    file.setAutoRemove(false);
    return true;
}

#if defined(Q_OS_UNIX)
bool syncDescriptorOf(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
#endif

}  // namespace

bool writeFileSafely(const QString& path, QByteArrayView bytes, DiskSync sync, QString* error) {
    return sync == DiskSync::Now ? writeSyncedNow(path, bytes, error)
                                 : writeSyncedLater(path, bytes, error);
}

bool syncToDisk(const QString& path) {
#if defined(Q_OS_UNIX)
    if (!syncDescriptorOf(path, O_RDONLY)) return false;
    // The rename that put the file in place is durable once its folder is synced.
    return syncDescriptorOf(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
#elif defined(Q_OS_WIN)
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return false;
    return ::_commit(file.handle()) == 0;
#else
    return QFileInfo::exists(path);
#endif
}

}  // namespace vireo
