// Recipes of the sound grids, the body parts and the number grids: tiles,
// the face with its six parts, the parts on their own, the face's marker
// and the number grids' step markers. Pictures that the screens show as
// transparent are drawn on white, the colour they key out.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <cmath>
#include <numbers>

namespace {

using art::rgb;

const QColor kSkin(0xFF, 0xD3, 0xA8);
const QColor kSkinShade(0xE8, 0xA8, 0x78);
const QColor kHair(0x5D, 0x37, 0x1E);
const QColor kLips(0xE0, 0x4F, 0x5F);
// Not white, which the transparent pictures key out.
const QColor kEyeWhite(0xFD, 0xFD, 0xFD);

QPainterPath starPath(const QPointF& c, double outer, double inner)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? outer : inner;
        const QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (k == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// The parts, each filling its box.
void drawHair(QPainter& p, const QRectF& b)
{
    QPainterPath hair;
    hair.moveTo(b.left(), b.bottom());
    hair.cubicTo(b.left(), b.top() - b.height() * 0.15, b.right(), b.top() - b.height() * 0.15, b.right(), b.bottom());
    // A wavy fringe along the bottom edge.
    const int waves = 5;
    for (int k = waves; k > 0; --k) {
        const double x0 = b.left() + b.width() * k / waves, x1 = b.left() + b.width() * (k - 1) / waves;
        hair.quadTo((x0 + x1) / 2, b.top() + b.height() * 0.45, x1, b.bottom() - (k == 1 ? 0 : b.height() * 0.05));
    }
    hair.closeSubpath();
    p.fillPath(hair, kHair);
}

void drawEar(QPainter& p, const QRectF& b, bool left)
{
    p.setPen(QPen(kSkinShade, std::max(1.5, b.width() * 0.06)));
    p.setBrush(kSkin);
    p.drawEllipse(b);
    const QRectF inner = b.adjusted(b.width() * 0.28, b.height() * 0.2, -b.width() * 0.28, -b.height() * 0.2);
    p.setPen(QPen(kSkinShade, std::max(1.5, b.width() * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(inner, left ? 60 * 16 : -60 * 16, left ? 240 * 16 : 240 * 16);
}

void drawEyebrow(QPainter& p, const QRectF& b)
{
    p.setPen(QPen(kHair, std::max(2.0, b.height() * 0.35), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(b.adjusted(0, b.height() * 0.25, 0, b.height() * 1.2), 20 * 16, 140 * 16);
}

void drawEye(QPainter& p, const QRectF& b)
{
    p.setPen(QPen(QColor(0x33, 0x22, 0x11), std::max(1.5, b.height() * 0.08)));
    p.setBrush(kEyeWhite);
    p.drawEllipse(b);
    const double r = b.height() * 0.36;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4E, 0x34, 0x2E));
    p.drawEllipse(b.center(), r, r);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawEllipse(b.center(), r * 0.55, r * 0.55);
    p.setBrush(kEyeWhite);
    p.drawEllipse(b.center() + QPointF(r * 0.35, -r * 0.35), r * 0.22, r * 0.22);
}

void drawNose(QPainter& p, const QRectF& b)
{
    QPainterPath nose;
    nose.moveTo(b.center().x(), b.top());
    nose.cubicTo(b.center().x() - b.width() * 0.1, b.top() + b.height() * 0.5, b.left(), b.bottom() - b.height() * 0.1,
                 b.center().x() - b.width() * 0.15, b.bottom());
    nose.quadTo(b.center().x(), b.bottom() + b.height() * 0.08, b.center().x() + b.width() * 0.15, b.bottom());
    nose.cubicTo(b.right(), b.bottom() - b.height() * 0.1, b.center().x() + b.width() * 0.1, b.top() + b.height() * 0.5,
                 b.center().x(), b.top());
    p.setPen(QPen(kSkinShade.darker(115), std::max(1.5, b.width() * 0.06)));
    p.setBrush(kSkin.darker(104));
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinShade.darker(130));
    const double r = b.width() * 0.08;
    p.drawEllipse(QPointF(b.center().x() - b.width() * 0.16, b.bottom() - b.height() * 0.08), r, r * 0.7);
    p.drawEllipse(QPointF(b.center().x() + b.width() * 0.16, b.bottom() - b.height() * 0.08), r, r * 0.7);
}

void drawMouth(QPainter& p, const QRectF& b)
{
    QPainterPath mouth;
    mouth.moveTo(b.left(), b.top() + b.height() * 0.3);
    mouth.quadTo(b.center().x(), b.top() + b.height() * 0.1, b.right(), b.top() + b.height() * 0.3);
    mouth.quadTo(b.center().x(), b.bottom() + b.height() * 0.4, b.left(), b.top() + b.height() * 0.3);
    p.setPen(QPen(kLips.darker(130), std::max(1.5, b.height() * 0.08)));
    p.setBrush(kLips);
    p.drawPath(mouth);
    p.setPen(QPen(kLips.darker(160), std::max(1.0, b.height() * 0.06)));
    p.drawLine(QPointF(b.left() + b.width() * 0.08, b.top() + b.height() * 0.32),
               QPointF(b.right() - b.width() * 0.08, b.top() + b.height() * 0.32));
}

QPainter& smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    return p;
}

// The largest box of aspect w:h centred in r.
QRectF fitted(const QRectF& r, double w, double h)
{
    const double s = std::min(r.width() / w, r.height() / h);
    return QRectF(r.center().x() - w * s / 2, r.center().y() - h * s / 2, w * s, h * s);
}

}  // namespace

// A rounded tile of `colour` on `background`; param "across" or "down" adds
// a band in that direction, "rim" an inner rim.
ART_RECIPE(sg_tile)
{
    canvas.fill(rgb(picture.background));
    QPainter p(&canvas);
    smooth(p);
    const QRectF face = QRectF(canvas.rect()).adjusted(3, 3, -3, -3);
    const double radius = std::min(face.width(), face.height()) * 0.18;
    const QColor colour = rgb(picture.colour);
    p.setPen(QPen(colour.darker(135), 2));
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, colour.lighter(112));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.drawRoundedRect(face, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    if (picture.param == "across") {
        p.drawRect(
            QRectF(face.left() + 2, face.center().y() - face.height() * 0.14, face.width() - 4, face.height() * 0.28));
    } else if (picture.param == "down") {
        p.drawRect(
            QRectF(face.center().x() - face.width() * 0.14, face.top() + 2, face.width() * 0.28, face.height() - 4));
    } else if (picture.param == "rim") {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xD0, 0x80, 0x20), 3, Qt::DashLine));
        p.drawRoundedRect(face.adjusted(7, 7, -7, -7), radius * 0.7, radius * 0.7);
    } else if (!picture.param.empty()) {
        throw art::RecipeError("unknown tile pattern \"" + picture.param + "\"");
    }
}

