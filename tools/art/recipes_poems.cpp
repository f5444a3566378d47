// Recipes of the Tang poems and riddles lessons: the reading box's paper
// scroll, the riddle text band, and the riddle answers (an emoji, or a
// drawing of tools/art/drawings where no emoji shows the answer, above the
// answer word).
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QLinearGradient>

#include <cmath>

namespace {

using art::rgb;

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

// A riddle's answer: the emoji or the drawing on a white card, the answer
// word below it.
ART_RECIPE(riddle_answer)
{
    if (picture.text.empty())
        throw art::RecipeError("the answer word is missing");
    if (picture.emoji.empty() == picture.drawing.empty())
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
        art::drawDrawing(p, area, picture.drawing);
    art::drawFittedText(p, word, QString::fromStdString(picture.text), QColor(200, 40, 100));
}
