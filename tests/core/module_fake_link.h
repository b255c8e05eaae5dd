#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "module/byte_link.h"
#include "support/numbered_language.h"
#include "tests/support/fakes.h"
#include "text/language.h"

namespace vireo::test {

// A byte link whose module is a script: each send takes the next scripted reply (or asks the
// responder), and the reply's chunks arrive at set times after the send. Time is the fake
// clock's: waiting for bytes moves it to the next arrival or by the time waited.
class FakeByteLink : public ByteLink {
  public:
    struct Chunk {
        int afterMs;  // after the send
        QByteArray bytes;
    };
    using Reply = std::vector<Chunk>;

    explicit FakeByteLink(FakeClock& clock) : clock_(clock) {}

    // Script: the next send is answered by these bytes, arriving whole after `afterMs`.
    void replyNext(const QByteArray& bytes, int afterMs = 5) {
        replies.push_back(Reply{{afterMs, bytes}});
    }
    void silenceNext() { replies.push_back(Reply{}); }

    LinkOpenStatus open(const QString& device) override {
        events << QStringLiteral("open ") + device;
        LinkOpenStatus status;
        status.device = device;
        status.result = openResult;
        open_ = openResult == LinkOpenResult::Ok;
        return status;
    }
    void close() override {
        events << QStringLiteral("close");
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    void discardInput() override {
        deliverDue();
        received.clear();
    }
    void send(const QByteArray& bytes) override {
        sent.push_back(bytes);
        Reply reply;
        if (responder) {
            reply = responder(bytes);
        } else if (!replies.empty()) {
            reply = replies.front();
            replies.pop_front();
        }
        for (const Chunk& c : reply) pending_.push_back({clock_.now + c.afterMs, c.bytes});
    }
    int bytesWaiting() override {
        deliverDue();
        return static_cast<int>(received.size());
    }
    QByteArray readAll() override {
        deliverDue();
        QByteArray all = received;
        received.clear();
        return all;
    }
    bool waitForBytes(int ms) override {
        if (onWait) onWait();
        if (bytesWaiting() > 0) return true;
        const qint64 until = clock_.now + ms;
        qint64 next = -1;
        for (const auto& p : pending_)
            if (next < 0 || p.at < next) next = p.at;
        if (next >= 0 && next <= until) {
            clock_.now = next;
            deliverDue();
            return true;
        }
        clock_.now = until;
        return false;
    }

    // Bytes sent, frame by frame; "open DEVICE"/"close" in order.
    std::vector<QByteArray> sent;
    QStringList events;
    std::deque<Reply> replies;
    std::function<Reply(const QByteArray& frame)> responder;
    std::function<void()> onWait;  // runs in every wait, as window events would
    QByteArray received;           // waiting to be read (set it for stale bytes)
    LinkOpenResult openResult = LinkOpenResult::Ok;

  private:
    struct Arrival {
        qint64 at;
        QByteArray bytes;
    };
    void deliverDue() {
        for (auto it = pending_.begin(); it != pending_.end();) {
            if (it->at <= clock_.now) {
                received += it->bytes;
                it = pending_.erase(it);
            } else {
                ++it;
            }
        }
    }

    FakeClock& clock_;
    bool open_ = false;
    std::vector<Arrival> pending_;
};

}  // namespace vireo::test
