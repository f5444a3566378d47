// Recipes of the card lessons' own pictures: flags that fill their picture,
// and the colour lesson's board of balloons.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QStringList>

namespace {

// The smallest rectangle holding every visible pixel.
QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 32)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

// The flag emoji, cropped to the flag and stretched over the whole picture.
ART_RECIPE(flag)
{
    QImage big(480, 480, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        art::drawEmoji(p, QRectF(big.rect()), picture.emoji);
    }
    const QRect flag = opaqueBounds(big);
    if (flag.isEmpty())
        throw art::RecipeError("the flag emoji draws nothing");
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(canvas.rect()), big, QRectF(flag));
}

// param: "left,top,width,height,rrggbb;" per balloon, on `background`.
ART_RECIPE(balloons)
{
    const QColor sky = art::colourOr(picture.background, QColor(0xBF, 0xE6, 0xF7));
    canvas.fill(sky);
    const art::Recipe balloon = art::findRecipe("balloon");
    if (!balloon)
        throw art::RecipeError("the balloon recipe is missing");
    QPainter p(&canvas);
    for (const QString& item : QString::fromStdString(picture.param).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(','));
        if (f.size() != 5)
            throw art::RecipeError("bad balloon \"" + item.toStdString() + "\"");
        content::Picture one;
        one.width = f[2].toInt();
        one.height = f[3].toInt();
        one.colour = f[4].toUInt(nullptr, 16);
        one.background = sky.rgb() & 0xFFFFFF;
        QImage cell(one.width, one.height, QImage::Format_ARGB32);
        cell.fill(Qt::white);
        balloon(cell, one);
        p.drawImage(f[0].toInt(), f[1].toInt(), cell);
    }
}
