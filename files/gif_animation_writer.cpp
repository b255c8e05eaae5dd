#include "files/gif_animation_writer.h"

#include <gif_lib.h>

#include <QIODevice>
#include <QRect>
#include <algorithm>

namespace vireo {

namespace {

constexpr int kTransparent = 255;

GifFileType* gifOf(void* gif) {
    return static_cast<GifFileType*>(gif);
}

// The smallest rectangle holding every pixel where two frames differ; empty when none does.
QRect changedRect(const uint8_t* before, const uint8_t* after, QSize size) {
    int top = -1, bottom = -1, left = size.width(), right = -1;
    for (int y = 0; y < size.height(); ++y) {
        const uint8_t* a = before + qsizetype(y) * size.width();
        const uint8_t* b = after + qsizetype(y) * size.width();
        if (std::equal(a, a + size.width(), b)) continue;
        if (top < 0) top = y;
        bottom = y;
        int x = 0;
        while (a[x] == b[x]) ++x;
        left = std::min(left, x);
        x = size.width() - 1;
        while (a[x] == b[x]) --x;
        right = std::max(right, x);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

int GifAnimationWriter::writeToDevice(void* gif, const unsigned char* bytes, int length) {
    auto* writer = static_cast<GifAnimationWriter*>(gifOf(gif)->UserData);
    const qint64 written = writer->device_.write(reinterpret_cast<const char*>(bytes), length);
    // giflib does not look at the result of its last write, the trailer; the writer does.
    if (written != length) writer->writeFailed_ = true;
    return written < 0 ? 0 : int(written);
}

GifAnimationWriter::GifAnimationWriter(QIODevice& device, QSize size, const QVector<QRgb>& palette)
    : device_(device), size_(size) {
    int error = 0;
    gif_ = EGifOpen(
        this,
        [](GifFileType* gif, const GifByteType* bytes, int length) {
            return writeToDevice(gif, bytes, length);
        },
        &error);
    if (!gif_) {
        fail(error);
        return;
    }
    GifColorType colours[256] = {};
    for (int i = 0; i < std::min<int>(palette.size(), kMaxColours); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifSetGifVersion(gifOf(gif_), true);
    const int put = EGifPutScreenDesc(gifOf(gif_), size.width(), size.height(), 8, 0, map);
    GifFreeMapObject(map);
    if (put == GIF_ERROR) {
        fail(gifOf(gif_)->Error);
        return;
    }
    // The application block that makes viewers repeat the animation forever (count 0).
    static const GifByteType kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gifOf(gif_), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gifOf(gif_), 11, kNetscape) == GIF_ERROR ||
        EGifPutExtensionBlock(gifOf(gif_), 3, kForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gifOf(gif_)) == GIF_ERROR)
        fail(gifOf(gif_)->Error);
}

GifAnimationWriter::~GifAnimationWriter() {
    if (gif_) EGifCloseFile(gifOf(gif_), nullptr);
}

bool GifAnimationWriter::fail(int gifError) {
    if (!error_.isEmpty()) return false;
    if (!device_.errorString().isEmpty() && gifError == E_GIF_ERR_WRITE_FAILED)
        error_ = device_.errorString();
    else
        error_ = QString::fromLatin1(GifErrorString(gifError));
    return false;
}

bool GifAnimationWriter::addFrame(const uint8_t* indices, int delayCs) {
    if (!ok()) return false;
    GifFileType* gif = gifOf(gif_);
    const qsizetype pixels = qsizetype(size_.width()) * size_.height();
    const bool first = frames_ == 0;
    QRect rect = first ? QRect(QPoint(0, 0), size_) : changedRect(shown_.data(), indices, size_);
    // Nothing changed: a single transparent pixel carries the delay.
    if (rect.isEmpty()) rect = QRect(0, 0, 1, 1);

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(delayCs, 1, 65535);
    control.TransparentColor = first ? NO_TRANSPARENT_COLOR : kTransparent;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
        EGifPutImageDesc(gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr) ==
            GIF_ERROR)
        return fail(gif->Error);

    if (first) shown_.assign(indices, indices + pixels);
    line_.resize(rect.width());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const qsizetype row = qsizetype(y) * size_.width();
        for (int x = 0; x < rect.width(); ++x) {
            const qsizetype at = row + rect.x() + x;
            const uint8_t index = indices[at];
            line_[x] = (!first && index == shown_[at]) ? kTransparent : index;
            shown_[at] = index;
        }
        if (EGifPutLine(gif, line_.data(), rect.width()) == GIF_ERROR) return fail(gif->Error);
    }
    ++frames_;
    return true;
}

bool GifAnimationWriter::finish() {
    if (!gif_) return false;
    int error = 0;
    const int closed = EGifCloseFile(gifOf(gif_), &error);
    gif_ = nullptr;
    if (!ok()) return false;
    if (closed == GIF_ERROR) return fail(error);
    if (writeFailed_) return fail(E_GIF_ERR_WRITE_FAILED);
    return true;
}

}  // namespace vireo
