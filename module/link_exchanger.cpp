#include "module/link_exchanger.h"

#include <QtGlobal>

#include "module/module_identity.h"

namespace vireo {

namespace {
constexpr int kLongestIdentificationReply = 11;
constexpr int kWriteFrameLength = 3;
constexpr int kWriteEchoLength = 4;

int fixedWaitFromEnvironment() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VIREO_FIXED_REPLY_WAIT_MS", &ok);
    return ok && ms > 0 && ms <= 1000 ? ms : 0;
}
}  // namespace

bool replyComplete(const QByteArray& frame, const QByteArray& reply) {
    if (frame == identificationRequest())
        return reply == busyReply() || reply.size() >= kLongestIdentificationReply;
    // A write is answered by its own three bytes and one more. Bytes that do not begin that way
    // (the late end of an earlier reply, say) are not its answer: the try then runs its time,
    // so nothing of them is left to spoil the next exchange.
    if (frame.size() == kWriteFrameLength)
        return reply.size() >= kWriteEchoLength && reply.startsWith(frame);
    return false;
}

LinkExchanger::LinkExchanger(ByteLink& link, Clock& clock)
    : link_(link), clock_(clock), fixedWaitMs_(fixedWaitFromEnvironment()) {}

QByteArray LinkExchanger::sendReceive(const QByteArray& frame) {
    if (busy_ || !link_.isOpen()) return {};
    busy_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{busy_};

    link_.discardInput();
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (!link_.isOpen()) break;  // closed by a handler that ran during the wait
        link_.send(frame);
        const qint64 deadline = clock_.nowMs() + (fixedWaitMs_ > 0 ? fixedWaitMs_ : kTryWaitMs);
        const QByteArray reply = collectReply(frame, deadline);
        if (!reply.isEmpty()) return reply;
    }
    return {};
}

// The bytes of one try: everything that arrived until the try's time is up, or less when the
// reply is complete before that.
QByteArray LinkExchanger::collectReply(const QByteArray& frame, qint64 deadline) {
    QByteArray reply;
    const bool mayEndEarly = fixedWaitMs_ == 0;
    for (;;) {
        if (!link_.isOpen()) break;
        if (link_.bytesWaiting() > 0) reply += link_.readAll();
        if (mayEndEarly && replyComplete(frame, reply)) break;
        const qint64 now = clock_.nowMs();
        if (now >= deadline) break;
        if (mayEndEarly) {
            link_.waitForBytes(static_cast<int>(deadline - now));
        } else {
            clock_.wait(static_cast<int>(deadline - now));
        }
    }
    return reply;
}

}  // namespace vireo
