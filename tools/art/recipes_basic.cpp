// The general recipes: cards, fills, shapes, letters, balloons, the magnifier
// marker, button faces, backgrounds, the menu frame and the menu icons.
// A colour of 0 means "not given": the recipe picks a fitting one.
#include "platform/colours.h"
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {

using art::rgb;

QRectF inset(const QRectF& r, double fraction)
{
    const double d = std::min(r.width(), r.height()) * fraction;
    return r.adjusted(d, d, -d, -d);
}

QString textOf(const content::Picture& picture)
{
    return QString::fromStdString(picture.text);
}

// The drawing or the emoji, or failing that the text, big on a card of the given colour;
// `badge` adds a small label at the bottom.
void paintCard(QImage& canvas, const content::Picture& picture, const QColor& fill, const QString& badge)
{
    if (picture.emoji.empty() && picture.drawing.empty() && picture.text.empty())
        throw art::RecipeError("nothing to draw: give it an emoji, a drawing or a text");
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all = art::canvasRect(canvas);
    const QRectF face = inset(all, 0.02);
    art::drawCard(p, face, fill);
    QRectF inner = inset(face, 0.12);
    if (!badge.isEmpty()) {
        const QRectF band(inner.left(), inner.bottom() - inner.height() * 0.3, inner.width(), inner.height() * 0.3);
        inner.setBottom(band.top());
        art::drawFittedText(p, band, badge, QColor(200, 40, 120));
    }
    if (!picture.drawing.empty())
        art::drawDrawing(p, inner, picture.drawing);
    else if (!picture.emoji.empty())
        art::drawEmoji(p, inner, picture.emoji);
    else
        art::drawFittedText(p, inner, textOf(picture), art::colourOr(picture.colour, art::inkFor(fill).darker(110)));
}

}  // namespace

ART_RECIPE(card)
{
    paintCard(canvas, picture, art::colourOr(picture.background, art::pastelFor(picture.name)), QString());
}

// The menu icon: like a card, with an optional badge (`param`).
ART_RECIPE(icon)
{
    paintCard(canvas, picture, art::colourOr(picture.background, art::pastelFor(picture.name)),
              QString::fromStdString(picture.param));
}

ART_RECIPE(solid)
{
    canvas.fill(rgb(picture.colour));
}

ART_RECIPE(shape)
{
    canvas.fill(art::colourOr(picture.background, Qt::white));
    const QPainterPath path = art::shapePath(picture.param, inset(art::canvasRect(canvas), 0.08));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, rgb(picture.colour));
}

ART_RECIPE(text)
{
    if (picture.text.empty())
        throw art::RecipeError("nothing to draw: the text is empty");
    canvas.fill(art::colourOr(picture.background, Qt::white));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::TextAntialiasing);
    art::drawFittedText(p, inset(art::canvasRect(canvas), 0.08), textOf(picture), rgb(picture.colour));
}

ART_RECIPE(balloon)
{
    canvas.fill(art::colourOr(picture.background, Qt::white));
    const QRectF all = art::canvasRect(canvas);
    const double bw = std::min(all.width() * 0.8, all.height() * 0.62);
    const double bh = bw * 1.18;
    const QRectF body(all.center().x() - bw / 2, all.height() * 0.06, bw, bh);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = rgb(picture.colour);
    // String, knot, body, shine.
    QPainterPath string;
    const QPointF knot(body.center().x(), body.bottom());
    string.moveTo(knot);
    string.cubicTo(knot + QPointF(-bw * 0.2, all.height() * 0.12), knot + QPointF(bw * 0.2, all.height() * 0.2),
                   QPointF(knot.x(), all.height() * 0.98));
    p.setPen(QPen(QColor(90, 90, 90), std::max(1.5, bw * 0.02)));
    p.drawPath(string);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(115));
    p.drawPolygon(QPolygonF{knot + QPointF(0, -bw * 0.04), knot + QPointF(-bw * 0.07, bw * 0.07),
                            knot + QPointF(bw * 0.07, bw * 0.07)});
    p.setBrush(colour);
    p.drawEllipse(body);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(body.left() + bw * 0.2, body.top() + bh * 0.12, bw * 0.16, bh * 0.22));
}

