// Recipes of the Tang poems and riddles lessons: the reading box's paper
// scroll, the riddle text band, and the riddle answers (an emoji, or a
// drawing where no emoji shows the answer, above the answer word).
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>

#include <cmath>
#include <map>

namespace {

using art::rgb;

// --- drawings of the answers without an emoji, each inside box -------------

void drawFridge(QPainter& p, const QRectF& box)
{
    const double w = box.height() * 0.55, h = box.height();
    const QRectF body(box.center().x() - w / 2, box.top(), w, h);
    p.setPen(QPen(QColor(90, 110, 130), 2.5));
    p.setBrush(QColor(225, 238, 248));
    p.drawRoundedRect(body, w * 0.12, w * 0.12);
    const double split = body.top() + h * 0.36;
    p.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    p.setPen(QPen(QColor(90, 110, 130), 5, Qt::SolidLine, Qt::RoundCap));
    const double hx = body.left() + w * 0.16;
    p.drawLine(QPointF(hx, body.top() + h * 0.12), QPointF(hx, body.top() + h * 0.28));
    p.drawLine(QPointF(hx, split + h * 0.08), QPointF(hx, split + h * 0.3));
    // Frost on the freezer door.
    p.setPen(QPen(QColor(120, 190, 240), 2));
    const QPointF star(body.center().x() + w * 0.12, body.top() + h * 0.18);
    for (int k = 0; k < 3; ++k) {
        const double a = k * M_PI / 3;
        const QPointF d(std::cos(a) * h * 0.07, std::sin(a) * h * 0.07);
        p.drawLine(star - d, star + d);
    }
}

// A slim insect body with four long wings, seen from above.
void drawDragonfly(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    p.setPen(QPen(QColor(60, 120, 170, 200), 1.5));
    p.setBrush(QColor(170, 220, 250, 150));
    for (int side : {-1, 1})
        for (double y : {-0.2, -0.05}) {
            p.save();
            p.translate(c.x(), c.y() + y * s);
            p.rotate(side * (y < -0.1 ? -8 : 8));
            p.drawEllipse(QRectF(side > 0 ? 0.02 * s : -0.48 * s, -0.06 * s, 0.46 * s, 0.12 * s));
            p.restore();
        }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 140, 90));
    p.drawRoundedRect(QRectF(c.x() - 0.035 * s, c.y() - 0.22 * s, 0.07 * s, 0.68 * s), 0.035 * s, 0.035 * s);
    p.setBrush(QColor(30, 110, 70));
    p.drawEllipse(QPointF(c.x() - 0.05 * s, c.y() - 0.27 * s), 0.05 * s, 0.05 * s);
    p.drawEllipse(QPointF(c.x() + 0.05 * s, c.y() - 0.27 * s), 0.05 * s, 0.05 * s);
}

// A green insect standing up, with its two "knives" folded in front.
void drawMantis(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    const QColor green(70, 170, 60), dark(40, 120, 40);
    p.setPen(QPen(dark, 0.03 * s, Qt::SolidLine, Qt::RoundCap));
    // Legs.
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(c.x(), c.y() + 0.15 * s), QPointF(c.x() + side * 0.28 * s, c.y() + 0.45 * s));
        p.drawLine(QPointF(c.x(), c.y() + 0.05 * s), QPointF(c.x() + side * 0.3 * s, c.y() + 0.25 * s));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(QRectF(c.x() - 0.1 * s, c.y() - 0.05 * s, 0.2 * s, 0.5 * s));              // abdomen
    p.drawRoundedRect(QRectF(c.x() - 0.035 * s, c.y() - 0.3 * s, 0.07 * s, 0.3 * s), 4, 4);  // neck
    QPolygonF head{QPointF(c.x() - 0.11 * s, c.y() - 0.36 * s), QPointF(c.x() + 0.11 * s, c.y() - 0.36 * s),
                   QPointF(c.x(), c.y() - 0.24 * s)};
    p.drawPolygon(head);
    p.setBrush(QColor(250, 230, 90));
    p.drawEllipse(QPointF(c.x() - 0.09 * s, c.y() - 0.36 * s), 0.035 * s, 0.035 * s);
    p.drawEllipse(QPointF(c.x() + 0.09 * s, c.y() - 0.36 * s), 0.035 * s, 0.035 * s);
    // The folded forelegs, raised like knives.
    p.setPen(QPen(dark, 0.035 * s, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        const QPointF shoulder(c.x(), c.y() - 0.2 * s);
        const QPointF elbow(c.x() + side * 0.2 * s, c.y() - 0.05 * s);
        p.drawLine(shoulder, elbow);
        p.drawLine(elbow, QPointF(c.x() + side * 0.14 * s, c.y() - 0.32 * s));
    }
    p.setPen(QPen(dark, 0.015 * s));
    p.drawLine(QPointF(c.x() - 0.05 * s, c.y() - 0.38 * s), QPointF(c.x() - 0.2 * s, c.y() - 0.48 * s));
    p.drawLine(QPointF(c.x() + 0.05 * s, c.y() - 0.38 * s), QPointF(c.x() + 0.2 * s, c.y() - 0.48 * s));
}

