#pragma once

#include <QImage>
#include <QWidget>

namespace vireo {

// One corner picture control (imaVR, imaVL, imaHL, imaHR): shows a picture of the picture
// store, reports the mouse in twips (15 per logical pixel) and draws rectangle outlines over
// the picture, either inverting the pixels under them or in a colour. Setting a picture drops
// every outline.
class CornerPicture : public QWidget {
    Q_OBJECT
  public:
    explicit CornerPicture(QWidget* parent = nullptr);

    // Shows a picture; an outline-free picture that is already shown is not drawn again.
    void setPicture(const QImage& picture);
    QImage picture() const { return picture_; }
    // The picture with its outlines, as the control paints it.
    QImage shownImage() const { return shown_; }

    // Outlines of a rectangle in logical pixels (corners inclusive), one pixel wide. Inverting
    // the same outline twice restores the picture.
    void invertOutline(const QRect& rect);
    void drawOutline(const QRect& rect, const QColor& colour);

    // A ring around the lamp the keyboard is on, drawn over the picture; an empty rectangle
    // takes it away. It is not part of the picture (shownImage).
    void setFocusRing(const QRect& rect);
    QRect focusRing() const { return focusRing_; }

    // Sets the tool tip only when its text changes.
    void setToolTipText(const QString& text);

  signals:
    // Positions in twips; buttons 1 left, 2 right, 4 middle.
    void mouseMoved(float x, float y);
    void mousePressed(int button, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRegion outlinePixels(const QRect& rect) const;

    QImage picture_;
    QImage shown_;
    QRect focusRing_;
    bool hasOutlines_ = false;
};

}  // namespace vireo
