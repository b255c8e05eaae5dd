#include <gtest/gtest.h>

#include "module/handshake.h"
#include "module/module_type_query.h"
#include "tests/core/module_fake_link.h"

namespace vireo {
namespace {

using test::FakeByteLink;
using test::FakeClock;
using test::FakePrompter;

const QByteArray kIdentify = QByteArrayLiteral("@#*");
const QByteArray kEnd = QByteArray("\x00\x01", 2);

class HandshakeTest : public ::testing::Test {
  protected:
    HandshakeResult run(bool developerMode = false) {
        return connectModule(port, identity, developerMode, prompter, language, view);
    }

    FakeClock clock;
    FakeByteLink link{clock};
    ModulePort port{link, clock, [](int n) { return QStringLiteral("/dev/com%1").arg(n); }};
    ModuleIdentity identity;
    FakePrompter prompter;
    LanguageTable language = test::numberedLanguage();
    QString infoLabel = QStringLiteral(" Nicht verbunden mit Modul");
    int noticeClosed = 0;
    HandshakeView view{[this] { ++noticeClosed; }, [this](const QString& t) { infoLabel = t; }};
};

TEST_F(HandshakeTest, SixByteReplyConnectsAndLeavesThePortOpen) {
    link.replyNext(QByteArrayLiteral("T51V13"));
    EXPECT_EQ(run().outcome, HandshakeOutcome::Connected);
    EXPECT_TRUE(identity.connected);
    EXPECT_EQ(identity.type, QStringLiteral("5.1"));
    EXPECT_EQ(identity.version, QStringLiteral("1.3"));
    EXPECT_EQ(infoLabel, QStringLiteral("Kelvor Vireo Ver. 1.3 / E285 5.1"));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(noticeClosed, 1);
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(HandshakeTest, NoReplyCostsTenRequestsThenWarnsAndCloses) {
    port.setNumber(4);
    EXPECT_EQ(run().outcome, HandshakeOutcome::NotConnected);
    ASSERT_EQ(link.sent.size(), 10u);
    for (const QByteArray& frame : link.sent) EXPECT_EQ(frame, kIdentify);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("E101"));
    EXPECT_EQ(prompter.prompts[0].title, QStringLiteral("E102"));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
    EXPECT_EQ(infoLabel, QStringLiteral("E103"));
    EXPECT_FALSE(identity.connected);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(noticeClosed, 1);
    EXPECT_EQ(link.events.first(), QStringLiteral("open /dev/com4"));
}

// The end frame goes through the exchange like every frame: five sends 50 ms apart when the
// module stays quiet, which gives a busy module about 250 ms to get ready for the next request.
TEST_F(HandshakeTest, BusyModuleGetsTheEndFrameInFiveTriesThenASecondRequest) {
    qint64 busyAt = -1;
    link.responder = [&](const QByteArray& frame) {
        if (frame != kIdentify) return FakeByteLink::Reply{};
        if (busyAt < 0) {
            busyAt = clock.now;
            return FakeByteLink::Reply{{3, QByteArrayLiteral("@#*3")}};
        }
        // Ready again 150 ms after it said it was busy.
        if (clock.now - busyAt < 150) return FakeByteLink::Reply{};
        return FakeByteLink::Reply{{3, QByteArrayLiteral("T61V25")}};
    };
    EXPECT_EQ(run().outcome, HandshakeOutcome::Connected);
    EXPECT_EQ(link.sent,
              (std::vector<QByteArray>{kIdentify, kEnd, kEnd, kEnd, kEnd, kEnd, kIdentify}));
    EXPECT_EQ(identity.type, QStringLiteral("6.1"));
    EXPECT_EQ(clock.now, 3 + 5 * 50 + 50);  // the six-byte reply waits out its try
}

TEST_F(HandshakeTest, AnAnsweredEndFrameIsNotSentAgain) {
    link.replyNext(QByteArrayLiteral("@#*3"));
    link.replyNext(QByteArrayLiteral("k"));  // the end frame's reply, whatever it says
    link.replyNext(QByteArrayLiteral("T61V25"));
    EXPECT_EQ(run().outcome, HandshakeOutcome::Connected);
    EXPECT_EQ(link.sent, (std::vector<QByteArray>{kIdentify, kEnd, kIdentify}));
}

TEST_F(HandshakeTest, RepliesThatAreNotAnIdentificationDoNotConnect) {
    for (const QByteArray& reply : {QByteArrayLiteral("T51X13"), QByteArrayLiteral("X51V13"),
                                    QByteArrayLiteral("T51"), QByteArrayLiteral("@#*3x")}) {
        FakeClock c;
        FakeByteLink l(c);
        l.responder = [&](const QByteArray&) { return FakeByteLink::Reply{{3, reply}}; };
        ModulePort p(l, c, [](int) { return QStringLiteral("/dev/x"); });
        ModuleIdentity id;
        FakePrompter prompts;
        connectModule(p, id, false, prompts, language, {});
        EXPECT_FALSE(id.connected) << reply.constData();
        EXPECT_EQ(l.sent, (std::vector<QByteArray>{kIdentify, kIdentify})) << reply.constData();
    }
}

TEST_F(HandshakeTest, AFailedHandshakeKeepsThePreviousIdentity) {
    identity = {true, QStringLiteral("5.2"), QStringLiteral("2.6"), QStringLiteral("1.1.2010"), 7};
    run();
    EXPECT_FALSE(identity.connected);
    EXPECT_EQ(identity.type, QStringLiteral("5.2"));
    EXPECT_EQ(identity.compilerDate, QStringLiteral("1.1.2010"));
}

TEST_F(HandshakeTest, DeveloperModeReadsDateAndModelFromAnElevenByteReply) {
    link.replyNext(QByteArray("T51V25\x01\x70\x12\x99\xff", 11));
    run(true);
    EXPECT_EQ(identity.compilerDate, QStringLiteral("24.12.2009"));
    EXPECT_EQ(identity.codedModel, 0);  // 255 means not coded
    EXPECT_EQ(clock.waits, std::vector<int>{100});
}

TEST_F(HandshakeTest, TheDeveloperTailIsIgnoredOutsideDeveloperMode) {
    link.replyNext(QByteArray("T51V25\x01\x70\x12\x99\x1e", 11));
    run(false);
    EXPECT_TRUE(identity.connected);
    EXPECT_TRUE(identity.compilerDate.isEmpty());
    EXPECT_EQ(identity.codedModel, 0);
}

TEST(CompilerDate, DigitCountDecidesTheSplit) {
    const std::vector<std::pair<quint32, const char*>> cases = {
        {24122009, "24.12.2009"},
        {1122009, "1.12.2009"},
        {102009, "1.0.2009"},
        {123456789, "12.34.56789"},
        {0, "0.."},
    };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(compilerDateText(number), QString::fromLatin1(text)) << number;
    const auto longReply = parseIdentificationReply(QByteArray("T51V25\x00\x11\x1e\xd9\x1e", 11));
    ASSERT_TRUE(longReply);
    EXPECT_EQ(longReply->dateNumber, 1122009u);
    EXPECT_EQ(longReply->codedModel, 30);
}

TEST_F(HandshakeTest, OpenFailuresShowThePortMessageAndEndClosed) {
    struct Case {
        LinkOpenResult result;
        QString text;
        PromptIcon icon;
    };
    const std::vector<Case> cases = {
        {LinkOpenResult::NoSuchPort, QStringLiteral("E913E92"), PromptIcon::Error},
        {LinkOpenResult::InUse, QStringLiteral("E913E94\nE95"), PromptIcon::Warning},
    };
    for (const Case& c : cases) {
        FakePrompter prompts;
        link.openResult = c.result;
        port.setNumber(3);
        noticeClosed = 0;
        infoLabel = QStringLiteral("Kelvor Vireo Ver. 2.5 / Typ 5.1");  // an earlier module
        EXPECT_EQ(connectModule(port, identity, false, prompts, language, view).outcome,
                  HandshakeOutcome::OpenFailed);
        ASSERT_EQ(prompts.prompts.size(), 1u);
        EXPECT_EQ(prompts.prompts[0].text, c.text);
        EXPECT_EQ(prompts.prompts[0].title, QStringLiteral("E93"));
        EXPECT_EQ(prompts.prompts[0].icon, c.icon);
        EXPECT_EQ(noticeClosed, 1);
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(identity.connected);
        EXPECT_EQ(infoLabel, QStringLiteral("E103"));
    }
    link.openResult = LinkOpenResult::OtherError;
    EXPECT_EQ(run().outcome, HandshakeOutcome::OpenFailed);
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_TRUE(link.sent.empty());
}

TEST_F(HandshakeTest, TypeQueryIsRefusedWhileAnotherOperationHoldsThePort) {
    bool noticeShown = false;
    const ModuleTypeQuery query{identity,
                                false,
                                prompter,
                                language,
                                QStringLiteral("Vireo"),
                                {},
                                [&] { noticeShown = true; },
                                view,
                                {}};
    const ModuleOperation upload(port);
    EXPECT_FALSE(queryModuleType(port, query).has_value());
    EXPECT_FALSE(noticeShown);
    EXPECT_TRUE(link.events.isEmpty());
}

TEST_F(HandshakeTest, TypeQueryRestrictsOptionsReportsAndClosesThePort) {
    link.replyNext(QByteArrayLiteral("T61V25"));
    QStringList calls;
    const ModuleTypeQuery query{identity,
                                false,
                                prompter,
                                language,
                                QStringLiteral("Vireo"),
                                {},
                                [&] { calls << QStringLiteral("notice"); },
                                view,
                                [&] { calls << QStringLiteral("options ") + identity.type; }};
    EXPECT_EQ(queryModuleType(port, query), 510);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("notice"), QStringLiteral("options 6.1")}));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].title, QStringLiteral("E114"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.operationRunning());
}

}  // namespace
}  // namespace vireo
