// Recipes of imagine-the-animal and the rescue game: an animal's close-up,
// the trapped and the freed animal, the keyboard's key faces, the start
// bubble and the small red pointing hand.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>

namespace {

// The emoji alone on a clear square of side `side`.
QImage emojiSquare(const std::string& emoji, int side)
{
    QImage big(side, side, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    art::drawEmoji(p, QRectF(big.rect()), emoji);
    return big;
}

}  // namespace

// param "left,top,side": the part of the emoji's square (fractions of it)
// enlarged over the whole picture, on `background`, in a white rim.
ART_RECIPE(closeup)
{
    const QStringList f = QString::fromStdString(picture.param).split(QLatin1Char(','));
    if (f.size() != 3 || f[2].toDouble() <= 0 || f[2].toDouble() > 1)
        throw art::RecipeError("closeup needs \"left,top,side\" as fractions, not \"" + picture.param + "\"");
    constexpr int kSide = 436;
    const QImage big = emojiSquare(picture.emoji, kSide);
    canvas.fill(art::colourOr(picture.background, Qt::white));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF part(f[0].toDouble() * kSide, f[1].toDouble() * kSide, f[2].toDouble() * kSide,
                      f[2].toDouble() * kSide);
    p.drawImage(art::canvasRect(canvas), big, part);
    // White outside the rounded window and a white rim along it.
    QPainterPath outside;
    outside.addRect(art::canvasRect(canvas));
    QPainterPath window;
    window.addRoundedRect(art::canvasRect(canvas).adjusted(2, 2, -2, -2), 10, 10);
    p.fillPath(outside.subtracted(window), Qt::white);
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window);
}

// The animal behind the bars of a cage (param "bars") or under a net ("net").
ART_RECIPE(trapped)
{
    const QRectF all = art::canvasRect(canvas);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient room(all.topLeft(), all.bottomLeft());
    room.setColorAt(0, QColor(120, 132, 150));
    room.setColorAt(1, QColor(84, 92, 108));
    p.fillRect(all, room);
    p.fillRect(QRectF(0, all.height() * 0.82, all.width(), all.height() * 0.18), QColor(110, 90, 70));
    const double s = all.height() * 0.78;
    art::drawEmoji(p, QRectF(all.center().x() - s / 2, all.height() * 0.1, s, s), picture.emoji);
    if (picture.param == "bars") {
        const double bar = all.width() / 40.0;
        for (int i = 1; i < 8; ++i) {
            const double x = all.width() * i / 8.0 - bar / 2;
            QLinearGradient metal(QPointF(x, 0), QPointF(x + bar, 0));
            metal.setColorAt(0, QColor(60, 60, 66));
            metal.setColorAt(0.4, QColor(200, 204, 212));
            metal.setColorAt(1, QColor(50, 50, 56));
            p.fillRect(QRectF(x, 0, bar, all.height()), metal);
        }
        p.fillRect(QRectF(0, 0, all.width(), bar * 1.6), QColor(70, 70, 78));
        p.fillRect(QRectF(0, all.height() - bar * 1.6, all.width(), bar * 1.6), QColor(70, 70, 78));
    } else if (picture.param == "net") {
        p.setPen(QPen(QColor(150, 105, 50), 3));
        const double step = all.width() / 9.0;
        for (double d = -all.height(); d < all.width() + all.height(); d += step) {
            p.drawLine(QPointF(d, 0), QPointF(d + all.height(), all.height()));
            p.drawLine(QPointF(d, all.height()), QPointF(d + all.height(), 0));
        }
    } else {
        throw art::RecipeError("trapped needs \"bars\" or \"net\", not \"" + picture.param + "\"");
    }
}

// The animal free and happy: sky, sun, a green hill and hearts. The screen
// shows it in a frame lower than it is tall, so all that matters lies in the
// middle rows.
ART_RECIPE(freed)
{
    const QRectF all = art::canvasRect(canvas);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0, QColor(120, 200, 255));
    sky.setColorAt(1, QColor(210, 240, 255));
    p.fillRect(all, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 60));
    p.drawEllipse(QPointF(all.width() * 0.85, all.height() * 0.27), all.width() * 0.09, all.width() * 0.09);
    p.setBrush(QColor(110, 200, 90));
    p.drawEllipse(QRectF(-all.width() * 0.2, all.height() * 0.72, all.width() * 1.4, all.height() * 0.6));
    const double s = all.height() * 0.66;
    art::drawEmoji(p, QRectF(all.center().x() - s / 2, all.height() * 0.2, s, s), picture.emoji);
    const double h = all.width() * 0.14;
    art::drawEmoji(p, QRectF(all.width() * 0.05, all.height() * 0.18, h, h), "💖");
    art::drawEmoji(p, QRectF(all.width() * 0.62, all.height() * 0.17, h * 0.8, h * 0.8), "✨");
}

// A key of the keyboard: its top face in `colour` on a rim of `background`.
ART_RECIPE(key)
{
    const QRectF all = art::canvasRect(canvas);
    canvas.fill(art::colourOr(picture.background, QColor(58, 65, 80)));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor top = art::colourOr(picture.colour, QColor(232, 236, 244));
    const double r = all.height() * 0.16;
    p.setPen(Qt::NoPen);
    p.setBrush(top.darker(140));
    p.drawRoundedRect(all.adjusted(3, 4, -3, -3), r, r);
    QLinearGradient face(all.topLeft(), all.bottomLeft());
    face.setColorAt(0, top.lighter(110));
    face.setColorAt(1, top.darker(108));
    p.setBrush(face);
    p.drawRoundedRect(all.adjusted(5, 4, -5, -8), r, r);
}

// A round speech bubble in `colour` bearing `text` in white, on `background`.
ART_RECIPE(bubble)
{
    const QRectF all = art::canvasRect(canvas);
    canvas.fill(art::colourOr(picture.background, Qt::white));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor fill = art::colourOr(picture.colour, QColor(255, 122, 26));
    const QRectF body = all.adjusted(4, 4, -4, -all.height() * 0.2);
    QPainterPath shape;
    shape.addRoundedRect(body, body.height() * 0.45, body.height() * 0.45);
    QPainterPath tail;
    tail.moveTo(body.right() - body.width() * 0.32, body.bottom() - 6);
    tail.lineTo(body.right() - body.width() * 0.1, all.bottom() - 3);
    tail.lineTo(body.right() - body.width() * 0.14, body.bottom() - 6);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(fill);
    p.drawPath(shape);
    art::drawFittedText(
        p, body.adjusted(body.width() * 0.12, body.height() * 0.12, -body.width() * 0.12, -body.height() * 0.12),
        QString::fromStdString(picture.text), Qt::white);
}

// The emoji hand on `background`, tinted `colour` where one is given.
ART_RECIPE(hand)
{
    canvas.fill(art::colourOr(picture.background, Qt::white));
    QImage layer(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        art::drawEmoji(lp, art::canvasRect(canvas).adjusted(2, 2, -2, -2), picture.emoji);
        if (picture.colour != 0) {
            lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            QColor tint = art::rgb(picture.colour);
            tint.setAlpha(190);
            lp.fillRect(layer.rect(), tint);
        }
    }
    QPainter p(&canvas);
    p.drawImage(0, 0, layer);
}
