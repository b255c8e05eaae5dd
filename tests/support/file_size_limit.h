#pragma once

// A full disk, simulated for this process: while a FileSizeLimit lives, no file can grow beyond
// `bytes`, so a write fails part-way as it would on a disk that fills up. Unlike a read-only
// folder this holds for every user, root included.
#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <signal.h>
#include <sys/resource.h>
#endif

namespace vireo::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(unsigned long bytes) {
#if defined(Q_OS_UNIX)
        // Without this, a write past the limit ends the process instead of failing.
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        active_ = ::getrlimit(RLIMIT_FSIZE, &previous_) == 0;
        if (active_) {
            rlimit limited = previous_;
            limited.rlim_cur = bytes;
            active_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
        }
#else
        (void)bytes;
#endif
    }
    ~FileSizeLimit() {
#if defined(Q_OS_UNIX)
        if (active_) ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False where the system cannot limit file sizes; tests skip then.
    bool active() const {
        return active_;
    }

  private:
    bool active_ = false;
#if defined(Q_OS_UNIX)
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
#endif
};

}  // namespace vireo::test
