#include "car/car_layout.h"

#include "car/lamp_model.h"
#include "car/picture_store.h"

namespace vireo {

namespace {
constexpr int kMargin = 8;
constexpr int kFrontTop = 32;  // below the status line
constexpr int kRearTop = 308;
}  // namespace

QRect cornerPictureRect(int corner) {
    const QSize size = PictureStore::pictureSize();
    const int right = kMargin + size.width();
    switch (corner) {
        case kCornerVR:
            return {QPoint(kMargin, kFrontTop), size};
        case kCornerVL:
            return {QPoint(right, kFrontTop), size};
        case kCornerHL:
            return {QPoint(kMargin, kRearTop), size};
        case kCornerHR:
            return {QPoint(right, kRearTop), size};
        default:
            return {};
    }
}

QRect carPicturesRect() {
    return cornerPictureRect(kCornerVR).united(cornerPictureRect(kCornerHR));
}

QSize carPanelSize() {
    const QRect pictures = carPicturesRect();
    return {pictures.right() + 1 + kMargin, pictures.bottom() + 1 + kMargin};
}

}  // namespace vireo
