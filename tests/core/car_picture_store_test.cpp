#include <gtest/gtest.h>

#include "car/lamp_model.h"
#include "car/picture_store.h"
#include "car/vehicle_catalogue.h"

using namespace vireo;

namespace {

struct Block {
    int start;
    int corner;
    const char* model;
};
constexpr Block kBlocks[] = {
    {101, kCornerVL, "111"}, {165, kCornerVR, "111"}, {229, kCornerHL, "111"},
    {293, kCornerHR, "111"}, {357, kCornerHL, "112"}, {421, kCornerHR, "112"},
};

}  // namespace

// A click on any pixel a lamp lights must switch that lamp: every pixel that changes when the
// lamp lights lies inside the lamp's region as the picture's corner tests it (mirrored where
// the picture is), and the lamp visibly changes its region.
TEST(PictureStore, EveryLitLampLiesInsideItsClickRegion) {
    PictureStore store;
    for (qreal dpr : {1.0, 2.0}) {
        for (const Block& block : kBlocks) {
            VehicleSetup setup;
            modellauswahl(QString::fromLatin1(block.model), setup);
            const QImage off = store.picture(block.start, dpr);
            ASSERT_EQ(off.size(), QSize(qRound(195 * dpr), qRound(269 * dpr)));
            for (int bit = 0; bit < kLampsPerCorner; ++bit) {
                const QImage on = store.picture(block.start + (1 << bit), dpr);
                int changed = 0;
                for (int y = 0; y < off.height(); ++y) {
                    const auto* a = reinterpret_cast<const QRgb*>(off.constScanLine(y));
                    const auto* b = reinterpret_cast<const QRgb*>(on.constScanLine(y));
                    for (int x = 0; x < off.width(); ++x) {
                        if (a[x] == b[x]) continue;
                        ++changed;
                        const float tx = float((x + 0.5) / dpr * kTwipsPerPixel);
                        const float ty = float((y + 0.5) / dpr * kTwipsPerPixel);
                        const int code = hitRegion(setup.regions, block.corner, tx, ty);
                        ASSERT_EQ(regionBit(code), bit)
                            << "picture " << block.start + (1 << bit) << " dpr " << dpr << " pixel "
                            << x << "," << y;
                    }
                }
                EXPECT_GE(changed, 20 * dpr * dpr)
                    << "lamp " << bit << " of picture block " << block.start;
            }
        }
    }
}

TEST(PictureStore, BlocksNumberingMirrorsAndCache) {
    PictureStore store;
    // Right-hand front and left-hand rear pictures are their partner art mirrored.
    EXPECT_EQ(store.picture(165 + 9), store.picture(101 + 9).mirrored(true, false));
    EXPECT_EQ(store.picture(229 + 40), store.picture(293 + 40).mirrored(true, false));
    EXPECT_EQ(store.picture(357 + 3), store.picture(421 + 3).mirrored(true, false));
    EXPECT_NE(store.picture(293), store.picture(421)) << "two rear designs";
    // All lamps lit differs from each single lamp.
    EXPECT_NE(store.picture(164), store.picture(101 + 32));

    const QImage first = store.picture(245, 1.5);
    EXPECT_EQ(store.picture(245, 1.5).cacheKey(), first.cacheKey());
    EXPECT_EQ(first.devicePixelRatio(), 1.5);
    EXPECT_EQ(store.renderPicture(245, 1.5), first);

    const QImage none = store.picture(100);
    EXPECT_EQ(none.size(), QSize(195, 269));
    EXPECT_EQ(store.picture(485), none);
    EXPECT_EQ(store.picture(0), none);
    EXPECT_NE(store.picture(101), none);

    const QImage plate = store.numberPlate(PictureStore::Plate::Front, QSize(89, 19), 2.0);
    EXPECT_EQ(plate.size(), QSize(178, 38));
    EXPECT_FALSE(store.numberPlate(PictureStore::Plate::Rear, QSize(86, 18)).isNull());
}
