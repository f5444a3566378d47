// Recipes of the calculator pads and the number-combination boards: key
// faces, the display band, counters, connectors and the star marker.
#include "platform/colours.h"
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {}  // namespace

// A rounded calculator key. A digit is drawn small in the top left corner,
// clear of the button's own caption; a sign (the keys without caption) fills
// the face.
ART_RECIPE(padkey)
{
    if (picture.text.empty())
        throw art::RecipeError("a key face needs its digit or sign");
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
    const bool digit = picture.text.size() == 1 && picture.text[0] >= '0' && picture.text[0] <= '9';
    const QRectF box = digit ? QRectF(face.left() + 6, face.top() + 4, 18, 20) : face.adjusted(14, 8, -14, -8);
    art::drawFittedText(p, box, QString::fromStdString(picture.text), digit ? colour.darker(170) : QColor(60, 40, 30));
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

// The thin bar between a row's two numbers.
ART_RECIPE(connector)
{
    const QColor colour = art::rgb(picture.colour);
    QLinearGradient g(0, 0, 0, canvas.height());
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(120));
    QPainter p(&canvas);
    p.fillRect(art::canvasRect(canvas), g);
}

// A five-pointed star on the colour it is drawn transparent in, in the
// upper left of the picture: the marker lies below and right of its
// button's corner, so the star sits on the button's lower right corner.
ART_RECIPE(star)
{
    canvas.fill(art::rgb(picture.background));
    const QRectF all = art::canvasRect(canvas);
    const QPointF c(all.width() * 0.44, all.height() * 0.44);
    const double outer = std::min(all.width(), all.height()) * 0.36;
    const double inner = outer * 0.45;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        star << c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    QPainter p(&canvas);
    p.setPen(QPen(art::rgb(picture.colour).darker(150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(art::rgb(picture.colour));
    p.drawPolygon(star);
}