ART_RECIPE(magnifier)
{
    canvas.fill(rgb(picture.colour));
    const QRectF all = art::canvasRect(canvas);
    const double s = std::min(all.width(), all.height());
    const QRectF lens(all.center().x() - s * 0.32, all.center().y() - s * 0.32, s * 0.44, s * 0.44);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 70, 20), s * 0.1, Qt::SolidLine, Qt::RoundCap));
    const QPointF from = lens.center() + QPointF(lens.width() * 0.36, lens.height() * 0.36);
    p.drawLine(from, from + QPointF(s * 0.26, s * 0.26));
    p.setPen(QPen(QColor(60, 60, 70), s * 0.06));
    p.setBrush(QColor(220, 240, 255, 170));
    p.drawEllipse(lens);
}

ART_RECIPE(button)
{
    // The bottom bar's colour shows around the rounded face.
    canvas.fill(art::colourOr(picture.background, QColor::fromRgb(platform::kMoneyGreen)));
    const QRectF all = art::canvasRect(canvas);
    const QRectF face = all.adjusted(2, 2, -2, -3);
    const double radius = face.height() * 0.35;
    const QColor colour = rgb(picture.colour);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(face.translated(1, 2), radius, radius);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(125));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(150), std::max(1.0, face.height() * 0.04)));
    p.drawRoundedRect(face, radius, radius);
    // Gloss on the upper half.
    const QRectF gloss =
        face.adjusted(face.height() * 0.15, face.height() * 0.08, -face.height() * 0.15, -face.height() * 0.55);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, gloss.height() / 2, gloss.height() / 2);
}

ART_RECIPE(background)
{
    const QColor colour = rgb(picture.colour);
    const QRectF all = art::canvasRect(canvas);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, colour.lighter(118));
    g.setColorAt(1, colour);
    p.fillRect(all, g);
    // Soft bubbles at fixed places.
    p.setPen(Qt::NoPen);
    const double s = std::min(all.width(), all.height());
    static const double bubbles[][3] = {{0.08, 0.15, 0.10}, {0.3, 0.75, 0.07},  {0.55, 0.2, 0.05}, {0.72, 0.62, 0.12},
                                        {0.92, 0.25, 0.08}, {0.15, 0.55, 0.04}, {0.45, 0.9, 0.06}, {0.85, 0.9, 0.05}};
    for (const auto& b : bubbles) {
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(QPointF(all.width() * b[0], all.height() * b[1]), s * b[2], s * b[2]);
    }
    // Gentle hills along the bottom.
    QPainterPath hills;
    hills.moveTo(0, all.height());
    hills.lineTo(0, all.height() * 0.9);
    hills.cubicTo(all.width() * 0.25, all.height() * 0.82, all.width() * 0.45, all.height() * 0.97, all.width() * 0.7,
                  all.height() * 0.88);
    hills.cubicTo(all.width() * 0.85, all.height() * 0.83, all.width() * 0.95, all.height() * 0.9, all.width(),
                  all.height() * 0.88);
    hills.lineTo(all.width(), all.height());
    hills.closeSubpath();
    p.fillPath(hills, QColor(255, 255, 255, 70));
}

// The menu entry's frame: a bright rim, a pale band for the caption at the
// top and a white window where the icon sits. The frame is as wide as its
// slot and its band nearly so: the caption label spans the slot, and the
// longest captions (six characters) fill most of it.
ART_RECIPE(frame)
{
    const QRectF all = art::canvasRect(canvas);
    const QColor rim = art::colourOr(picture.colour, QColor(255, 165, 40));
    canvas.fill(art::colourOr(picture.background, QColor::fromRgb(platform::kMoneyGreen)));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(all.adjusted(1, 4, -1, 0), 14, 14);
    const QRectF face = all.adjusted(0, 0, 0, -3);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, rim.lighter(120));
    g.setColorAt(1, rim);
    p.setBrush(g);
    p.drawRoundedRect(face, 14, 14);
    const double sx = all.width() / 140.0, sy = all.height() / 190.0;
    p.setBrush(QColor(255, 250, 215));
    p.drawRoundedRect(QRectF(3 * sx, 14 * sy, face.width() - 6 * sx, 56 * sy), 10, 10);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14 * sx, 74 * sy, face.width() - 28 * sx, 112 * sy), 10, 10);
}
