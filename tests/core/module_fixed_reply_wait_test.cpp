// The comparison mode of the exchange (VIREO_FIXED_REPLY_WAIT_MS): every try waits its full time
// before reading, whenever the reply came; without the variable the reply ends the wait.
#include <gtest/gtest.h>

#include <optional>

#include "module/link_exchanger.h"
#include "tests/core/module_fake_link.h"

namespace vireo {
namespace {

using test::FakeByteLink;
using test::FakeClock;

const QByteArray kWrite = QByteArray("\x00\x07\x2a", 3);
const QByteArray kEcho = QByteArray("\x00\x07\x2a\x06", 4);

// Sets the variable for the exchanger built while it lives (it is read on construction).
struct FixedWait {
    explicit FixedWait(const QByteArray& ms) { qputenv("VIREO_FIXED_REPLY_WAIT_MS", ms); }
    ~FixedWait() { qunsetenv("VIREO_FIXED_REPLY_WAIT_MS"); }
};

TEST(FixedReplyWait, EveryTryWaitsItsFullTime) {
    FakeClock clock;
    FakeByteLink link{clock};
    link.open(QStringLiteral("dev"));
    std::optional<LinkExchanger> exchanger;
    {
        const FixedWait fixed("50");
        exchanger.emplace(link, clock);
    }
    EXPECT_EQ(exchanger->fixedWaitMs(), 50);
    link.silenceNext();
    link.replyNext(kEcho, 5);
    EXPECT_EQ(exchanger->sendReceive(kWrite), kEcho);
    EXPECT_EQ(link.sent.size(), 2u);
    EXPECT_EQ(clock.now, 100);  // a reply after 5 ms still costs the try's 50 ms

    // Not set, or not a sensible wait: the reply ends the wait.
    for (const QByteArray& value : {QByteArray(), QByteArray("0"), QByteArray("x")}) {
        FakeClock plainClock;
        FakeByteLink plainLink{plainClock};
        plainLink.open(QStringLiteral("dev"));
        const FixedWait fixed(value);
        LinkExchanger plain(plainLink, plainClock);
        EXPECT_EQ(plain.fixedWaitMs(), 0);
        plainLink.replyNext(kEcho, 5);
        EXPECT_EQ(plain.sendReceive(kWrite), kEcho);
        EXPECT_LT(plainClock.now, 10) << value.constData();
    }
}

}  // namespace
}  // namespace vireo
