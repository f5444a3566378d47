#include "tests/legibility/ink.h"

#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace legibility {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double Luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

PixelSet::PixelSet(QSize size) : size_(size), bits_(static_cast<size_t>(size.width() * size.height()), 0) {}

void PixelSet::add(QPoint p)
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= size_.width() || p.y() >= size_.height())
        return;
    uint8_t& bit = bits_[static_cast<size_t>(p.y() * size_.width() + p.x())];
    if (bit)
        return;
    bit = 1;
    ++count_;
    bounds_ |= QRect(p, QSize(1, 1));
}

bool PixelSet::contains(QPoint p) const
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= size_.width() || p.y() >= size_.height())
        return false;
    return bits_[static_cast<size_t>(p.y() * size_.width() + p.x())] != 0;
}

std::vector<QPoint> PixelSet::points() const
{
    std::vector<QPoint> out;
    if (empty())
        return out;
    for (int y = bounds_.top(); y <= bounds_.bottom(); ++y)
        for (int x = bounds_.left(); x <= bounds_.right(); ++x)
            if (contains({x, y}))
                out.emplace_back(x, y);
    return out;
}

PixelSet PixelSet::grown(int radius) const
{
    PixelSet out(size_);
    for (const QPoint& p : points())
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                out.add(p + QPoint(dx, dy));
    return out;
}

bool PixelSet::meets(const PixelSet& other) const
{
    if (!bounds_.intersects(other.bounds_))
        return false;
    for (const QPoint& p : points())
        if (other.contains(p))
            return true;
    return false;
}

PixelSet& PixelSet::operator|=(const PixelSet& other)
{
    if (size_.isEmpty())
        *this = PixelSet(other.size_);
    for (const QPoint& p : other.points())
        add(p);
    return *this;
}

QImage Render(QWidget* screen)
{
    return screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage RenderWithout(QWidget* screen, QWidget* widget)
{
    const bool shown = widget->isVisibleTo(screen);
    widget->hide();
    QImage out = Render(screen);
    widget->setVisible(shown);
    return out;
}

PixelSet Difference(const QImage& a, const QImage& b)
{
    PixelSet out(a.size());
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if ((pa[x] & 0xFFFFFF) != (pb[x] & 0xFFFFFF))
                out.add({x, y});
    }
    return out;
}

PixelSet Strokes(const QImage& shown, const QImage& behind, const QColor& ink)
{
    const auto distance = [](QRgb a, QRgb b) {
        const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
        return dr * dr + dg * dg + db * db;
    };
    PixelSet out(shown.size());
    for (const QPoint& p : Difference(shown, behind).points())
        if (distance(shown.pixel(p), ink.rgb()) < distance(shown.pixel(p), behind.pixel(p)))
            out.add(p);
    return out;
}

PixelSet InkOf(QWidget* screen, QWidget* widget)
{
    const bool shown = widget->isVisibleTo(screen);
    widget->show();
    const QImage with = Render(screen);
    widget->hide();
    const QImage without = Render(screen);
    widget->setVisible(shown);
    return Difference(with, without);
}

QRect RectOn(QWidget* screen, const QWidget* widget)
{
    return QRect(widget->mapTo(screen, QPoint(0, 0)), widget->size());
}

double LowestContrast(const QColor& ink, const QImage& behind, const PixelSet& strokes, int radius)
{
    double lowest = 21;
    for (const QPoint& p : strokes.grown(radius).points())
        lowest = std::min(lowest, Contrast(ink, QColor::fromRgb(behind.pixel(p))));
    return lowest;
}

PixelSet PixelsUnlike(const QImage& image, const QRect& area, const QColor& colour, int tolerance)
{
    PixelSet out(image.size());
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            if (std::abs(c.red() - colour.red()) > tolerance || std::abs(c.green() - colour.green()) > tolerance ||
                std::abs(c.blue() - colour.blue()) > tolerance)
                out.add({x, y});
        }
    return out;
}

}  // namespace legibility
