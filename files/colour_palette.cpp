#include "files/colour_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vireo {

namespace {

constexpr int kBins = 1 << 18;
constexpr int kRefinements = 4;

struct Colour {
    std::array<double, 3> c{};  // red, green, blue
    double weight = 0;
};

double distance2(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    const double dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return dr * dr + dg * dg + db * db;
}

// A box of colours (a range of the sorted colour list) as median cut splits them.
struct Box {
    int begin = 0;
    int end = 0;
    int axis = 0;
    double spread = 0;  // weight x longest side: what splitting this box is worth
};

Box measure(const std::vector<Colour>& colours, int begin, int end) {
    std::array<double, 3> lo{255, 255, 255}, hi{0, 0, 0};
    double weight = 0;
    for (int i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], colours[i].c[k]);
            hi[k] = std::max(hi[k], colours[i].c[k]);
        }
        weight += colours[i].weight;
    }
    Box box{begin, end, 0, 0};
    for (int k = 1; k < 3; ++k)
        if (hi[k] - lo[k] > hi[box.axis] - lo[box.axis]) box.axis = k;
    box.spread = end - begin > 1 ? weight * (hi[box.axis] - lo[box.axis]) : 0;
    return box;
}

std::array<double, 3> mean(const std::vector<Colour>& colours, int begin, int end) {
    std::array<double, 3> sum{};
    double weight = 0;
    for (int i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k) sum[k] += colours[i].c[k] * colours[i].weight;
        weight += colours[i].weight;
    }
    for (double& s : sum) s /= std::max(weight, 1e-9);
    return sum;
}

// The image with one QRgb per pixel, converted only when it is not that already.
QImage asRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
               ? image
               : image.convertToFormat(QImage::Format_RGB32);
}

QRgb toRgb(const std::array<double, 3>& c) {
    const auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return qRgb(channel(c[0]), channel(c[1]), channel(c[2]));
}

}  // namespace

ColourPalette::ColourPalette() : counts_(kBins, 0), sums_(3 * kBins, 0) {}

void ColourPalette::addImage(const QImage& image) {
    const QImage rgb = asRgb32(image);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = line[x];
            const int bin = binOf(p);
            ++counts_[bin];
            sums_[3 * bin] += qRed(p);
            sums_[3 * bin + 1] += qGreen(p);
            sums_[3 * bin + 2] += qBlue(p);
        }
    }
}

void ColourPalette::build(int maxColours) {
    maxColours = std::clamp(maxColours, 1, 256);
    std::vector<Colour> colours;
    for (int bin = 0; bin < kBins; ++bin) {
        const uint32_t n = counts_[bin];
        if (n == 0) continue;
        colours.push_back({{double(sums_[3 * bin]) / n, double(sums_[3 * bin + 1]) / n,
                            double(sums_[3 * bin + 2]) / n},
                           std::sqrt(double(n))});
    }
    colours_.clear();
    lookup_.assign(kBins, -1);
    if (colours.empty()) {
        colours_ << qRgb(0, 0, 0);
        return;
    }

    // Median cut: split the box worth most at the weighted median of its longest side.
    std::vector<Box> boxes{measure(colours, 0, int(colours.size()))};
    while (int(boxes.size()) < maxColours) {
        const auto widest =
            std::max_element(boxes.begin(), boxes.end(),
                             [](const Box& a, const Box& b) { return a.spread < b.spread; });
        if (widest->spread <= 0) break;
        const Box box = *widest;
        const int axis = box.axis;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [axis](const Colour& a, const Colour& b) { return a.c[axis] < b.c[axis]; });
        double total = 0;
        for (int i = box.begin; i < box.end; ++i) total += colours[i].weight;
        double running = 0;
        int cut = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].weight;
            cut = i + 1;
            if (running >= total / 2) break;
        }
        *widest = measure(colours, box.begin, cut);
        boxes.push_back(measure(colours, cut, box.end));
    }
    std::vector<std::array<double, 3>> centres;
    for (const Box& box : boxes) centres.push_back(mean(colours, box.begin, box.end));

    // k-means: each centre moves to the weighted mean of the colours nearest to it.
    for (int round = 0; round < kRefinements; ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        for (const Colour& colour : colours) {
            size_t best = 0;
            double bestDistance = std::numeric_limits<double>::max();
            for (size_t i = 0; i < centres.size(); ++i) {
                const double d = distance2(colour.c, centres[i]);
                if (d < bestDistance) bestDistance = d, best = i;
            }
            for (int k = 0; k < 3; ++k) sums[best][k] += colour.c[k] * colour.weight;
            sums[best][3] += colour.weight;
        }
        for (size_t i = 0; i < centres.size(); ++i)
            if (sums[i][3] > 0)
                for (int k = 0; k < 3; ++k) centres[i][k] = sums[i][k] / sums[i][3];
    }
    for (const auto& centre : centres) colours_ << toRgb(centre);
}

uint8_t ColourPalette::nearest(int bin) {
    int16_t& cached = lookup_[bin];
    if (cached >= 0) return uint8_t(cached);
    // The bin's own mean when its colours were counted, else its middle.
    const uint32_t n = counts_[bin];
    const std::array<double, 3> c =
        n ? std::array<double, 3>{double(sums_[3 * bin]) / n, double(sums_[3 * bin + 1]) / n,
                                  double(sums_[3 * bin + 2]) / n}
          : std::array<double, 3>{double((bin >> 12) << 2 | 2), double(((bin >> 6) & 63) << 2 | 2),
                                  double((bin & 63) << 2 | 2)};
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < colours_.size(); ++i) {
        const QRgb p = colours_[i];
        const double d = distance2(c, {double(qRed(p)), double(qGreen(p)), double(qBlue(p))});
        if (d < bestDistance) bestDistance = d, best = i;
    }
    cached = int16_t(best);
    return uint8_t(best);
}

void ColourPalette::indexImage(const QImage& image, uint8_t* indices) {
    if (lookup_.empty()) lookup_.assign(kBins, -1);
    if (colours_.isEmpty()) colours_ << qRgb(0, 0, 0);
    const QImage rgb = asRgb32(image);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) *indices++ = nearest(binOf(line[x]));
    }
}

}  // namespace vireo
