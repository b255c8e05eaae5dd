#include "module/link_exchanger.h"

#include <algorithm>

namespace vireo {

ReplyExpectation expectedReply(const QByteArray& frame) {
    if (frame == QByteArray("\x00\x01", 2)) return {false, 0};
    if (frame == QByteArrayLiteral("@#*")) return {true, 11};
    if (frame.size() == 3) return {true, 4};
    return {true, 0};
}

LinkExchanger::LinkExchanger(ByteLink& link, Clock& clock) : link_(link), clock_(clock) {}

QByteArray LinkExchanger::sendReceive(const QByteArray& frame) {
    if (busy_ || !link_.isOpen()) return {};
    busy_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{busy_};

    link_.discardInput();
    const ReplyExpectation expected = expectedReply(frame);
    if (!expected.awaitsReply) {
        link_.send(frame);
        clock_.wait(kEndFramePauseMs);
        return link_.readAll();
    }
    for (int attempt = 0; attempt < kTries; ++attempt) {
        link_.send(frame);
        const qint64 deadline = clock_.nowMs() + kTryWaitMs;
        for (qint64 now = clock_.nowMs(); link_.bytesWaiting() == 0 && now < deadline;
             now = clock_.nowMs())
            link_.waitForBytes(static_cast<int>(deadline - now));
        if (link_.bytesWaiting() > 0) return collectReply(expected, deadline);
    }
    return {};
}

QByteArray LinkExchanger::collectReply(const ReplyExpectation& expected, qint64 deadline) {
    QByteArray reply = link_.readAll();
    while (expected.bytes == 0 || reply.size() < expected.bytes) {
        const qint64 now = clock_.nowMs();
        if (now >= deadline) break;
        const int quiet = static_cast<int>(std::min<qint64>(quietMs_, deadline - now));
        if (!link_.waitForBytes(quiet)) break;
        reply += link_.readAll();
    }
    return reply;
}

}  // namespace vireo
