#pragma once

#include <QImage>
#include <array>

#include "car/picture_store.h"
#include "car/vehicle_catalogue.h"
#include "sequence/document.h"

namespace vireo {

// Draws the car as the main window shows it (carPicturesRect of the car panel): the corner
// pictures of the model for given lamp bytes, front pair above rear pair, with the number plates,
// scaled to a width in pixels. The art is vector art, so every width stays sharp.
class CarFrameRenderer {
  public:
    static constexpr int kDefaultWidth = 390;  // the window's own size
    static constexpr int kMinWidth = 40;
    static constexpr int kMaxWidth = 1950;  // five times the window's size

    // The store renders and caches the pictures; it must outlive the renderer. The width is
    // clamped to kMinWidth..kMaxWidth.
    CarFrameRenderer(PictureStore& store, const VehicleSetup& setup, int width = kDefaultWidth);

    QSize size() const { return size_; }
    // The car with the lamps of the bytes lit (only the lamp bits count), Format_RGB32.
    QImage frame(const LampBytes& lamps) const;

  private:
    QRect toPixels(const QRect& panelRect) const;

    PictureStore& store_;
    VehicleSetup setup_;
    qreal scale_ = 1.0;
    QSize size_;
    std::array<QRect, kCorners> pictureRects_{};  // in pixels, index corner - 1
    QRect frontPlateRect_;
    QRect rearPlateRect_;
    QImage frontPlate_;
    QImage rearPlate_;
};

}  // namespace vireo