// A child's face drawn at fixed places of a 350 by 371 picture (the
// layout's markers sit beside them); other sizes are scaled.
ART_RECIPE(sg_face)
{
    Q_UNUSED(picture);
    QPainter p(&canvas);
    smooth(p);
    p.scale(canvas.width() / 350.0, canvas.height() / 371.0);
    // Hair behind the head, ears, head, fringe.
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawEllipse(QPointF(175, 160), 134, 118);
    drawEar(p, QRectF(24, 168, 46, 72), true);
    drawEar(p, QRectF(280, 168, 46, 72), false);
    p.setPen(QPen(kSkinShade, 2));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(175, 215), 118, 135);
    drawHair(p, QRectF(52, 40, 246, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x8A, 0x9A, 110));
    p.drawEllipse(QPointF(104, 258), 20, 13);
    p.drawEllipse(QPointF(246, 258), 20, 13);
    drawEyebrow(p, QRectF(100, 150, 56, 16));
    drawEyebrow(p, QRectF(194, 150, 56, 16));
    drawEye(p, QRectF(106, 180, 44, 30));
    drawEye(p, QRectF(200, 180, 44, 30));
    drawNose(p, QRectF(158, 214, 34, 44));
    drawMouth(p, QRectF(133, 280, 84, 34));
}

