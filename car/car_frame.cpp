#include "car/car_frame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "car/car_layout.h"

namespace vireo {

namespace {
QImage withoutRatio(QImage image) {
    image.setDevicePixelRatio(1.0);
    return image;
}
}  // namespace

CarFrameRenderer::CarFrameRenderer(PictureStore& store, const VehicleSetup& setup, int width)
    : store_(store), setup_(setup) {
    const QRect car = carPicturesRect();
    width = std::clamp(width, kMinWidth, kMaxWidth);
    scale_ = qreal(width) / car.width();
    size_ = QSize(width, qRound(car.height() * scale_));
    for (int c = 1; c <= kCorners; ++c) pictureRects_[c - 1] = toPixels(cornerPictureRect(c));
    frontPlateRect_ = toPixels(setup.nummernschildV);
    rearPlateRect_ = toPixels(setup.nummernschildH);
    if (!frontPlateRect_.isEmpty())
        frontPlate_ = withoutRatio(store.numberPlate(PictureStore::Plate::FrontWithLabel,
                                                     setup.nummernschildV.size(), scale_));
    if (!rearPlateRect_.isEmpty())
        rearPlate_ = withoutRatio(
            store.numberPlate(PictureStore::Plate::Rear, setup.nummernschildH.size(), scale_));
}

// A rectangle of the car panel in pixels of the frame: its edges scaled and rounded, so
// neighbouring pictures meet without a gap.
QRect CarFrameRenderer::toPixels(const QRect& panelRect) const {
    if (panelRect.isEmpty()) return {};
    const QPoint origin = carPicturesRect().topLeft();
    const auto at = [this](int v) { return int(std::lround(v * scale_)); };
    const int left = at(panelRect.left() - origin.x());
    const int top = at(panelRect.top() - origin.y());
    const int right = at(panelRect.left() + panelRect.width() - origin.x());
    const int bottom = at(panelRect.top() + panelRect.height() - origin.y());
    return QRect(left, top, right - left, bottom - top);
}

QImage CarFrameRenderer::frame(const LampBytes& lamps) const {
    QImage image(size_, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int c = 1; c <= kCorners; ++c) {
        const QImage picture =
            withoutRatio(store_.picture(pictureNumber(setup_.base(c), lampByte(lamps, c)), scale_));
        const QRect& target = pictureRects_[c - 1];
        if (picture.size() == target.size())
            painter.drawImage(target.topLeft(), picture);
        else
            painter.drawImage(target, picture);
    }
    if (!frontPlate_.isNull()) painter.drawImage(frontPlateRect_, frontPlate_);
    if (!rearPlate_.isNull()) painter.drawImage(rearPlateRect_, rearPlate_);
    return image;
}

}  // namespace vireo
