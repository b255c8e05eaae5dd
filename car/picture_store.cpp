#include "car/picture_store.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "platform/embedded_resources.h"

namespace vireo {

namespace {

constexpr int kLampBits = 6;
constexpr qsizetype kCacheBytes = 96 * 1024 * 1024;

QString artPath(PictureStore::Art art) {
    switch (art) {
        case PictureStore::Art::Front:
            return QStringLiteral(":/art/front_left.svg");
        case PictureStore::Art::RearEarly:
            return QStringLiteral(":/art/rear_right_early.svg");
        case PictureStore::Art::RearLate:
            return QStringLiteral(":/art/rear_right_late.svg");
    }
    return {};
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage blankImage(QSize logical, qreal dpr) {
    QImage image(QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

// The text of one corner drawing and, per lamp bit, where to switch its dark and lit groups
// off: right after the group's id attribute.
struct PictureStore::ArtTemplate {
    QByteArray text;
    std::array<qsizetype, kLampBits> darkAt{};
    std::array<qsizetype, kLampBits> litAt{};

    explicit ArtTemplate(QByteArray svg) : text(std::move(svg)) {
        for (int bit = 0; bit < kLampBits; ++bit) {
            darkAt[bit] = afterId(QByteArray("lamp") + QByteArray::number(bit) + "-dark");
            litAt[bit] = afterId(QByteArray("lamp") + QByteArray::number(bit) + "-lit");
        }
    }

    qsizetype afterId(const QByteArray& id) const {
        const QByteArray attribute = "id=\"" + id + "\"";
        const qsizetype at = text.indexOf(attribute);
        return at < 0 ? -1 : at + attribute.size();
    }

    // The drawing with the lamps of `lamps` lit and the others dark.
    QByteArray document(int lamps) const {
        std::array<qsizetype, 2 * kLampBits> hideAt{};
        int n = 0;
        for (int bit = 0; bit < kLampBits; ++bit) {
            const qsizetype at = (lamps >> bit) & 1 ? darkAt[bit] : litAt[bit];
            if (at >= 0) hideAt[n++] = at;
        }
        std::sort(hideAt.begin(), hideAt.begin() + n);
        static const QByteArray hidden = " display=\"none\"";
        QByteArray out;
        out.reserve(text.size() + n * hidden.size());
        qsizetype from = 0;
        for (int i = 0; i < n; ++i) {
            out.append(text.constData() + from, hideAt[i] - from);
            out.append(hidden);
            from = hideAt[i];
        }
        out.append(text.constData() + from, text.size() - from);
        return out;
    }
};

PictureStore::PictureStore() : cache_(kCacheBytes) {
    ensureEmbeddedResources();
    for (Art art : {Art::Front, Art::RearEarly, Art::RearLate})
        art_[int(art)] = std::make_unique<ArtTemplate>(readResource(artPath(art)));
}

PictureStore::~PictureStore() = default;

QImage PictureStore::picture(int number, qreal devicePixelRatio) {
    const quint64 key = (quint64(quint32(number)) << 32) | quint32(qRound(devicePixelRatio * 1000));
    if (const QImage* cached = cache_.object(key)) return *cached;
    QImage image = renderPicture(number, devicePixelRatio);
    cache_.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
    return image;
}

QImage PictureStore::renderPicture(int number, qreal devicePixelRatio) const {
    if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
    if (!isPictureNumber(number)) return noPicture(devicePixelRatio);
    const int block = (number - kFirstPicture) / kBlockSize;
    const int lamps = (number - kFirstPicture) % kBlockSize;
    // Blocks: front left, front right, rear left/right "111", rear left/right "112"/"113".
    static constexpr Art kArt[6] = {Art::Front,     Art::Front,    Art::RearEarly,
                                    Art::RearEarly, Art::RearLate, Art::RearLate};
    static constexpr bool kMirrored[6] = {false, true, true, false, true, false};
    return renderArt(kArt[block], lamps, kMirrored[block], devicePixelRatio);
}

QImage PictureStore::renderArt(Art art, int lamps, bool mirrored, qreal dpr) const {
    QImage image = blankImage(pictureSize(), dpr);
    image.fill(Qt::white);
    QSvgRenderer renderer(art_[int(art)]->document(lamps));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    if (mirrored) image = image.mirrored(true, false);
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    return image;
}

QImage PictureStore::noPicture(qreal dpr) {
    QImage image = blankImage(pictureSize(), dpr);
    image.fill(QColor(200, 203, 207));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(dpr, dpr);
        painter.setPen(QPen(QColor(150, 155, 160), 1.5));
        const QRectF frame(8.5, 8.5, 178, 252);
        painter.drawRect(frame);
        painter.drawLine(frame.topLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomLeft());
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    return image;
}

QImage PictureStore::numberPlate(Plate plate, QSize logicalSize, qreal dpr) const {
    if (!(dpr > 0)) dpr = 1.0;
    QImage image = blankImage(logicalSize, dpr);
    QStringList layers{plate == Plate::Rear ? QStringLiteral(":/art/number_plate_rear.svg")
                                            : QStringLiteral(":/art/number_plate_front.svg")};
    if (plate == Plate::FrontWithLabel) layers << QStringLiteral(":/art/number_plate_caption.svg");
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QString& layer : layers) {
        QSvgRenderer renderer(readResource(layer));
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    painter.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

}  // namespace vireo