// A dark bird in flight with a forked tail.
void drawSwallow(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    QPainterPath bird;
    bird.moveTo(c + QPointF(-0.06 * s, -0.05 * s));
    bird.cubicTo(c + QPointF(-0.25 * s, -0.25 * s), c + QPointF(-0.4 * s, -0.2 * s), c + QPointF(-0.48 * s, -0.1 * s));
    bird.cubicTo(c + QPointF(-0.3 * s, -0.08 * s), c + QPointF(-0.15 * s, 0.02 * s), c + QPointF(-0.06 * s, 0.06 * s));
    bird.lineTo(c + QPointF(-0.1 * s, 0.42 * s));
    bird.lineTo(c + QPointF(0.0, 0.2 * s));
    bird.lineTo(c + QPointF(0.1 * s, 0.42 * s));
    bird.lineTo(c + QPointF(0.06 * s, 0.06 * s));
    bird.cubicTo(c + QPointF(0.15 * s, 0.02 * s), c + QPointF(0.3 * s, -0.08 * s), c + QPointF(0.48 * s, -0.1 * s));
    bird.cubicTo(c + QPointF(0.4 * s, -0.2 * s), c + QPointF(0.25 * s, -0.25 * s), c + QPointF(0.06 * s, -0.05 * s));
    bird.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 80));
    p.drawPath(bird);
    p.drawEllipse(c + QPointF(0, -0.1 * s), 0.08 * s, 0.1 * s);
    p.setBrush(QColor(220, 60, 40));
    p.drawEllipse(c + QPointF(0, -0.05 * s), 0.04 * s, 0.03 * s);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-0.03 * s, -0.14 * s), 0.018 * s, 0.018 * s);
}

// A bird clinging to a tree trunk, with a red cap and a long beak.
void drawWoodpecker(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 95, 55));
    p.drawRect(QRectF(c.x() - 0.5 * s, box.top(), 0.22 * s, box.height()));
    p.setBrush(QColor(40, 40, 45));
    p.drawEllipse(QRectF(c.x() - 0.28 * s, c.y() - 0.15 * s, 0.34 * s, 0.55 * s));  // body
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(c.x() - 0.12 * s, c.y() - 0.05 * s, 0.14 * s, 0.35 * s));  // breast
    p.setBrush(QColor(40, 40, 45));
    p.drawEllipse(c + QPointF(-0.02 * s, -0.25 * s), 0.14 * s, 0.13 * s);  // head
    p.setBrush(QColor(220, 30, 30));
    p.drawPie(QRectF(c.x() - 0.16 * s, c.y() - 0.38 * s, 0.28 * s, 0.26 * s), 30 * 16, 120 * 16);  // cap
    p.setBrush(QColor(240, 190, 40));
    p.drawPolygon(
        QPolygonF{c + QPointF(0.1 * s, -0.28 * s), c + QPointF(0.42 * s, -0.24 * s), c + QPointF(0.1 * s, -0.2 * s)});
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(0.03 * s, -0.27 * s), 0.03 * s, 0.03 * s);
    p.setBrush(Qt::black);
    p.drawEllipse(c + QPointF(0.035 * s, -0.27 * s), 0.015 * s, 0.015 * s);
}

