#include <gtest/gtest.h>

#include <QVector>
#include <functional>
#include <map>
#include <utility>

#include "module/transfer.h"
#include "module/upload_image.h"
#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

namespace {

enum class Answer { Echo, Silent, ExactFrame, FiveBytes, WrongByte };

// Answers every data frame with the frame and one more byte, unless a script says otherwise
// for the n-th sending (1-based) of an index. Records every frame.
class ScriptedModule : public Exchanger {
  public:
    QByteArray sendReceive(const QByteArray& frame) override {
        frames << frame;
        if (frame == endFrame()) return QByteArray();
        const int index =
            static_cast<unsigned char>(frame[0]) * 256 + static_cast<unsigned char>(frame[1]);
        const int sending = ++sendings[index];
        const auto it = script.find({index, sending});
        switch (it == script.end() ? Answer::Echo : it->second) {
            case Answer::Echo:
                return frame + QByteArray(1, '\x07');
            case Answer::Silent:
                return QByteArray();
            case Answer::ExactFrame:
                return frame;
            case Answer::FiveBytes:
                return frame + QByteArray(2, '\x07');
            case Answer::WrongByte:
                return frame.left(2) + QByteArray(1, static_cast<char>(frame[2] ^ 1)) +
                       QByteArray(1, '\x07');
        }
        return QByteArray();
    }
    // The same answer for the first `count` sendings of an index.
    void fail(int index, int count, Answer answer) {
        for (int n = 1; n <= count; ++n) script[{index, n}] = answer;
    }
    int dataFrames() const { return frames.size() - frames.count(endFrame()); }

    QVector<QByteArray> frames;
    std::map<std::pair<int, int>, Answer> script;
    std::map<int, int> sendings;
};

DataImage oneRowImage() {
    return buildDataImage(documentOf({row("1,5", {0, 5, 0, 0})}), {}, 30, 510);
}

}  // namespace

TEST(Transfer, SendsEveryByteThenTheEndFrameAndReportsSuccess) {
    const LanguageTable& texts = numberedLanguage();
    const DataImage image = oneRowImage();
    ScriptedModule module;
    QVector<std::pair<int, int>> progress;
    const TransferResult result = transferImage(
        module, image, 510, texts, [&](int v, int max) { progress << std::make_pair(v, max); });

    EXPECT_EQ(result.outcome, TransferOutcome::Ok);
    EXPECT_EQ(result.confirmed, 12);
    ASSERT_EQ(module.frames.size(), 13);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(module.frames[i - 1], bytesOf({0, i, image.byteAt(i)})) << i;
    EXPECT_EQ(module.frames[0], bytesOf({0, 1, 0}));
    EXPECT_EQ(module.frames[9], bytesOf({0, 10, 0xC4}));
    EXPECT_EQ(module.frames.last(), bytesOf({0, 1}));
    EXPECT_EQ(result.message,
              (UserMessage{QStringLiteral("E110\n\nE106 2 %"), QStringLiteral("www.kelvor.example"),
                           PromptIcon::Information}));
    ASSERT_EQ(progress.size(), 14);
    EXPECT_EQ(progress.first(), std::make_pair(0, 12));
    EXPECT_EQ(progress[12], std::make_pair(12, 12));
    EXPECT_EQ(progress.last(), std::make_pair(0, 12));
}

TEST(Transfer, HighIndexByteOfALongImage) {
    Sequence rows;
    for (int r = 0; r < 50; ++r) rows << row(r % 2 ? "1" : "2", {1, 2, 3, 4});
    const DataImage image = buildDataImage(documentOf(rows), {}, 30, 510);
    ASSERT_EQ(image.outcome, ImageOutcome::Ok);
    ASSERT_GT(image.length, 256);
    ScriptedModule module;
    EXPECT_EQ(transferImage(module, image, 510).outcome, TransferOutcome::Ok);
    EXPECT_EQ(module.frames[299], bytesOf({1, 44, image.byteAt(300)}));
}

