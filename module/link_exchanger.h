#pragma once

#include "module/byte_link.h"
#include "module/exchanger.h"
#include "platform/clock.h"

namespace vireo {

// How far a reply has come, judged by the frame it answers and the bytes so far.
enum class ReplyProgress {
    Incomplete,       // more bytes must come (until the try's time is up)
    CompleteIfQuiet,  // complete unless more bytes follow at once
    Complete,         // nothing more belongs to it
};

// The end frame 0x00 0x01 gets no reply.
bool frameAwaitsReply(const QByteArray& frame);

// Identification "@#*": "@#*3" (busy) is complete; a reply beginning "T" needs its 6 bytes and
// may carry 11; anything else ends when the line goes quiet. Write frame (3 bytes): the echo
// plus one byte, 4 bytes. Other frames end when the line goes quiet.
ReplyProgress replyProgress(const QByteArray& frame, const QByteArray& reply);

// The exchange with the module over a byte link. Discards stale bytes, then up to five tries:
// send the frame, wait at most 50 ms for a first byte. Once bytes come the reply is complete as
// soon as the bytes its frame expects have arrived, or (where the reply may be shorter) the
// line has been quiet for three character times, or the try's 50 ms are over; so a prompt
// module costs little more than the line time. A pause inside a reply before its shortest
// complete form (say, an adapter that delivers in bursts) does not cut it short. The end frame is
// sent once and followed by a short pause.
//
// For comparison runs, the environment variable VIREO_FIXED_REPLY_WAIT_MS (1..1000) makes every
// try wait that long in full before reading whatever came, as a fixed 50 ms wait per frame did.
//
// Waits let pending events run, so a window's handler could call in again: such a nested call
// is refused (empty reply, nothing sent) rather than interleaving frames on the line.
class LinkExchanger : public Exchanger {
  public:
    static constexpr int kTries = 5;
    static constexpr int kTryWaitMs = 50;
    // Three character times at 9600 baud (10 bits each: 3.125 ms), rounded up to the clock.
    static constexpr int kQuietMs = 4;
    // After the end frame: long enough that the module sees the frame end before anything
    // follows it (it tells the end frame from a write to address 1 by that pause).
    static constexpr int kEndFramePauseMs = 20;

    LinkExchanger(ByteLink& link, Clock& clock);

    QByteArray sendReceive(const QByteArray& frame) override;

    bool busy() const { return busy_; }
    int quietMs() const { return quietMs_; }
    // A longer quiet time suits adapters that deliver received bytes in late bursts.
    void setQuietMs(int ms) { quietMs_ = ms; }

    // The full wait per try taken from VIREO_FIXED_REPLY_WAIT_MS; 0 when it is not set.
    int fixedWaitMs() const { return fixedWaitMs_; }

  private:
    QByteArray collectReply(const QByteArray& frame, qint64 deadline);

    ByteLink& link_;
    Clock& clock_;
    int quietMs_ = kQuietMs;
    int fixedWaitMs_ = 0;
    bool busy_ = false;
};

}  // namespace vireo
