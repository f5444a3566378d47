// Recipes of the calculator pads and the number-combination boards: key
// faces, the display band, counters, connectors and the star marker.
#include "platform/colours.h"
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {}  // namespace

// A rounded calculator key. A sign (the keys without caption) fills the
// face; a digit key's face is plain: the button on it writes the digit.
ART_RECIPE(padkey)
{
    canvas.fill(art::colourOr(picture.background, QColor::fromRgb(platform::kMoneyGreen)));
    const QRectF face = art::canvasRect(canvas).adjusted(4, 4, -5, -6);
    const QColor colour = art::rgb(picture.colour);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(face.translated(2, 3), 14, 14);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(112));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(150), 2));
    p.drawRoundedRect(face, 14, 14);
    if (!picture.text.empty())
        art::drawFittedText(p, face.adjusted(14, 8, -14, -8), QString::fromStdString(picture.text), QColor(60, 40, 30));
}

// The display band: a pale screen in a dark rim.
ART_RECIPE(paddisplay)
{
    const QRectF all = art::canvasRect(canvas);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(all, QColor(70, 90, 110));
    const QRectF screen = all.adjusted(10, 10, -10, -10);
    QLinearGradient g(screen.topLeft(), screen.bottomLeft());
    g.setColorAt(0, art::rgb(picture.colour).lighter(108));
    g.setColorAt(1, art::rgb(picture.colour).darker(106));
    p.setPen(QPen(QColor(40, 50, 60), 3));
    p.setBrush(g);
    p.drawRoundedRect(screen, 12, 12);
}

// One counter: a shiny ball, easy to count at a glance.
ART_RECIPE(counter)
{
    canvas.fill(art::colourOr(picture.background, Qt::white));
    const QRectF all = art::canvasRect(canvas);
    const QRectF ball = all.adjusted(5, 5, -5, -5);
    const QColor colour = art::rgb(picture.colour);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(ball.center() - QPointF(ball.width() * 0.18, ball.height() * 0.18), ball.width() * 0.7);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(170), 1.5));
    p.setBrush(g);
    p.drawEllipse(ball);
}

// The thin bar between a row's two numbers, on the colour it is drawn
// transparent in; param: the pixels left clear at each end, so the bar
// keeps off the digits even where a number button's "10" fills its button.
ART_RECIPE(connector)
{
    canvas.fill(art::rgb(picture.background));
    bool ok = false;
    const int clear = QString::fromStdString(picture.param).toInt(&ok);
    if (!ok || clear < 0 || 2 * clear >= canvas.width())
        throw art::RecipeError("the clear ends must be a number of pixels, not \"" + picture.param + "\"");
    const QColor colour = art::rgb(picture.colour);
    const QRectF bar = art::canvasRect(canvas).adjusted(clear, 1, -clear, -1);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(120));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
}

// A five-pointed star on the colour it is drawn transparent in, low in the
// picture: the marker lies below and right of its button's corner, so the
// star sits under the button's number, at its lower right, clear of the
// digits.
ART_RECIPE(star)
{
    canvas.fill(art::rgb(picture.background));
    const QRectF all = art::canvasRect(canvas);
    const QPointF c(all.width() * 0.62, all.height() * 0.74);
    const double outer = std::min(all.width(), all.height()) * 0.2;
    const double inner = outer * 0.45;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        star << c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(art::rgb(picture.colour).darker(150), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(art::rgb(picture.colour));
    p.drawPolygon(star);
}
