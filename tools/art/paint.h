// Drawing helpers shared by the recipes: colours, colour emoji, fitted text,
// the simple shapes and the rounded card every card-like picture sits on.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace art {

// A recipe that cannot draw its picture throws this; the generator names the picture.
class RecipeError : public std::runtime_error {
public:
    explicit RecipeError(const std::string& what) : std::runtime_error(what) {}
};

inline constexpr const char* kEmojiFamily = "Noto Color Emoji";
inline constexpr const char* kCjkFamily = "Noto Sans CJK SC";

// The whole canvas as a box to draw into.
inline QRectF canvasRect(const QImage& canvas)
{
    return QRectF(0, 0, canvas.width(), canvas.height());
}

QColor rgb(uint32_t rrggbb);
// A stable pastel derived from a name, so sibling cards differ but never change.
QColor pastelFor(const std::string& name);
// `value` when given, otherwise `fallback` (0 means "not given").
QColor colourOr(uint32_t value, const QColor& fallback);
// Dark or white, whichever reads better on `background`.
QColor inkFor(const QColor& background);

// Throws RecipeError naming the first code point the emoji font lacks.
void checkEmoji(const std::string& emoji);
// Draws colour emoji (rows split by '\n') as large as fits in box, centred.
void drawEmoji(QPainter& p, const QRectF& box, const std::string& emoji);
// The drawing's source: the embedded tools/art/drawings/NAME.svg, or a file
// when name is a path (ends in ".svg").
QString drawingSource(const std::string& name);
// Throws RecipeError when the drawing is missing or is not a picture.
void checkDrawing(const std::string& name);
// Draws the drawing as large as fits in box, centred, keeping its proportions.
void drawDrawing(QPainter& p, const QRectF& box, const std::string& name);
// Draws text (rows split by '\n') as large as fits in box, centred.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, bool bold = true);

// Outline of a named shape inside box; throws RecipeError for an unknown name.
QPainterPath shapePath(const std::string& name, const QRectF& box);

// A bright rounded card with a soft shadow and a white rim, filling box.
void drawCard(QPainter& p, const QRectF& box, const QColor& fill);

}  // namespace art
