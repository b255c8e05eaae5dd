#include "car/car_frame_hit.h"

#include "car/car_layout.h"
#include "car/lamp_model.h"

namespace vireo {

std::optional<HitLamp> lampAtFramePoint(const RegionGeometry& geometry, int frameWidth,
                                        QPointF point) {
    const QRect car = carPicturesRect();
    if (frameWidth <= 0) return std::nullopt;
    // Back to the car panel's logical pixels, where the pictures lie side by side.
    const QPointF panel = car.topLeft() + point * (qreal(car.width()) / frameWidth);
    for (int corner : {kCornerVR, kCornerVL, kCornerHL, kCornerHR}) {
        const QRectF picture = cornerPictureRect(corner);
        if (!picture.contains(panel)) continue;
        const QPointF twips = (panel - picture.topLeft()) * kTwipsPerPixel;
        const int code = hitRegion(geometry, corner, float(twips.x()), float(twips.y()));
        if (code == 0) return std::nullopt;
        return HitLamp{corner, regionBit(code)};
    }
    return std::nullopt;
}

}  // namespace vireo
