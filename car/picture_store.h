#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QSize>
#include <array>
#include <memory>

namespace vireo {

// The numbered corner pictures 101..484, drawn from the corner art: six blocks of 64, and
// inside a block picture (start + n) shows the corner with the lamps of byte n lit.
//   101..164 front left          165..228 front right (front-left art mirrored)
//   229..292 rear left, "111"    293..356 rear right, "111"
//   357..420 rear left, "112"/"113"  421..484 rear right, "112"/"113"
// Rear-left pictures are the rear-right art mirrored. Pictures are 195 x 269 logical pixels,
// rendered at a device pixel ratio and cached.
class PictureStore {
  public:
    static constexpr int kFirstPicture = 101;
    static constexpr int kLastPicture = 484;
    static constexpr int kBlockSize = 64;

    enum class Art { Front, RearEarly, RearLate };
    // The window lays its label over the front plate; FrontWithLabel draws the label into the
    // picture, for pictures made without a window.
    enum class Plate { Front, Rear, FrontWithLabel };

    PictureStore();
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    static bool isPictureNumber(int number) {
        return number >= kFirstPicture && number <= kLastPicture;
    }
    static QSize pictureSize() { return {195, 269}; }

    // Picture `number` at the device pixel ratio; a number outside 101..484 gives a neutral
    // "no picture" image of the same size.
    QImage picture(int number, qreal devicePixelRatio = 1.0);
    // The same without the cache (for measuring and for one-off renders).
    QImage renderPicture(int number, qreal devicePixelRatio = 1.0) const;
    void clearCache() { cache_.clear(); }

    // The number-plate image of picNummernschild_V or picNummernschild_H at a logical size.
    QImage numberPlate(Plate plate, QSize logicalSize, qreal devicePixelRatio = 1.0) const;

  private:
    struct ArtTemplate;
    QImage renderArt(Art art, int lamps, bool mirrored, qreal devicePixelRatio) const;
    static QImage noPicture(qreal devicePixelRatio);

    std::array<std::unique_ptr<ArtTemplate>, 3> art_;
    QCache<quint64, QImage> cache_;
};

}  // namespace vireo
