// Renders the SVG icons into the PNG sizes the desktops use and packs the Windows icon files.
// Built and run by scripts/render-icons.sh; not part of the program.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

const int kPngSizes[] = {16, 32, 48, 64, 128, 256};
const int kIcoSizes[] = {16, 32, 48, 256};

QByteArray renderPng(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// An .ico file whose images are PNG streams (read by Windows Vista and later).
QByteArray icoFile(QSvgRenderer& svg) {
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(std::size(kIcoSizes), header.data() + 4);
    QByteArray directory, images;
    quint32 offset = 6 + 16 * std::size(kIcoSizes);
    for (int size : kIcoSizes) {
        const QByteArray png = renderPng(svg, size);
        QByteArray entry(16, '\0');
        entry[0] = char(size == 256 ? 0 : size);
        entry[1] = char(size == 256 ? 0 : size);
        qToLittleEndian<quint16>(1, entry.data() + 4);   // colour planes
        qToLittleEndian<quint16>(32, entry.data() + 6);  // bits per pixel
        qToLittleEndian<quint32>(png.size(), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += png.size();
        directory += entry;
        images += png;
    }
    return header + directory + images;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_icons <icons folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // (stem, .ico name)
    const std::pair<const char*, const char*> icons[] = {{"vireo", "Vireo.ico"},
                                                         {"document", "Daten.ico"}};
    for (const auto& [stem, ico] : icons) {
        QSvgRenderer svg(QStringLiteral("%1/%2.svg").arg(folder, QLatin1String(stem)));
        if (!svg.isValid()) return 1;
        for (int size : kPngSizes)
            if (!write(QStringLiteral("%1/%2-%3.png").arg(folder, QLatin1String(stem)).arg(size),
                       renderPng(svg, size)))
                return 1;
        if (!write(QStringLiteral("%1/%2").arg(folder, QLatin1String(ico)), icoFile(svg))) return 1;
    }
    return 0;
}
