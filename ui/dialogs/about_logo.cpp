#include "ui/dialogs/about_logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vireo {

QImage aboutLogo() {
    QImage image(197, 48, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 48);
    sky.setColorAt(0, QColor(18, 36, 70));
    sky.setColorAt(1, QColor(4, 10, 24));
    p.fillRect(image.rect(), sky);

    // The beam fans out from the lamp on the left and fades towards the right.
    QPainterPath beam;
    beam.moveTo(14, 21);
    beam.lineTo(197, 0);
    beam.lineTo(197, 48);
    beam.lineTo(14, 27);
    beam.closeSubpath();
    QLinearGradient light(14, 0, 197, 0);
    light.setColorAt(0, QColor(255, 244, 200, 230));
    light.setColorAt(0.45, QColor(255, 226, 140, 110));
    light.setColorAt(1, QColor(255, 210, 100, 0));
    p.fillPath(beam, light);

    QRadialGradient glow(12, 24, 12);
    glow.setColorAt(0, QColor(255, 255, 255));
    glow.setColorAt(0.4, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(12, 24), 12, 12);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    const QRect textBox(58, 0, 134, 46);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(textBox.translated(1, 2), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Vireo"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Vireo"));
    return image;
}

}  // namespace vireo
