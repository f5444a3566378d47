// Recipes of the card lessons' own pictures: flags that fill their picture,
// symbols in a writing square, and the colour lesson's board of balloons.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

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

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// White, or a deep slate where writing in `ink` stands out more from that
// (the WCAG contrast ratio of the two).
QColor groundFor(const QColor& ink)
{
    const QColor pale(255, 255, 255), deep(0x26, 0x32, 0x38);
    const double l = luminance(ink);
    return (1.05 / (l + 0.05)) >= (l + 0.05) / (luminance(deep) + 0.05) ? pale : deep;
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

// param: "left,top,width,height,rrggbb;" per balloon, on `background`; an
// item may add ",left,top,width,height,rrggbb" for a plate under the
// balloon's name, which is written in that colour: the plate is white or
// deep, whichever the name stands out from more.
ART_RECIPE(balloons)
{
    const QColor sky = art::colourOr(picture.background, QColor(0xBF, 0xE6, 0xF7));
    canvas.fill(sky);
    const art::Recipe balloon = art::findRecipe("balloon");
    if (!balloon)
        throw art::RecipeError("the balloon recipe is missing");
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QString& item : QString::fromStdString(picture.param).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(','));
        if (f.size() != 5 && f.size() != 10)
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
        if (f.size() == 10) {
            const QRectF plate(f[5].toInt(), f[6].toInt(), f[7].toInt(), f[8].toInt());
            const QColor ground = groundFor(art::rgb(f[9].toUInt(nullptr, 16)));
            p.setPen(QPen(ground == Qt::white ? sky.darker(125) : ground.darker(130), 1.5));
            p.setBrush(ground);
            p.drawRoundedRect(plate, plate.height() / 2, plate.height() / 2);
        }
    }
}

// A punctuation mark or sign (text) in a writing square on a card, at the
// place the font gives it inside its character cell: the full stop and the
// comma sit low at the left, as a child sees them after a character, so the
// full stop does not read as a letter O.
ART_RECIPE(symbol)
{
    if (picture.text.empty())
        throw art::RecipeError("nothing to draw: the symbol is empty");
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = art::canvasRect(canvas);
    const double margin = std::min(all.width(), all.height()) * 0.02;
    const QRectF face = all.adjusted(margin, margin, -margin, -margin);
    art::drawCard(p, face, art::colourOr(picture.background, art::pastelFor(picture.name)));
    const double side = std::min(face.width(), face.height()) * 0.7;
    const QRectF square(face.center().x() - side / 2, face.center().y() - side / 2, side, side);
    const QColor line(220, 80, 80);
    p.setPen(QPen(line, std::max(1.5, side * 0.025)));
    p.setBrush(Qt::white);
    p.drawRect(square);
    // The dashed cross of a writing square.
    QPen dashed(QColor(line.red(), line.green(), line.blue(), 120), std::max(1.0, side * 0.012), Qt::DashLine);
    p.setPen(dashed);
    p.drawLine(QPointF(square.center().x(), square.top()), QPointF(square.center().x(), square.bottom()));
    p.drawLine(QPointF(square.left(), square.center().y()), QPointF(square.right(), square.center().y()));
    // One em fills the square; a wider text is set smaller so it fits.
    const QString text = QString::fromStdString(picture.text);
    QFont font(QString::fromLatin1(art::kCjkFamily));
    font.setBold(true);
    font.setPixelSize(100);
    const QFontMetricsF fm(font);
    const double em = fm.ascent() + fm.descent();
    const double scale = std::min(side / em, side * 0.92 / std::max(1.0, fm.horizontalAdvance(text)));
    font.setPixelSize(std::max(1, static_cast<int>(100 * scale)));
    const QFontMetricsF sized(font);
    const double width = sized.horizontalAdvance(text);
    const double top = square.center().y() - (sized.ascent() + sized.descent()) / 2;
    p.setPen(art::colourOr(picture.colour, QColor(40, 40, 90)));
    p.setFont(font);
    p.drawText(QPointF(square.center().x() - width / 2, top + sized.ascent()), text);
}
