#pragma once

#include <QString>

namespace vireo::sim {

// A pseudo-terminal in raw mode whose device a symbolic link names. The module's side is the
// master; programs open the link (the slave device) as they would a serial port. The slave is
// held open here too, so the line keeps its settings and the master never sees a hang-up
// between the host's sessions.
class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens the terminal and links `link` to its device; false with a reason on failure.
    bool open(const QString& link, QString* error);
    int masterFd() const { return master_; }
    QString device() const { return device_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    QString device_;
    QString link_;
};

}  // namespace vireo::sim
