// Recipes of the clock lesson's faces and the fruit pyramid.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace {

// The point at `radius` from `centre` in the direction a hand takes at `hour`.
QPointF onDial(const QPointF& centre, double radius, double hour)
{
    const double a = hour * std::numbers::pi / 6.0;
    return centre + QPointF(std::sin(a) * radius, -std::cos(a) * radius);
}

void drawHand(QPainter& p, const QPointF& centre, double length, double hour, double width, const QColor& colour)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(onDial(centre, -length * 0.12, hour), onDial(centre, length, hour));
}

}  // namespace

// A round dial on white (the layout shows white as transparent). param: the
// hour "1".."12" puts the short hand on it and the long hand on 12; empty
// draws the dial without hands.
ART_RECIPE(clock)
{
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF c(canvas.width() / 2.0, canvas.height() / 2.0);
    const double r = std::min(canvas.width(), canvas.height()) / 2.0 - 6;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0x8C, 0x28));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(0xFF, 0xF8, 0xE1));
    p.drawEllipse(c, r * 0.9, r * 0.9);

    for (int tick = 0; tick < 60; ++tick) {
        const bool hourTick = tick % 5 == 0;
        p.setPen(QPen(QColor(0x5D, 0x40, 0x37), hourTick ? 4 : 1.5));
        p.drawLine(onDial(c, r * (hourTick ? 0.78 : 0.83), tick / 5.0), onDial(c, r * 0.87, tick / 5.0));
    }
    QFont font(QString::fromLatin1(art::kCjkFamily));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(r * 0.2));
    p.setFont(font);
    p.setPen(QColor(0x1E, 0x3A, 0x8A));
    for (int n = 1; n <= 12; ++n) {
        const QPointF at = onDial(c, r * 0.64, n);
        p.drawText(QRectF(at.x() - r * 0.2, at.y() - r * 0.15, r * 0.4, r * 0.3), Qt::AlignCenter, QString::number(n));
    }

    if (!picture.param.empty()) {
        bool ok = false;
        const int hour = QString::fromStdString(picture.param).toInt(&ok);
        if (!ok || hour < 1 || hour > 12)
            throw art::RecipeError("the hour must be 1 to 12, not \"" + picture.param + "\"");
        drawHand(p, c, r * 0.72, 0, 8, QColor(0xD3, 0x2F, 0x2F));
        drawHand(p, c, r * 0.46, hour, 14, QColor(0x1E, 0x3A, 0x8A));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawEllipse(c, r * 0.06, r * 0.06);
}

// The fruit pyramid: emoji holds one fruit per row ('\n' between rows); row r
// from the top shows r of its fruit on a shelf, rows 46 pixels apart. Around
// the pyramid lies `background`, the colour the screen draws transparent, so
// the pyramid stands on the screen's own background.
ART_RECIPE(pyramid)
{
    const QStringList rows = QString::fromStdString(picture.emoji).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (rows.isEmpty())
        throw art::RecipeError("the pyramid needs its fruit");
    constexpr double kRowStep = 46, kFirstRow = 23.5, kFruit = 34, kPitch = 36;
    canvas.fill(art::colourOr(picture.background, Qt::white));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);

    const double mid = canvas.width() / 2.0;
    const double bottom = kFirstRow + kRowStep * (rows.size() - 1) + kFruit / 2 + 4;
    QPolygonF hill;
    hill << QPointF(mid, 2) << QPointF(mid + kPitch * rows.size() / 2.0 + 4, bottom)
         << QPointF(mid - kPitch * rows.size() / 2.0 - 4, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0xB2));
    p.drawPolygon(hill);

    for (int r = 0; r < rows.size(); ++r) {
        const int count = r + 1;
        const double y = kFirstRow + kRowStep * r;
        QImage fruit(static_cast<int>(kFruit), static_cast<int>(kFruit), QImage::Format_ARGB32_Premultiplied);
        fruit.fill(Qt::transparent);
        {
            QPainter fp(&fruit);
            art::drawEmoji(fp, QRectF(fruit.rect()), rows[r].toStdString());
        }
        const double left = mid - kPitch * count / 2.0;
        p.setBrush(QColor(0x8D, 0x6E, 0x63));
        p.drawRoundedRect(QRectF(left - 2, y + kFruit / 2 - 1, kPitch * count + 4, 5), 2, 2);
        for (int i = 0; i < count; ++i)
            p.drawImage(QPointF(left + kPitch * i + (kPitch - kFruit) / 2, y - kFruit / 2), fruit);
    }
    p.end();
    // The lowest shelf spans the whole width: the corner pixel the screen
    // takes its transparent colour from keeps the background.
    canvas.setPixelColor(0, canvas.height() - 1, art::colourOr(picture.background, Qt::white));
}
