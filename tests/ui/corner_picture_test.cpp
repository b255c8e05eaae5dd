#include "ui/corner_picture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "car/picture_store.h"

using namespace vireo;

TEST(CornerPicture, InvertingAnOutlineTwiceRestoresThePicture) {
    PictureStore store;
    for (qreal dpr : {1.0, 2.0}) {
        CornerPicture picture;
        picture.setPicture(store.picture(101, dpr));
        const QImage original = picture.shownImage();
        const QRect area(QPoint(127, 130), QPoint(152, 138));
        const QRect atEdge(QPoint(-3, 58), QPoint(32, 72));  // partly off the picture
        picture.invertOutline(area);
        picture.invertOutline(atEdge);
        const QImage outlined = picture.shownImage();
        EXPECT_NE(outlined, original);
        // Only the outline's pixels changed: inside and outside it the picture is untouched.
        EXPECT_EQ(outlined.pixel(QPointF(140 * dpr, 134 * dpr).toPoint()),
                  original.pixel(QPointF(140 * dpr, 134 * dpr).toPoint()));
        EXPECT_EQ(outlined.pixel(QPoint(127, 134) * dpr),
                  original.pixel(QPoint(127, 134) * dpr) ^ 0x00FFFFFF);
        picture.invertOutline(area);
        picture.invertOutline(atEdge);
        EXPECT_EQ(picture.shownImage(), original) << "dpr " << dpr;

        picture.drawOutline(area, QColor(255, 255, 0));
        EXPECT_EQ(QColor(picture.shownImage().pixel(QPoint(152, 138) * dpr)), QColor(255, 255, 0));
        picture.setPicture(store.picture(102, dpr));
        EXPECT_EQ(picture.shownImage(), store.picture(102, dpr)) << "a new picture drops outlines";
    }
}

TEST(CornerPicture, ReportsTheMouseInTwipsWithButtonNumbers) {
    CornerPicture picture;
    picture.show();
    QSignalSpy presses(&picture, &CornerPicture::mousePressed);
    QTest::mousePress(&picture, Qt::RightButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mousePress(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(133, 133));
    ASSERT_EQ(presses.size(), 2);
    EXPECT_EQ(presses[0], (QList<QVariant>{2, 150.0f, 300.0f}));
    EXPECT_EQ(presses[1], (QList<QVariant>{1, 1995.0f, 1995.0f}));
}
