// Handing a closed screen's memory back changes nothing on screen: texts draw
// the same glyphs afterwards in every face the screens use, and pictures
// still shown keep their pixels. The fonts it lets go of are really closed.
#include "platform/memory.h"
#include "platform/picture_cache.h"
#include "platform/widgets.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

QImage drawn(QWidget& w)
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    w.render(&img);
    return img;
}

// Font files this process has mapped.
int mappedFontFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    int n = 0;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.endsWith(".ttc") || line.endsWith(".otf") || line.endsWith(".ttf"))
            ++n;
    return n;
}

// The faces and sizes the screens draw text in.
struct TextCase {
    const char* family;
    bool bold;
    int pixelSize;
    const char* text;
};
constexpr TextCase kTexts[] = {
    {.family = "宋体", .bold = false, .pixelSize = 27, .text = "小朋友,确定要关闭系统吗?"},
    {.family = "宋体", .bold = true, .pixelSize = 40, .text = "青禾幼儿智能早教系统"},
    {.family = "隶书", .bold = false, .pixelSize = 60, .text = "床前明月光"},
    {.family = "Microsoft JhengHei UI", .bold = true, .pixelSize = 20, .text = "拼音 bō pō mō fō"},
    {.family = "@Microsoft JhengHei UI", .bold = false, .pixelSize = 18, .text = "apple banana"},
    {.family = "宋体", .bold = false, .pixelSize = 12, .text = "1 2 3 ABC abc"},
};

// Labels and a speed button in every case's face, with a picture beside them.
struct Screen {
    std::vector<std::unique_ptr<QWidget>> widgets;

    Screen()
    {
        for (const TextCase& c : kTexts) {
            QFont font{QString::fromUtf8(c.family)};
            font.setBold(c.bold);
            const auto add = [&](auto widget) {
                widget->setFont(font);
                widget->setPixelSize(c.pixelSize);
                widget->setText(QString::fromUtf8(c.text));
                widget->resize(c.pixelSize * 16, c.pixelSize * 2);
                widgets.push_back(std::move(widget));
            };
            add(std::make_unique<platform::TLabel>());
            add(std::make_unique<platform::TSpeedButton>());
        }
        auto image = std::make_unique<platform::TImage>();
        QImage pixels(20, 20, QImage::Format_RGB32);
        pixels.fill(Qt::magenta);
        platform::Picture picture;
        picture.frames.push_back(pixels);
        image->setPicture(picture);
        image->resize(20, 20);
        widgets.push_back(std::move(image));
    }

    std::vector<QImage> draw()
    {
        std::vector<QImage> shots;
        for (auto& w : widgets)
            shots.push_back(drawn(*w));
        return shots;
    }
};

TEST(ReleaseFreedMemory, TextsAndPicturesLookTheSameAfterwards)
{
    Screen screen;
    const std::vector<QImage> before = screen.draw();
    ASSERT_GT(mappedFontFiles(), 0);

    platform::releaseFreedMemory();
    EXPECT_EQ(mappedFontFiles(), 0) << "a font drawn in before is still open";
    const std::vector<QImage> after = screen.draw();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i]) << "widget " << i;

    // And again, after a second hand-back: fonts opened again are let go of
    // as well.
    platform::releaseFreedMemory();
    EXPECT_EQ(mappedFontFiles(), 0);
    EXPECT_EQ(screen.draw(), before);
}

}  // namespace
