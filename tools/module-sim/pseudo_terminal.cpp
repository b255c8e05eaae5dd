#include "tools/module-sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace vireo::sim {

namespace {
QString systemError(const char* what) {
    return QString::fromLatin1(what) + QStringLiteral(": ") +
           QString::fromLocal8Bit(strerror(errno));
}
}  // namespace

PseudoTerminal::~PseudoTerminal() {
    // Remove the link only while it still names this terminal.
    if (!link_.isEmpty() && QFileInfo(link_).symLinkTarget() == device_) QFile::remove(link_);
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

bool PseudoTerminal::open(const QString& link, QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return *error = systemError("posix_openpt"), false;
    if (::grantpt(master_) != 0) return *error = systemError("grantpt"), false;
    if (::unlockpt(master_) != 0) return *error = systemError("unlockpt"), false;
    const char* name = ::ptsname(master_);
    if (!name) return *error = systemError("ptsname"), false;
    device_ = QString::fromLocal8Bit(name);

    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) return *error = systemError("open slave"), false;
    termios raw{};
    if (::tcgetattr(slave_, &raw) != 0) return *error = systemError("tcgetattr"), false;
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::tcsetattr(slave_, TCSANOW, &raw) != 0) return *error = systemError("tcsetattr"), false;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

    const QByteArray linkPath = QFile::encodeName(link);
    struct stat st {};
    if (::lstat(linkPath.constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            *error = link + QStringLiteral(" exists and is not a symbolic link");
            return false;
        }
        ::unlink(linkPath.constData());
    }
    if (::symlink(name, linkPath.constData()) != 0) return *error = systemError("symlink"), false;
    link_ = link;
    return true;
}

}  // namespace vireo::sim
