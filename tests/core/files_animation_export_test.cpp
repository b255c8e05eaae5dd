#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>

#include "car/car_layout.h"
#include "car/lamp_model.h"
#include "files/animation_export.h"
#include "tests/support/file_size_limit.h"

using namespace vireo;

namespace {

// What giflib reads back from a file: size, frames with their delays, and the repeat block.
struct GifFacts {
    QSize size;
    QVector<int> delaysCs;
    bool repeatsForever = false;
    int colours = 0;
};

GifFacts readGif(const QString& path) {
    GifFacts facts;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) return facts;
    if (DGifSlurp(gif) == GIF_OK) {
        facts.size = QSize(gif->SWidth, gif->SHeight);
        facts.colours = gif->SColorMap ? gif->SColorMap->ColorCount : 0;
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            facts.delaysCs << control.DelayTime;
            const SavedImage& image = gif->SavedImages[i];
            for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    QByteArray(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0") {
                    const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                    facts.repeatsForever =
                        data.ByteCount == 3 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
                }
            }
        }
    }
    DGifCloseFile(gif, &error);
    return facts;
}

// The frames as a viewer shows them (Qt's reader puts the changed rectangles together).
QVector<QImage> decodedFrames(const QString& path) {
    QImageReader reader(path, "gif");
    QVector<QImage> frames;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        frames << image.convertToFormat(QImage::Format_RGB32);
    return frames;
}

// The rectangle holding every pixel where two pictures differ.
QRect differences(const QImage& a, const QImage& b) {
    QRect rect;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) rect |= QRect(x, y, 1, 1);
    return rect;
}

// A corner's picture in pixels of an animation of the given width.
QRect cornerInFrame(int corner, int width) {
    const qreal scale = qreal(width) / carPicturesRect().width();
    const QRect r = cornerPictureRect(corner).translated(-carPicturesRect().topLeft());
    return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
                 qRound(r.height() * scale));
}

// A device that takes `room` bytes and refuses every byte after them.
class NearlyFullDevice : public QIODevice {
  public:
    explicit NearlyFullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
    QByteArray taken;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 n = std::min(length, room_ - qint64(taken.size()));
        if (n <= 0) return -1;
        taken.append(data, n);
        return n;
    }

  private:
    qint64 room_;
};

class AnimationExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        request.vehicle = *vehicleSetupFor(QStringLiteral("111"));
        // Front left: the lamp of bit 0; then rear right: bit 2; then all off for a second.
        request.rows = {
            {"0,5", {}, {0, 1, 0, 0}}, {"1,2", {}, {0, 0, 0, 4}}, {"1", {}, {0, 0, 0, 0}}};
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    AnimationRequest request;
};

}  // namespace

TEST_F(AnimationExportTest, TheFileHoldsThePlannedFramesAndRepeatsForever) {
    for (int width : {CarFrameRenderer::kDefaultWidth, 200}) {
        request.width = width;
        const QString file = path("show.gif");
        const AnimationOutcome outcome = savePlaybackAnimation(request, file);
        ASSERT_EQ(outcome.status, AnimationOutcome::Status::Written) << outcome.error.toStdString();
        const AnimationPlan plan = animationPlan(request.rows, 0, request.limit);
        QVector<int> planned;
        for (const AnimationFrame& f : plan.frames) planned << f.delayCs;

        const GifFacts facts = readGif(file);
        EXPECT_EQ(facts.delaysCs, planned) << width;
        EXPECT_EQ(facts.delaysCs, (QVector<int>{50, 50, 120, 100}));
        EXPECT_EQ(facts.size.width(), width);
        EXPECT_EQ(facts.size, outcome.size);
        EXPECT_EQ(facts.colours, 256);
        EXPECT_TRUE(facts.repeatsForever);
        EXPECT_EQ(outcome.frames, 4);
        EXPECT_EQ(outcome.durationMs, 3200);
        EXPECT_EQ(outcome.bytes, QFile(file).size());
    }
}

// Delays above one byte reach the file whole: 3 s, and 1000 s split at the longest GIF delay.
TEST_F(AnimationExportTest, LongDelaysAreWrittenWhole) {
    request.rows = {{"3", {}, {0, 1, 0, 0}}, {"1000", {}, {0, 0, 0, 4}}};
    const QString file = path("long.gif");
    const AnimationOutcome outcome = savePlaybackAnimation(request, file);
    ASSERT_EQ(outcome.status, AnimationOutcome::Status::Written) << outcome.error.toStdString();
    EXPECT_EQ(readGif(file).delaysCs, (QVector<int>{50, 300, 65535, 34465}));
    EXPECT_EQ(outcome.durationMs, 1003500);
}

