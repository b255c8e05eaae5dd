#pragma once

#include <QRgb>
#include <QSize>
#include <QString>
#include <QVector>
#include <cstdint>
#include <vector>

class QIODevice;

namespace vireo {

// Writes an animated GIF to a device, frame by frame, with giflib: one global palette of at most
// 255 colours (the 256th index is the transparent one), and after the first frame only the
// rectangle that changed, its unchanged pixels transparent, so a frame where one lamp goes on
// costs only that lamp. The animation repeats forever.
class GifAnimationWriter {
  public:
    static constexpr int kMaxColours = 255;

    // Writes the header, the palette (at most kMaxColours colours) and the repeat block.
    GifAnimationWriter(QIODevice& device, QSize size, const QVector<QRgb>& palette);
    ~GifAnimationWriter();
    GifAnimationWriter(const GifAnimationWriter&) = delete;
    GifAnimationWriter& operator=(const GifAnimationWriter&) = delete;

    // One frame: width x height palette indices row by row, shown for delayCs hundredths of a
    // second (1..65535).
    bool addFrame(const uint8_t* indices, int delayCs);
    // Writes the trailer. The file is complete only when this returned true.
    bool finish();

    bool ok() const { return error_.isEmpty(); }
    // What went wrong: the device's error, else giflib's.
    QString errorString() const { return error_; }
    int frameCount() const { return frames_; }

  private:
    bool fail(int gifError);
    // giflib's output function (gif is the GifFileType, whose user data is the writer).
    static int writeToDevice(void* gif, const unsigned char* bytes, int length);

    QIODevice& device_;
    QSize size_;
    void* gif_ = nullptr;         // GifFileType
    std::vector<uint8_t> shown_;  // what a viewer shows after the frames so far
    std::vector<uint8_t> line_;
    int frames_ = 0;
    bool writeFailed_ = false;  // a write the device did not take whole
    QString error_;
};

}  // namespace vireo
