#include <gtest/gtest.h>

#include "module/link_exchanger.h"
#include "tests/core/module_fake_link.h"

namespace vireo {
namespace {

using test::FakeByteLink;
using test::FakeClock;

const QByteArray kIdentify = QByteArrayLiteral("@#*");
const QByteArray kWrite = QByteArray("\x00\x07\x2a", 3);
const QByteArray kEnd = QByteArray("\x00\x01", 2);

class ExchangeTest : public ::testing::Test {
  protected:
    void SetUp() override { link.open(QStringLiteral("dev")); }
    FakeClock clock;
    FakeByteLink link{clock};
    LinkExchanger exchanger{link, clock};
};

TEST_F(ExchangeTest, SilentModuleCostsFiveSendsOfTheSameFrameAndGivesEmpty) {
    EXPECT_TRUE(exchanger.sendReceive(kIdentify).isEmpty());
    ASSERT_EQ(link.sent.size(), 5u);
    for (const QByteArray& frame : link.sent) EXPECT_EQ(frame, kIdentify);
    EXPECT_EQ(clock.now, 5 * LinkExchanger::kTryWaitMs);
}

TEST_F(ExchangeTest, ReplyInTheFirstTrySendsTheFrameOnce) {
    link.replyNext(QByteArrayLiteral("T51V25"), 9);
    EXPECT_EQ(exchanger.sendReceive(kIdentify), QByteArrayLiteral("T51V25"));
    EXPECT_EQ(link.sent.size(), 1u);
}

TEST_F(ExchangeTest, ReplyInALaterTryIsTaken) {
    link.silenceNext();
    link.silenceNext();
    link.replyNext(QByteArray("\x00\x07\x2a\x06", 4));
    EXPECT_EQ(exchanger.sendReceive(kWrite), QByteArray("\x00\x07\x2a\x06", 4));
    EXPECT_EQ(link.sent.size(), 3u);
}

TEST_F(ExchangeTest, BytesLeftFromAnEarlierExchangeNeverCount) {
    link.received = QByteArrayLiteral("@#*3");
    link.replyNext(QByteArrayLiteral("T51V25"));
    EXPECT_EQ(exchanger.sendReceive(kIdentify), QByteArrayLiteral("T51V25"));
}

TEST_F(ExchangeTest, StaleBytesAloneDoNotStopTheTries) {
    link.received = QByteArrayLiteral("T51V25");
    EXPECT_TRUE(exchanger.sendReceive(kIdentify).isEmpty());
    EXPECT_EQ(link.sent.size(), 5u);
}

// When a reply counts as complete: at once when nothing more can belong to it, after the line
// has been quiet where it may be complete, never later than the try's 50 ms.
TEST_F(ExchangeTest, ReplyEndsAtItsExpectedCountOrWhenTheLineGoesQuiet) {
    struct Case {
        const char* name;
        QByteArray frame;
        FakeByteLink::Reply reply;
        QByteArray expected;
        qint64 endsAtMs;
    };
    const std::vector<Case> cases = {
        {"write echo in two pieces ends at its 4th byte",
         kWrite,
         {{3, QByteArray("\x00\x07", 2)}, {7, QByteArray("\x2a\x06", 2)}},
         QByteArray("\x00\x07\x2a\x06", 4),
         7},
        {"six-byte identification ends after the quiet time",
         kIdentify,
         {{9, "T51"}, {10, "V25"}},
         "T51V25",
         10 + LinkExchanger::kQuietMs},
        {"eleven-byte identification ends at once",
         kIdentify,
         {{9, "T51V25"}, {12, QByteArray("\x01\x70\x12\x99\x1e", 5)}},
         QByteArray("T51V25\x01\x70\x12\x99\x1e", 11),
         12},
        {"a short echo waits out the try and is returned as it is",
         kWrite,
         {{5, QByteArray("\x00\x07", 2)}},
         QByteArray("\x00\x07", 2),
         LinkExchanger::kTryWaitMs},
        {"a pause before the sixth identification byte does not cut the reply",
         kIdentify,
         {{5, "T5"}, {20, "1V25"}},
         "T51V25",
         20 + LinkExchanger::kQuietMs},
        {"the busy reply is complete at once", kIdentify, {{5, "@#*3"}}, "@#*3", 5},
        {"bytes after a quiet gap belong to no reply",
         kIdentify,
         {{5, "XY"}, {30, "T51V25"}},
         "XY",
         5 + LinkExchanger::kQuietMs},
    };
    for (const Case& c : cases) {
        FakeClock caseClock;
        FakeByteLink caseLink(caseClock);
        caseLink.open(QStringLiteral("dev"));
        caseLink.replies.push_back(c.reply);
        LinkExchanger caseExchanger(caseLink, caseClock);
        EXPECT_EQ(caseExchanger.sendReceive(c.frame), c.expected) << c.name;
        EXPECT_EQ(caseClock.now, c.endsAtMs) << c.name;
        EXPECT_EQ(caseLink.sent.size(), 1u) << c.name;
    }
}

TEST_F(ExchangeTest, AChatteringLineIsCutAtTheTrysFiftyMilliseconds) {
    link.responder = [](const QByteArray&) {
        FakeByteLink::Reply r;
        for (int t = 1; t < 200; t += 2) r.push_back({t, "x"});
        return r;
    };
    const QByteArray reply = exchanger.sendReceive(QByteArrayLiteral("?"));
    EXPECT_EQ(clock.now, LinkExchanger::kTryWaitMs);
    EXPECT_EQ(reply.size(), 25);
}

TEST_F(ExchangeTest, EndFrameIsSentOnceAndItsReplyNotAwaited) {
    exchanger.sendReceive(kEnd);
    EXPECT_EQ(link.sent, std::vector<QByteArray>{kEnd});
    EXPECT_EQ(clock.now, LinkExchanger::kEndFramePauseMs);
}

TEST_F(ExchangeTest, ClosedLinkSendsNothing) {
    link.close();
    EXPECT_TRUE(exchanger.sendReceive(kIdentify).isEmpty());
    EXPECT_TRUE(link.sent.empty());
}

// Waits let window events run; a handler that starts another exchange then must not put its
// frame between the running exchange's frames.
TEST_F(ExchangeTest, AnExchangeStartedDuringAWaitIsRefused) {
    QByteArray nestedReply = "unset";
    link.onWait = [&] {
        link.onWait = nullptr;
        EXPECT_TRUE(exchanger.busy());
        nestedReply = exchanger.sendReceive(kWrite);
    };
    link.replyNext(QByteArrayLiteral("T51V25"));
    EXPECT_EQ(exchanger.sendReceive(kIdentify), QByteArrayLiteral("T51V25"));
    EXPECT_TRUE(nestedReply.isEmpty());
    EXPECT_EQ(link.sent, std::vector<QByteArray>{kIdentify});
    EXPECT_FALSE(exchanger.busy());
}

TEST_F(ExchangeTest, APortClosedDuringAWaitEndsTheExchange) {
    link.onWait = [&] { link.close(); };
    EXPECT_TRUE(exchanger.sendReceive(kIdentify).isEmpty());
    EXPECT_EQ(link.sent.size(), 1u);
}

}  // namespace
}  // namespace vireo