// A lit lamp shows in its own corner and nowhere else; the colours stay close to the drawing.
TEST_F(AnimationExportTest, EachLampShowsInItsCorner) {
    const QString file = path("show.gif");
    ASSERT_EQ(savePlaybackAnimation(request, file).status, AnimationOutcome::Status::Written);
    const QVector<QImage> frames = decodedFrames(file);
    ASSERT_EQ(frames.size(), 4);
    const int width = CarFrameRenderer::kDefaultWidth;

    const QRect frontLeft = differences(frames[0], frames[1]);
    EXPECT_FALSE(frontLeft.isEmpty());
    EXPECT_TRUE(cornerInFrame(kCornerVL, width).contains(frontLeft)) << "front left";
    const QRect rearRight = differences(frames[0], frames[2]);
    EXPECT_FALSE(rearRight.isEmpty());
    EXPECT_TRUE(cornerInFrame(kCornerHR, width).contains(rearRight)) << "rear right";
    EXPECT_TRUE(differences(frames[0], frames[3]).isEmpty()) << "dark again";

    PictureStore store;
    const CarFrameRenderer renderer(store, request.vehicle, width);
    for (int i = 0; i < 3; ++i) {
        const QImage drawn = renderer.frame(request.rows.value(i - 1).lamps);
        ASSERT_EQ(drawn.size(), frames[i].size());
        int far = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = frames[i].pixel(x, y);
                far += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))}) > 16;
            }
        EXPECT_LT(far, drawn.width() * drawn.height() / 1000) << "frame " << i;
    }
}

TEST_F(AnimationExportTest, AFailedOrCancelledWriteLeavesTheOldFile) {
    const QString file = path("old.gif");
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    int calls = 0;
    const AnimationOutcome cancelled =
        savePlaybackAnimation(request, file, [&](int done, int total) {
            EXPECT_LE(done, total);
            return ++calls < 3;
        });
    EXPECT_EQ(cancelled.status, AnimationOutcome::Status::Cancelled);
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));

    const AnimationOutcome failed = savePlaybackAnimation(request, path("missing/show.gif"));
    EXPECT_EQ(failed.status, AnimationOutcome::Status::Failed);
    EXPECT_FALSE(failed.error.isEmpty());

    // A device that takes nothing: the write error comes back, not a complete file.
    QBuffer full;
    full.open(QIODevice::ReadOnly);
    const AnimationOutcome refused = writePlaybackAnimation(request, full);
    EXPECT_EQ(refused.status, AnimationOutcome::Status::Failed);
}

// The disk fills up before the animation is complete (its last bytes are the ones that do not
// fit): the failure is reported and the old file stays as it was.
TEST_F(AnimationExportTest, ADiskThatFillsUpLeavesTheOldFile) {
    const QString whole = path("whole.gif");
    ASSERT_EQ(savePlaybackAnimation(request, whole).status, AnimationOutcome::Status::Written);
    const qint64 size = QFile(whole).size();
    const QString file = path("old.gif");
    const QByteArray oldBytes(size - 10, 'x');
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write(oldBytes), oldBytes.size());
    }
    AnimationOutcome outcome;
    {
        test::FileSizeLimit fullDisk(size - 10);
        if (!fullDisk.active()) GTEST_SKIP() << "file sizes cannot be limited here";
        outcome = savePlaybackAnimation(request, file);
    }
    EXPECT_EQ(outcome.status, AnimationOutcome::Status::Failed);
    EXPECT_FALSE(outcome.error.isEmpty());
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), oldBytes);
}

// The last byte of the file (the trailer) is the one that does not fit: not a complete file.
TEST_F(AnimationExportTest, AnAnimationWithoutItsLastByteIsAFailure) {
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    ASSERT_EQ(writePlaybackAnimation(request, whole).status, AnimationOutcome::Status::Written);
    NearlyFullDevice device(whole.size() - 1);
    const AnimationOutcome outcome = writePlaybackAnimation(request, device);
    EXPECT_EQ(device.taken, whole.data().left(whole.size() - 1));
    EXPECT_EQ(outcome.status, AnimationOutcome::Status::Failed);
    EXPECT_FALSE(outcome.error.isEmpty());
}

TEST_F(AnimationExportTest, NothingToShowWritesNoFile) {
    request.rows.clear();
    const QString file = path("empty.gif");
    EXPECT_EQ(savePlaybackAnimation(request, file).status, AnimationOutcome::Status::NothingToShow);
    EXPECT_FALSE(QFile::exists(file));
}
