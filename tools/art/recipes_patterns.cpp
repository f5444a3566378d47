// Recipes of the find-the-rule quizzes' own pictures: the big arrow that
// points at the gap, the empty tile, stickers (the thumbs-up and the red
// hand) and the orange square behind a chosen number. Everything but the
// empty tile stands on plain white, which the screens show as transparent.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

using art::rgb;

// A colour the recipes draw with that is never the white the screens take
// out, even after antialiasing towards it.
QColor offWhite(const QColor& c)
{
    return c == QColor(Qt::white) ? QColor(250, 250, 250) : c;
}

}  // namespace

// A fat arrow pointing left, in picture.colour, with a darker rim.
ART_RECIPE(rule_arrow)
{
    canvas.fill(Qt::white);
    const double w = canvas.width();
    const double h = canvas.height();
    const double head = w * 0.42;   // length of the arrow head
    const double shaft = h * 0.26;  // half the shaft's thickness
    QPainterPath arrow;
    arrow.moveTo(w * 0.03, h * 0.5);
    arrow.lineTo(head, h * 0.05);
    arrow.lineTo(head, h * 0.5 - shaft);
    arrow.lineTo(w * 0.96, h * 0.5 - shaft);
    arrow.lineTo(w * 0.96, h * 0.5 + shaft);
    arrow.lineTo(head, h * 0.5 + shaft);
    arrow.lineTo(head, h * 0.95);
    arrow.closeSubpath();
    const QColor colour = offWhite(rgb(picture.colour));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(140), std::max(1.5, h * 0.04), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
}

// The empty tile: a white square with a thin border in picture.colour.
ART_RECIPE(rule_tile)
{
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    const double line = std::max(2.0, canvas.width() / 40.0);
    p.setPen(QPen(rgb(picture.colour), line));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(line / 2, line / 2, canvas.width() - line, canvas.height() - line));
}

// An emoji on white, tinted with picture.colour where one is given (strongly
// enough that the red hand reads as red, not orange).
ART_RECIPE(rule_sticker)
{
    if (picture.emoji.empty())
        throw art::RecipeError("nothing to draw: give it an emoji");
    QImage layer(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        art::drawEmoji(p, QRectF(layer.rect()).adjusted(1, 1, -1, -1), picture.emoji);
        if (picture.colour != 0) {
            // Keeps the emoji's shading and outline under the colour.
            p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            QColor tint = rgb(picture.colour);
            tint.setAlpha(235);
            p.fillRect(layer.rect(), tint);
        }
    }
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.drawImage(0, 0, layer);
}

// A rounded square in picture.colour.
ART_RECIPE(rule_square)
{
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = offWhite(rgb(picture.colour));
    const QRectF box = QRectF(canvas.rect()).adjusted(3, 3, -3, -3);
    const double radius = box.width() * 0.16;
    p.setPen(QPen(colour.darker(125), std::max(1.5, box.width() * 0.03)));
    QRadialGradient g(box.center() - QPointF(box.width() * 0.2, box.height() * 0.2), box.width() * 0.9);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawRoundedRect(box, radius, radius);
}
