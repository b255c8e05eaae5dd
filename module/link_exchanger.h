#pragma once

#include "module/byte_link.h"
#include "module/exchanger.h"
#include "platform/clock.h"

namespace vireo {

// What a frame's reply looks like, as far as the exchange needs to know when it is complete.
struct ReplyExpectation {
    bool awaitsReply = true;  // false: the module answers nothing (end frame)
    int bytes = 0;            // complete at this count; 0 = only once the line is quiet
};

// Identification request 0x40 0x23 0x2A: up to 11 bytes (6, or 4 when busy, end by quiet).
// Write frame (3 bytes): the echo plus one byte. End frame 0x00 0x01: no reply.
ReplyExpectation expectedReply(const QByteArray& frame);

// The exchange with the module over a byte link. Discards stale bytes, then up to five tries:
// send the frame, wait at most 50 ms for a first byte. Once bytes come the reply is complete as
// soon as the bytes its frame expects have arrived, or the line has been quiet for three
// character times, or the try's 50 ms are over; so a prompt module costs little more than
// the line time. The end frame is sent once and followed by a short pause.
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

  private:
    QByteArray collectReply(const ReplyExpectation& expected, qint64 deadline);

    ByteLink& link_;
    Clock& clock_;
    int quietMs_ = kQuietMs;
    bool busy_ = false;
};

}  // namespace vireo
