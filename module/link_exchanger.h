#pragma once

#include "module/byte_link.h"
#include "module/exchanger.h"
#include "platform/clock.h"

namespace vireo {

// Whether a reply holds every byte its frame can bring, so waiting longer would gain nothing:
// an identification reply is whole at exactly "@#*3" (busy) or at 11 bytes (the longest form);
// a write frame's echo at 4 bytes, when they begin with the frame itself. Any other reply, and
// every reply to another frame (the end frame's included), is only known to be whole when the
// try's time is up.
bool replyComplete(const QByteArray& frame, const QByteArray& reply);

// The exchange with the module over a byte link, for every frame alike: discard what is waiting,
// then up to five tries of sending the frame and waiting 50 ms; the first try after which bytes
// are waiting gives the reply, and five tries without a byte give an empty reply. The one
// shortening: a try's wait ends as soon as the reply is complete (see replyComplete), so a
// prompt module costs little more than the line time. The module sees the same frames, in the
// same order and with the same gaps before a resend, as with a fixed 50 ms wait.
//
// For comparison runs, the environment variable VIREO_FIXED_REPLY_WAIT_MS (1..1000) makes every
// try wait that long in full before reading whatever came.
//
// The waits block the calling thread. Should a call still come in while one runs (a clock whose
// waits run events), it is refused (empty reply, nothing sent) rather than interleaving frames
// on the line.
class LinkExchanger : public Exchanger {
  public:
    static constexpr int kTries = 5;
    static constexpr int kTryWaitMs = 50;

    LinkExchanger(ByteLink& link, Clock& clock);

    QByteArray sendReceive(const QByteArray& frame) override;

    bool busy() const { return busy_; }

    // The full wait per try taken from VIREO_FIXED_REPLY_WAIT_MS; 0 when it is not set.
    int fixedWaitMs() const { return fixedWaitMs_; }

  private:
    QByteArray collectReply(const QByteArray& frame, qint64 deadline);

    ByteLink& link_;
    Clock& clock_;
    int fixedWaitMs_ = 0;
    bool busy_ = false;
};

}  // namespace vireo