// A cicada from above: a wide dark body under two clear wings.
void drawCicada(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    p.setPen(QPen(QColor(90, 110, 90, 200), 1.5));
    p.setBrush(QColor(210, 235, 220, 170));
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(c + QPointF(side * 0.04 * s, -0.2 * s));
        wing.cubicTo(c + QPointF(side * 0.4 * s, -0.15 * s), c + QPointF(side * 0.35 * s, 0.35 * s),
                     c + QPointF(side * 0.08 * s, 0.45 * s));
        wing.closeSubpath();
        p.drawPath(wing);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 55, 40));
    p.drawEllipse(QRectF(c.x() - 0.12 * s, c.y() - 0.2 * s, 0.24 * s, 0.55 * s));
    p.setBrush(QColor(95, 75, 50));
    p.drawEllipse(QRectF(c.x() - 0.16 * s, c.y() - 0.32 * s, 0.32 * s, 0.16 * s));
    p.setBrush(QColor(200, 60, 50));
    p.drawEllipse(c + QPointF(-0.15 * s, -0.24 * s), 0.045 * s, 0.045 * s);
    p.drawEllipse(c + QPointF(0.15 * s, -0.24 * s), 0.045 * s, 0.045 * s);
}

// A red goldfish from the side: bulging eyes on top of its head and a wide
// fan tail as big as its body, like a red flower in the water.
void drawGoldfish(QPainter& p, const QRectF& box)
{
    const double s = std::min(box.width(), box.height() * 1.25);
    const QPointF c = box.center() + QPointF(-0.02 * s, 0.02 * s);
    const QColor red(235, 70, 40), deep(190, 40, 30);
    p.setPen(QPen(deep, 1.5));
    p.setBrush(QColor(250, 120, 70, 230));
    QPainterPath tail;  // a fan with a wavy edge
    tail.moveTo(c + QPointF(0.1 * s, -0.06 * s));
    tail.cubicTo(c + QPointF(0.3 * s, -0.3 * s), c + QPointF(0.42 * s, -0.42 * s), c + QPointF(0.5 * s, -0.36 * s));
    tail.quadTo(c + QPointF(0.4 * s, -0.18 * s), c + QPointF(0.48 * s, -0.04 * s));
    tail.quadTo(c + QPointF(0.4 * s, 0.02 * s), c + QPointF(0.48 * s, 0.12 * s));
    tail.quadTo(c + QPointF(0.42 * s, 0.26 * s), c + QPointF(0.5 * s, 0.36 * s));
    tail.cubicTo(c + QPointF(0.42 * s, 0.42 * s), c + QPointF(0.3 * s, 0.3 * s), c + QPointF(0.1 * s, 0.06 * s));
    tail.closeSubpath();
    p.drawPath(tail);
    QPainterPath fin;  // on the back
    fin.moveTo(c + QPointF(-0.16 * s, -0.2 * s));
    fin.quadTo(c + QPointF(0.0, -0.4 * s), c + QPointF(0.12 * s, -0.14 * s));
    fin.closeSubpath();
    p.drawPath(fin);
    p.setBrush(red);
    p.drawEllipse(QRectF(c.x() - 0.42 * s, c.y() - 0.23 * s, 0.6 * s, 0.46 * s));  // body
    // Scales, lighter on the red.
    p.setPen(QPen(QColor(255, 150, 110), 1.2));
    for (double x : {-0.08, 0.02})
        for (double y : {-0.08, 0.05})
            p.drawArc(QRectF(c.x() + x * s, c.y() + y * s, 0.08 * s, 0.08 * s), 90 * 16, 180 * 16);
    // The bulging eyes.
    p.setPen(QPen(deep, 1.5));
    for (double x : {-0.3, -0.19}) {
        p.setBrush(QColor(252, 210, 170));
        p.drawEllipse(c + QPointF(x * s, -0.21 * s), 0.08 * s, 0.08 * s);
        p.setBrush(Qt::black);
        p.drawEllipse(c + QPointF(x * s - 0.015 * s, -0.22 * s), 0.04 * s, 0.04 * s);
    }
    p.setPen(QPen(deep, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 0.44 * s, c.y() - 0.02 * s, 0.09 * s, 0.07 * s), 200 * 16, 140 * 16);  // mouth
}

