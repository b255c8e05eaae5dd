#include <gtest/gtest.h>

#include "module/link_exchanger.h"
#include "module/transfer.h"
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
    EXPECT_EQ(clock.now, 250);
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

// What the module is given, in numbers: five sends of a frame, 50 ms apart.
TEST(ExchangeTiming, FiveTriesOfFiftyMilliseconds) {
    EXPECT_EQ(LinkExchanger::kTries, 5);
    EXPECT_EQ(LinkExchanger::kTryWaitMs, 50);
}

// When a reply counts as complete: at once when nothing more can belong to it, otherwise when
// the try's 50 ms are up, with whatever arrived by then.
TEST_F(ExchangeTest, ReplyEndsAtItsExpectedCountOrAtTheEndOfTheTry) {
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
        {"six-byte identification waits out the try: more bytes may belong to it",
         kIdentify,
         {{9, "T51"}, {10, "V25"}},
         "T51V25",
         50},
        {"eleven-byte identification in two packets 8 ms apart is whole",
         kIdentify,
         {{9, "T51V25"}, {17, QByteArray("\x01\x70\x12\x99\x1e", 5)}},
         QByteArray("T51V25\x01\x70\x12\x99\x1e", 11),
         17},
        {"a short echo waits out the try and is returned as it is",
         kWrite,
         {{5, QByteArray("\x00\x07", 2)}},
         QByteArray("\x00\x07", 2),
         50},
        {"the busy reply is complete at once", kIdentify, {{5, "@#*3"}}, "@#*3", 5},
        {"bytes after a pause inside the try belong to the reply",
         kIdentify,
         {{5, "XY"}, {30, "T51V25"}},
         "XYT51V25",
         50},
        {"an answered end frame waits out its try", kEnd, {{4, "k"}}, "k", 50},
        {"four bytes that are not the write's echo wait out the try",
         kWrite,
         {{3, QByteArray("\x2a\x06\x00\x07", 4)}, {6, QByteArray("\x2a\x06", 2)}},
         QByteArray("\x2a\x06\x00\x07\x2a\x06", 6),
         50},
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
    EXPECT_EQ(clock.now, 50);
    EXPECT_EQ(reply.size(), 25);
}

// The end frame gets no answer from most modules; it is sent like every frame, so a module that
// missed one send still sees the next.
TEST_F(ExchangeTest, UnansweredEndFrameIsSentFiveTimesFiftyMillisecondsApart) {
    std::vector<qint64> sentAt;
    link.responder = [&](const QByteArray&) {
        sentAt.push_back(clock.now);
        return FakeByteLink::Reply{};
    };
    EXPECT_TRUE(exchanger.sendReceive(kEnd).isEmpty());
    EXPECT_EQ(link.sent, std::vector<QByteArray>(5, kEnd));
    EXPECT_EQ(sentAt, (std::vector<qint64>{0, 50, 100, 150, 200}));
    EXPECT_EQ(clock.now, 250);
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

// A module that answers a write so late that its echo is split by the end of the try: the rest
// of that echo arrives in the next exchange, before the next echo. Taking its bytes as a complete
// echo would keep every later reply one piece behind; waiting out that try clears the line, and
// the next sending is confirmed.
TEST_F(ExchangeTest, AnEchoSplitByTheEndOfItsTryHealsOnTheNextSending) {
    int sends = 0;
    link.responder = [&](const QByteArray& frame) {
        const int start = sends++ == 0 ? 48 : 1;  // the first echo comes late
        FakeByteLink::Reply reply;
        const QByteArray echo = frame + '\x06';
        for (int i = 0; i < echo.size(); ++i) reply.push_back({start + i, echo.mid(i, 1)});
        return reply;
    };
    DataImage image;
    image.length = 3;
    image.bytes[1] = 0x11;
    image.bytes[2] = 0x22;
    image.bytes[3] = 0x33;
    const TransferResult result = transferImage(exchanger, image, 510);
    EXPECT_EQ(result.outcome, TransferOutcome::Ok);
    EXPECT_EQ(result.confirmed, 3);
}

}  // namespace
}  // namespace vireo
