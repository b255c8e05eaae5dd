#include "ui/corner_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "car/hit_regions.h"

namespace vireo {

namespace {

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

CornerPicture::CornerPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureWidthPx, kPictureHeightPx);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CornerPicture::setPicture(const QImage& picture) {
    if (!hasOutlines_ && picture.cacheKey() == picture_.cacheKey() && !picture_.isNull()) return;
    picture_ = picture;
    shown_ = picture.convertToFormat(QImage::Format_RGB32);
    shown_.setDevicePixelRatio(picture.devicePixelRatio());
    hasOutlines_ = false;
    update();
}

// The device pixels of a one-pixel-wide outline, each exactly once, clipped to the picture.
QRegion CornerPicture::outlinePixels(const QRect& rect) const {
    const qreal dpr = shown_.devicePixelRatio();
    const int line = qMax(1, qRound(dpr));
    const QRect outer(
        QPoint(qFloor(rect.left() * dpr), qFloor(rect.top() * dpr)),
        QPoint(qCeil((rect.right() + 1) * dpr) - 1, qCeil((rect.bottom() + 1) * dpr) - 1));
    const QRect inner = outer.adjusted(line, line, -line, -line);
    QRegion pixels(outer);
    if (inner.isValid()) pixels -= QRegion(inner);
    return pixels & QRegion(shown_.rect());
}

void CornerPicture::invertOutline(const QRect& rect) {
    if (shown_.isNull()) return;
    const QRegion pixels = outlinePixels(rect);
    for (const QRect& r : pixels) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) line[x] ^= 0x00FFFFFF;
        }
    }
    hasOutlines_ = true;
    update(rect.adjusted(-1, -1, 1, 1));
}

void CornerPicture::drawOutline(const QRect& rect, const QColor& colour) {
    if (shown_.isNull()) return;
    const QRegion pixels = outlinePixels(rect);
    const QRgb value = colour.rgb();
    for (const QRect& r : pixels) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            std::fill(line + r.left(), line + r.right() + 1, value);
        }
    }
    hasOutlines_ = true;
    update(rect.adjusted(-1, -1, 1, 1));
}

void CornerPicture::setFocusRing(const QRect& rect) {
    if (rect == focusRing_) return;
    update(focusRing_.adjusted(-3, -3, 3, 3));
    focusRing_ = rect;
    update(focusRing_.adjusted(-3, -3, 3, 3));
}

void CornerPicture::setToolTipText(const QString& text) {
    if (toolTip() != text) setToolTip(text);
}

void CornerPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (shown_.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    painter.drawImage(QPointF(0, 0), shown_);
    if (focusRing_.isEmpty()) return;
    // Two pixels in the highlight colour outside the lamp's area, seen on light and dark parts.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(focusRing_).adjusted(-1.5, -1.5, 1.5, 1.5));
}

void CornerPicture::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position() * kTwipsPerPixel;
    emit mouseMoved(float(p.x()), float(p.y()));
}

void CornerPicture::mousePressEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == 0) return;
    const QPointF p = event->position() * kTwipsPerPixel;
    emit mousePressed(button, float(p.x()), float(p.y()));
}

}  // namespace vireo