using Drawing = void (*)(QPainter&, const QRectF&);

Drawing findDrawing(const std::string& name)
{
    static const std::map<std::string, Drawing> drawings = {
        {"fridge", drawFridge},     {"dragonfly", drawDragonfly},   {"mantis", drawMantis},
        {"swallow", drawSwallow},   {"woodpecker", drawWoodpecker}, {"cicada", drawCicada},
        {"goldfish", drawGoldfish},
    };
    const auto it = drawings.find(name);
    if (it == drawings.end())
        throw art::RecipeError("no drawing named \"" + name + "\"");
    return it->second;
}

}  // namespace

// The reading box: a sheet of pale paper rolled at top and bottom, on the
// colour of the wall behind it.
ART_RECIPE(scroll)
{
    const QRectF all = art::canvasRect(canvas);
    const QColor wood = art::colourOr(picture.colour, QColor(200, 160, 100));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(all.topLeft(), all.bottomLeft());
    wall.setColorAt(0, QColor(236, 246, 236));
    wall.setColorAt(1, QColor(205, 228, 205));
    p.fillRect(all, wall);
    const double roll = 22;
    const QRectF paper = all.adjusted(14, roll / 2, -14, -roll / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(paper.translated(3, 3));
    QLinearGradient sheet(paper.topLeft(), paper.topRight());
    sheet.setColorAt(0, QColor(250, 240, 215));
    sheet.setColorAt(0.5, QColor(255, 250, 235));
    sheet.setColorAt(1, QColor(248, 236, 210));
    p.setBrush(sheet);
    p.drawRect(paper);
    p.setPen(QPen(QColor(200, 60, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(paper.adjusted(8, 14, -8, -14));
    for (double y : {all.top(), all.bottom() - roll}) {
        QLinearGradient rod(0, y, 0, y + roll);
        rod.setColorAt(0, wood.lighter(130));
        rod.setColorAt(0.5, wood);
        rod.setColorAt(1, wood.darker(140));
        p.setPen(Qt::NoPen);
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(all.left() + 4, y, all.width() - 8, roll), roll / 2, roll / 2);
    }
}

// A rounded band of a deep colour for white text, its edge lighter.
ART_RECIPE(band)
{
    const QRectF all = art::canvasRect(canvas);
    const QColor colour = art::colourOr(picture.colour, QColor(60, 90, 130));
    canvas.fill(art::colourOr(picture.background, colour.lighter(160)));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(all.width(), all.height()) * 0.18;
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.lighter(170), 3));
    p.setBrush(g);
    p.drawRoundedRect(all.adjusted(2, 2, -2, -2), r, r);
}

// A riddle's answer: the emoji (or the drawing named by param) on a white
// card, the answer word below it.
ART_RECIPE(riddle_answer)
{
    if (picture.text.empty())
        throw art::RecipeError("the answer word is missing");
    if (picture.emoji.empty() == picture.param.empty())
        throw art::RecipeError("give either an emoji or a drawing");
    const QRectF all = art::canvasRect(canvas);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    art::drawCard(p, all.adjusted(2, 2, -2, -2), QColor(255, 252, 240));
    const QRectF area(all.left() + 16, all.top() + 12, all.width() - 32, all.height() * 0.62);
    const QRectF word(all.left() + 14, area.bottom() + 4, all.width() - 28, all.bottom() - area.bottom() - 14);
    if (!picture.emoji.empty())
        art::drawEmoji(p, area, picture.emoji);
    else
        findDrawing(picture.param)(p, area);
    art::drawFittedText(p, word, QString::fromStdString(picture.text), QColor(200, 40, 100));
}