TEST(Transfer, AnIndexIsSentAtMostSixTimes) {
    const LanguageTable& texts = numberedLanguage();
    const UserMessage echoError{QStringLiteral("E108\n"), QStringLiteral("E109"),
                                PromptIcon::Warning};
    const UserMessage noReply{QStringLiteral("E111"), QStringLiteral("E109"), PromptIcon::Warning};
    const struct {
        const char* name;
        Answer answer;
        TransferOutcome outcome;
        UserMessage message;
    } cases[] = {
        {"exactly the three frame bytes", Answer::ExactFrame, TransferOutcome::EchoError,
         echoError},
        {"five bytes", Answer::FiveBytes, TransferOutcome::EchoError, echoError},
        {"a wrong data byte", Answer::WrongByte, TransferOutcome::EchoError, echoError},
        {"no reply", Answer::Silent, TransferOutcome::NoReply, noReply},
    };
    for (const auto& c : cases) {
        ScriptedModule module;
        module.fail(3, 99, c.answer);
        int lastProgress = -1;
        const TransferResult result =
            transferImage(module, oneRowImage(), 510, texts, [&](int v, int) { lastProgress = v; });
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.message, c.message) << c.name;
        EXPECT_EQ(result.confirmed, 2) << c.name;
        EXPECT_EQ(module.sendings[3], 6) << c.name;
        EXPECT_EQ(module.dataFrames(), 2 + 6) << c.name;
        EXPECT_EQ(module.frames.last(), endFrame()) << c.name;
        EXPECT_EQ(lastProgress, 0) << c.name;
    }
}

TEST(Transfer, FailureCountCarriesOverAConfirmation) {
    // Five failures at index 4, confirmed on the sixth sending: one failure at index 5 stops.
    ScriptedModule module;
    module.fail(4, 5, Answer::Silent);
    module.fail(5, 1, Answer::Silent);
    const TransferResult result = transferImage(module, oneRowImage(), 510);
    EXPECT_EQ(result.outcome, TransferOutcome::NoReply);
    EXPECT_EQ(module.sendings[4], 6);
    EXPECT_EQ(module.sendings[5], 1);
    EXPECT_EQ(module.frames.last(), endFrame());

    // Fewer failures at one index leave room for a failure at the next.
    ScriptedModule patient;
    patient.fail(4, 4, Answer::Silent);
    patient.fail(5, 5, Answer::ExactFrame);
    EXPECT_EQ(transferImage(patient, oneRowImage(), 510).outcome, TransferOutcome::Ok);
    EXPECT_EQ(patient.sendings[5], 6);
}

TEST(Transfer, AnImageThatWasNotBuiltIsNotSent) {
    const DataImage image = buildDataImage(documentOf({row("1,5", {0, 5, 0, 0})}), {}, 30, 0);
    ScriptedModule module;
    const TransferResult result = transferImage(module, image, 0);
    EXPECT_EQ(result.outcome, TransferOutcome::NotSent);
    EXPECT_TRUE(module.frames.isEmpty());
    EXPECT_EQ(result.message, image.message);
}

TEST(Upload, BuildsForFiveHundredTenBytesAndSendsOnlyABuiltImage) {
    VehicleOptions welcomeHold;
    welcomeHold.comingHomeAuf.ticked = true;
    EXPECT_FALSE(uploadWanted(documentOf({}, {row("1", {1, 0, 0, 0})}), {}));
    EXPECT_TRUE(uploadWanted(documentOf({}, {row("1", {1, 0, 0, 0})}), welcomeHold));
    EXPECT_TRUE(uploadWanted(documentOf({row("1", {1, 0, 0, 0})}), {}));

    ScriptedModule module;
    const UploadResult sent = uploadImage(module, documentOf({row("1,5", {0, 5, 0, 0})}), {}, 30);
    EXPECT_TRUE(sent.succeeded());
    EXPECT_EQ(module.dataFrames(), 12);

    // 85 rows of 6 bytes end at index 519: above the upload's 510 bytes, nothing is sent.
    Sequence rows;
    for (int r = 0; r < 85; ++r) rows << row(r % 2 ? "1" : "2", {1, 2, 3, 4});
    ScriptedModule untouched;
    const UploadResult refused =
        uploadImage(untouched, documentOf(rows), {}, 30, numberedLanguage());
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.image.outcome, ImageOutcome::Capacity);
    EXPECT_EQ(refused.message.text, QStringLiteral("E104\n\nE105"));
    EXPECT_TRUE(untouched.frames.isEmpty());
}
