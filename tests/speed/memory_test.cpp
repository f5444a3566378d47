// Handing a closed screen's memory back changes nothing on screen: texts draw
// the same glyphs afterwards and pictures still shown keep their pixels.
#include "platform/memory.h"
#include "platform/picture_cache.h"
#include "platform/widgets.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage drawn(QWidget& w)
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    w.render(&img);
    return img;
}

TEST(ReleaseFreedMemory, TextsAndPicturesLookTheSameAfterwards)
{
    platform::TLabel label;
    label.setFont(QFont(QStringLiteral("宋体")));
    label.setPixelSize(27);
    label.setText(QStringLiteral("小朋友,确定要关闭系统吗?"));
    label.resize(400, 60);
    platform::TImage image;
    QImage pixels(20, 20, QImage::Format_RGB32);
    pixels.fill(Qt::magenta);
    platform::Picture picture;
    picture.frames.push_back(pixels);
    image.setPicture(picture);
    image.resize(20, 20);

    const QImage textBefore = drawn(label);
    const QImage pictureBefore = drawn(image);
    platform::releaseFreedMemory();
    EXPECT_EQ(drawn(label), textBefore);
    EXPECT_EQ(drawn(image), pictureBefore);
    // And again, after a second hand-back.
    platform::releaseFreedMemory();
    EXPECT_EQ(drawn(label), textBefore);
}

}  // namespace
