#include "tools/art/paint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QFile>
#include <QLinearGradient>
#include <QStringList>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <memory>
#include <numbers>

namespace art {

namespace {

// The emoji font is a bitmap font: its glyphs exist at this size only.
constexpr int kEmojiNativePx = 109;

uint32_t fnv1a(const std::string& s)
{
    uint32_t h = 2166136261u;
    for (unsigned char c : s) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

QPainterPath polygonPath(const QRectF& box, int corners, double startDeg, double innerRatio = 0)
{
    const int points = innerRatio > 0 ? corners * 2 : corners;
    QPolygonF poly;
    for (int i = 0; i < points; ++i) {
        const double a = (startDeg + 360.0 * i / points) * std::numbers::pi / 180.0;
        const double r = (innerRatio > 0 && i % 2) ? innerRatio : 1.0;
        poly << QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    // Scale the unit outline to fill the box.
    const QRectF b = poly.boundingRect();
    QPolygonF out;
    for (const QPointF& pt : poly)
        out << QPointF(box.left() + (pt.x() - b.left()) / b.width() * box.width(),
                       box.top() + (pt.y() - b.top()) / b.height() * box.height());
    QPainterPath path;
    path.addPolygon(out);
    path.closeSubpath();
    return path;
}

QRectF centredSquare(const QRectF& box)
{
    const double s = std::min(box.width(), box.height());
    return QRectF(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
}

}  // namespace

QColor rgb(uint32_t v)
{
    return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

QColor pastelFor(const std::string& name)
{
    const uint32_t h = fnv1a(name);
    return QColor::fromHsv(static_cast<int>(h % 360), 70 + static_cast<int>((h >> 9) % 30), 250);
}

QColor colourOr(uint32_t value, const QColor& fallback)
{
    return value ? rgb(value) : fallback;
}

QColor inkFor(const QColor& background)
{
    const double luma = 0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luma > 150 ? QColor(40, 40, 90) : QColor(255, 255, 255);
}

void checkEmoji(const std::string& emoji)
{
    QFont font(QString::fromLatin1(kEmojiFamily));
    font.setPixelSize(kEmojiNativePx);
    const QFontMetricsF fm(font);
    for (const char32_t cp : QString::fromStdString(emoji).toUcs4()) {
        // Joiners, variation selectors and line breaks carry no glyph of their own.
        if (cp == 0x200D || cp == 0xFE0F || cp == 0xFE0E || cp == '\n' || cp == ' ')
            continue;
        if (!fm.inFontUcs4(cp))
            throw RecipeError("emoji U+" + QString::number(static_cast<uint>(cp), 16).toUpper().toStdString() +
                              " is not in the font \"" + kEmojiFamily + "\"");
    }
}

void drawEmoji(QPainter& p, const QRectF& box, const std::string& emoji)
{
    checkEmoji(emoji);
    QFont font(QString::fromLatin1(kEmojiFamily));
    font.setPixelSize(kEmojiNativePx);
    const QFontMetricsF fm(font);
    const QStringList rows = QString::fromStdString(emoji).split(QLatin1Char('\n'));
    // Each row is drawn at the native size, then all are scaled by one factor.
    std::vector<QImage> images;
    double widest = 1, total = 0;
    for (const QString& row : rows) {
        const QSizeF size(std::max(1.0, fm.horizontalAdvance(row)), fm.height());
        QImage img(size.toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter ip(&img);
        ip.setFont(font);
        ip.drawText(QRectF(QPointF(1, 1), size), Qt::AlignCenter, row);
        ip.end();
        widest = std::max(widest, static_cast<double>(img.width()));
        total += img.height();
        images.push_back(std::move(img));
    }
    const double scale = std::min(box.width() / widest, box.height() / total);
    double y = box.center().y() - total * scale / 2;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QImage& img : images) {
        const QSizeF s(img.width() * scale, img.height() * scale);
        p.drawImage(QRectF(box.center().x() - s.width() / 2, y, s.width(), s.height()), img);
        y += s.height();
    }
    p.restore();
}

QString drawingSource(const std::string& name)
{
    const QString n = QString::fromStdString(name);
    return n.endsWith(QLatin1String(".svg")) ? n : QStringLiteral(":/drawings/") + n + QStringLiteral(".svg");
}

namespace {

// The drawing's renderer, checked: a drawing that does not load, or loads as
// nothing, stops the build instead of leaving a card blank.
std::unique_ptr<QSvgRenderer> loadDrawing(const std::string& name)
{
    const QString source = drawingSource(name);
    if (!QFile::exists(source))
        throw RecipeError("no drawing \"" + name + "\" (" + source.toStdString() + ")");
    auto renderer = std::make_unique<QSvgRenderer>(source);
    if (!renderer->isValid() || renderer->viewBoxF().isEmpty())
        throw RecipeError("the drawing \"" + name + "\" is not a picture Qt SVG can draw");
    return renderer;
}

}  // namespace

void checkDrawing(const std::string& name)
{
    loadDrawing(name);
}

void drawDrawing(QPainter& p, const QRectF& box, const std::string& name)
{
    const std::unique_ptr<QSvgRenderer> renderer = loadDrawing(name);
    const QRectF view = renderer->viewBoxF();
    const double scale = std::min(box.width() / view.width(), box.height() / view.height());
    const QSizeF size(view.width() * scale, view.height() * scale);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer->render(&p, QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size));
    p.restore();
}

void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, bool bold)
{
    // The glyphs' own outline is fitted, so a letter fills its box.
    QFont font(QString::fromLatin1(kCjkFamily));
    font.setBold(bold);
    font.setPixelSize(100);
    const QFontMetricsF fm(font);
    const QStringList rows = text.split(QLatin1Char('\n'));
    QPainterPath path;
    for (int i = 0; i < rows.size(); ++i) {
        QPainterPath row;
        row.addText(0, 0, font, rows[i]);
        const QRectF r = row.boundingRect();
        path.addPath(row.translated(-r.center().x(), i * fm.height() * 0.85));
    }
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(t.map(path), colour);
    p.restore();
}

QPainterPath shapePath(const std::string& name, const QRectF& box)
{
    QPainterPath path;
    const QRectF sq = centredSquare(box);
    const double w = box.width(), h = box.height();
    if (name == "circle") {
        path.addEllipse(sq);
    } else if (name == "ellipse" || name == "oval") {
        // Wider than tall; the oval a little rounder than the ellipse.
        const double ratio = name == "ellipse" ? 0.6 : 0.72;
        const double ew = std::min(w, h / ratio), eh = ew * ratio;
        path.addEllipse(QRectF(box.center().x() - ew / 2, box.center().y() - eh / 2, ew, eh));
    } else if (name == "square") {
        path.addRect(sq);
    } else if (name == "rectangle") {
        const double rw = std::min(w, h / 0.6), rh = rw * 0.6;
        path.addRect(QRectF(box.center().x() - rw / 2, box.center().y() - rh / 2, rw, rh));
    } else if (name == "triangle") {
        path = polygonPath(sq, 3, -90);
    } else if (name == "trapezoid") {
        const double th = sq.height() * 0.7;
        const double top = sq.center().y() - th / 2;
        QPolygonF poly{QPointF(sq.left() + sq.width() * 0.25, top), QPointF(sq.right() - sq.width() * 0.25, top),
                       QPointF(sq.right(), top + th), QPointF(sq.left(), top + th)};
        path.addPolygon(poly);
        path.closeSubpath();
    } else if (name == "star") {
        path = polygonPath(sq, 5, -90, 0.45);
    } else if (name == "pentagon") {
        path = polygonPath(sq, 5, -90);
    } else if (name == "hexagon") {
        path = polygonPath(sq, 6, 0);
    } else if (name == "diamond") {
        const double dw = sq.width() * 0.75;
        path = polygonPath(QRectF(sq.center().x() - dw / 2, sq.top(), dw, sq.height()), 4, -90);
    } else if (name == "heart") {
        const double x = sq.left(), y = sq.top(), s = sq.width();
        path.moveTo(x + s * 0.5, y + s * 0.95);
        path.cubicTo(x - s * 0.15, y + s * 0.5, x + s * 0.05, y - s * 0.05, x + s * 0.5, y + s * 0.25);
        path.cubicTo(x + s * 0.95, y - s * 0.05, x + s * 1.15, y + s * 0.5, x + s * 0.5, y + s * 0.95);
        path.closeSubpath();
    } else if (name == "semicircle") {
        // Flat side down.
        const double r = std::min(w / 2, h);
        const QRectF circle(box.center().x() - r, box.center().y() - r / 2, 2 * r, 2 * r);
        path.moveTo(circle.center().x() + r, circle.center().y());
        path.arcTo(circle, 0, 180);
        path.closeSubpath();
    } else if (name == "parallelogram") {
        const double pw = std::min(w, h / 0.6), ph = pw * 0.6, slant = pw * 0.25;
        const QRectF r(box.center().x() - pw / 2, box.center().y() - ph / 2, pw, ph);
        QPolygonF poly{QPointF(r.left() + slant, r.top()), QPointF(r.right(), r.top()),
                       QPointF(r.right() - slant, r.bottom()), QPointF(r.left(), r.bottom())};
        path.addPolygon(poly);
        path.closeSubpath();
    } else if (name == "crescent") {
        QPainterPath outer, inner;
        outer.addEllipse(sq);
        inner.addEllipse(sq.translated(sq.width() * 0.35, -sq.height() * 0.1));
        path = outer.subtracted(inner);
    } else if (name == "sector") {
        // A fan opening upwards from the bottom centre.
        const double r = std::min(w / (2 * std::sin(std::numbers::pi / 4)), h);
        const QPointF c(box.center().x(), box.center().y() + r / 2);
        path.moveTo(c);
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45, 90);
        path.closeSubpath();
    } else if (name == "cross") {
        const double t = sq.width() / 3;
        QPainterPath upright, across;
        upright.addRect(QRectF(sq.left() + t, sq.top(), t, sq.height()));
        across.addRect(QRectF(sq.left(), sq.top() + t, sq.width(), t));
        path = upright.united(across);
    } else {
        throw RecipeError("unknown shape \"" + name + "\"");
    }
    return path;
}

void drawCard(QPainter& p, const QRectF& box, const QColor& fill)
{
    const double radius = std::min(box.width(), box.height()) * 0.14;
    const double rim = std::max(2.0, std::min(box.width(), box.height()) * 0.03);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(box.adjusted(rim, rim * 1.6, 0, 0), radius, radius);
    const QRectF face = box.adjusted(0, 0, -rim, -rim);
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, radius, radius);
    const QRectF inner = face.adjusted(rim, rim, -rim, -rim);
    p.setBrush(fill);
    p.drawRoundedRect(inner, radius * 0.8, radius * 0.8);
    // A soft shine across the top; the rest keeps the exact colour.
    QLinearGradient shine(inner.topLeft(), QPointF(inner.left(), inner.top() + inner.height() * 0.35));
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(inner.topLeft(), QSizeF(inner.width(), inner.height() * 0.35)), radius * 0.8,
                      radius * 0.8);
    p.restore();
}

}  // namespace art