// One part on its own; param: hair, ear, nose, eyebrow, eye or mouth.
ART_RECIPE(sg_bodypart)
{
    QPainter p(&canvas);
    smooth(p);
    const QRectF all = QRectF(canvas.rect()).adjusted(4, 4, -4, -4);
    const std::string& part = picture.param;
    if (part == "hair") {
        drawHair(p, fitted(all, 70, 62));
    } else if (part == "ear") {
        drawEar(p, fitted(all, 46, 72), true);
    } else if (part == "nose") {
        drawNose(p, fitted(all, 34, 44));
    } else if (part == "eyebrow") {
        const QRectF b = fitted(all, 130, 40);
        drawEyebrow(p, QRectF(b.left(), b.top(), b.width() * 0.44, b.height() * 0.5));
        drawEyebrow(p, QRectF(b.left() + b.width() * 0.56, b.top(), b.width() * 0.44, b.height() * 0.5));
    } else if (part == "eye") {
        const QRectF b = fitted(all, 130, 40);
        drawEye(p, QRectF(b.left(), b.top(), b.width() * 0.42, b.height()));
        drawEye(p, QRectF(b.left() + b.width() * 0.58, b.top(), b.width() * 0.42, b.height()));
    } else if (part == "mouth") {
        drawMouth(p, fitted(all, 84, 34));
    } else {
        throw art::RecipeError("unknown body part \"" + part + "\"");
    }
}

// The face's marker: a star of `colour` with a yellow heart.
ART_RECIPE(sg_marker)
{
    QPainter p(&canvas);
    smooth(p);
    const QPointF c(canvas.width() / 2.0, canvas.height() / 2.0);
    const double r = std::min(canvas.width(), canvas.height()) / 2.0 - 1;
    p.setPen(QPen(rgb(picture.colour).darker(140), 1.5));
    p.setBrush(rgb(picture.colour));
    p.drawPath(starPath(c, r, r * 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xEB, 0x3B));
    p.drawEllipse(c, r * 0.22, r * 0.22);
}

// A step marker of `colour`: param "feet" (two footprints) or "star".
ART_RECIPE(sg_step)
{
    QPainter p(&canvas);
    smooth(p);
    const QRectF all = QRectF(canvas.rect()).adjusted(2, 2, -2, -2);
    const QColor colour = rgb(picture.colour);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (picture.param == "feet") {
        for (int k = 0; k < 2; ++k) {
            const QRectF half(all.left() + all.width() * 0.5 * k, all.top() + (k == 0 ? all.height() * 0.25 : 0),
                              all.width() * 0.5, all.height() * 0.75);
            const QRectF sole = fitted(half, 10, 16).adjusted(1, 0, -1, 0);
            const QRectF foot(sole.left(), sole.top() + sole.height() * 0.3, sole.width(), sole.height() * 0.7);
            p.drawEllipse(foot);
            for (int t = 0; t < 3; ++t) {
                const double tx = foot.left() + foot.width() * (0.2 + 0.3 * t);
                p.drawEllipse(QPointF(tx, sole.top() + sole.height() * 0.18), sole.width() * 0.12, sole.width() * 0.12);
            }
        }
    } else if (picture.param == "star") {
        const double r = std::min(all.width(), all.height()) / 2.0;
        p.setPen(QPen(colour.darker(140), 1.5));
        p.drawPath(starPath(all.center(), r, r * 0.45));
    } else {
        throw art::RecipeError("unknown step marker \"" + picture.param + "\"");
    }
}
