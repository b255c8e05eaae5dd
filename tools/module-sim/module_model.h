#pragma once

#include <QByteArray>
#include <QVector>
#include <deque>
#include <map>

#include "tools/module-sim/sim_options.h"

namespace vireo::sim {

// The module's side of the line as a state machine over time (nanoseconds of a monotonic
// clock). Bytes come in with their arrival time; frames are recognised from them; replies are
// scheduled byte by byte as the line would carry them.
//
// Frames: "@#*" identification; three bytes address high, address low, data = write; 0x00 0x01
// alone = end frame. A write to address 1 also begins 0x00 0x01: the host waits for each reply
// before it sends more, so 0x00 0x01 followed by a pause of a few character times is the end
// frame, and a third byte that follows at once makes it a write.
class ModuleModel {
  public:
    explicit ModuleModel(const SimOptions& options);

    void receive(const QByteArray& bytes, qint64 nowNs);
    // Recognises frames whose time has come (an end frame after its pause, a stale fragment).
    void advance(qint64 nowNs);
    // The reply bytes whose send time has come.
    QByteArray takeOutput(qint64 nowNs);
    // When advance or takeOutput next has something to do; -1 when nothing waits.
    qint64 nextEventNs() const;

    // True once per end frame seen since the last call.
    bool takeEndFrame();
    // Memory from address 1 to the highest address written (unwritten bytes read 0).
    QVector<int> memoryImage() const;
    int endFrames() const { return endFrames_; }

  private:
    struct InByte {
        char byte;
        qint64 atNs;
    };
    struct OutByte {
        char byte;
        qint64 atNs;
    };

    void parse(qint64 nowNs);
    void identify(qint64 atNs);
    void write(quint8 high, quint8 low, quint8 data, qint64 atNs);
    void endFrame();
    bool answering();
    void reply(const QByteArray& bytes, int requestLength, qint64 receivedNs);

    SimOptions options_;
    qint64 charNs_;  // one character on the line: 10 bits
    // Quiet time after 0x00 0x01 that makes it the end frame: the host sends a frame in one
    // piece and pauses longer than this after the end frame.
    qint64 endPauseNs_;
    qint64 staleNs_;  // a fragment this old is dropped so the next frame starts clean
    std::deque<InByte> in_;
    std::deque<OutByte> out_;
    qint64 lineFreeNs_ = 0;
    std::map<int, quint8> memory_;
    int busyLeft_;
    int frames_ = 0;
    std::map<int, int> writesSeen_;
    int endFrames_ = 0;
    bool endFramePending_ = false;
};

}  // namespace vireo::sim
