#include "module/link_exchanger.h"

#include <QtGlobal>
#include <algorithm>

namespace vireo {

bool frameAwaitsReply(const QByteArray& frame) {
    return frame != QByteArray("\x00\x01", 2);
}

ReplyProgress replyProgress(const QByteArray& frame, const QByteArray& reply) {
    if (frame == QByteArrayLiteral("@#*")) {
        const QByteArray busy = QByteArrayLiteral("@#*3");
        if (reply == busy) return ReplyProgress::Complete;
        if (busy.startsWith(reply)) return ReplyProgress::Incomplete;
        if (reply.startsWith('T')) {
            if (reply.size() < 6) return ReplyProgress::Incomplete;
            return reply.size() < 11 ? ReplyProgress::CompleteIfQuiet : ReplyProgress::Complete;
        }
        return ReplyProgress::CompleteIfQuiet;
    }
    if (frame.size() == 3)
        return reply.size() < 4 ? ReplyProgress::Incomplete : ReplyProgress::Complete;
    return ReplyProgress::CompleteIfQuiet;
}

namespace {
int fixedWaitFromEnvironment() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VIREO_FIXED_REPLY_WAIT_MS", &ok);
    return ok && ms > 0 && ms <= 1000 ? ms : 0;
}
}  // namespace

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
    if (!frameAwaitsReply(frame)) {
        link_.send(frame);
        clock_.wait(kEndFramePauseMs);
        return link_.readAll();
    }
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (!link_.isOpen()) break;  // closed by a handler that ran during the wait
        link_.send(frame);
        if (fixedWaitMs_ > 0) {
            clock_.wait(fixedWaitMs_);
            if (link_.bytesWaiting() > 0) return link_.readAll();
            continue;
        }
        const qint64 deadline = clock_.nowMs() + kTryWaitMs;
        for (qint64 now = clock_.nowMs();
             link_.isOpen() && link_.bytesWaiting() == 0 && now < deadline; now = clock_.nowMs())
            link_.waitForBytes(static_cast<int>(deadline - now));
        if (link_.bytesWaiting() > 0) return collectReply(frame, deadline);
    }
    return {};
}

QByteArray LinkExchanger::collectReply(const QByteArray& frame, qint64 deadline) {
    QByteArray reply = link_.readAll();
    for (;;) {
        const ReplyProgress progress = replyProgress(frame, reply);
        if (progress == ReplyProgress::Complete) break;
        const qint64 now = clock_.nowMs();
        if (now >= deadline) break;
        const qint64 left = deadline - now;
        const int wait = static_cast<int>(
            progress == ReplyProgress::Incomplete ? left : std::min<qint64>(quietMs_, left));
        if (!link_.waitForBytes(wait)) break;
        reply += link_.readAll();
    }
    return reply;
}

}  // namespace vireo
