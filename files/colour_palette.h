#pragma once

#include <QImage>
#include <QVector>
#include <cstdint>
#include <vector>

namespace vireo {

// One palette for a set of pictures, as an animated GIF needs it: the colours of every picture
// added are counted (6 bits per channel, with their exact mean kept), the counted colours are
// split by median cut into at most maxColours boxes, and a few rounds of k-means move each
// palette colour to the mean of the colours nearest to it. Rare colours weigh more than their
// pixel count (its square root), so the few pixels of a glow get enough shades to show no
// banding next to the large areas of body shading.
class ColourPalette {
  public:
    ColourPalette();

    // Counts the colours of an RGB32 or ARGB32 picture (alpha is ignored).
    void addImage(const QImage& image);
    // Builds the palette from the colours counted so far (at least one colour; black when
    // nothing was counted).
    void build(int maxColours);

    const QVector<QRgb>& colours() const { return colours_; }

    // The index of the palette colour nearest to every pixel of an RGB32 picture, row by row.
    // Looks colours up in a table filled as colours come, so a palette answers quickly for the
    // few thousand colours of a car picture.
    void indexImage(const QImage& image, uint8_t* indices);

  private:
    static int binOf(QRgb rgb) {
        return int((qRed(rgb) >> 2) << 12 | (qGreen(rgb) >> 2) << 6 | (qBlue(rgb) >> 2));
    }
    uint8_t nearest(int bin);

    std::vector<uint32_t> counts_;
    std::vector<uint64_t> sums_;  // 3 per bin: red, green, blue
    QVector<QRgb> colours_;
    std::vector<int16_t> lookup_;  // palette index per bin; -1 until asked
};

}  // namespace vireo
