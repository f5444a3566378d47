// Measures what a rendered screen shows: the pixels one widget paints (its
// ink), what lies under and around them once it is gone, and the contrast of
// two colours as WCAG 2 defines it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace legibility {

// Relative luminance (0 black to 1 white) and contrast ratio (1 to 21).
double Luminance(const QColor& colour);
double Contrast(const QColor& a, const QColor& b);

// Some pixels of one render, in the screen's coordinates.
class PixelSet {
public:
    PixelSet() = default;
    explicit PixelSet(QSize size);

    void add(QPoint p);
    bool contains(QPoint p) const;
    bool empty() const { return count_ == 0; }
    int count() const { return count_; }
    QRect bounds() const { return bounds_; }
    std::vector<QPoint> points() const;
    // This set and every pixel within `radius` of it (a square around each).
    PixelSet grown(int radius) const;
    bool meets(const PixelSet& other) const;
    PixelSet& operator|=(const PixelSet& other);

private:
    QSize size_;
    std::vector<uint8_t> bits_;
    int count_ = 0;
    QRect bounds_;
};

// The screen as it is painted now.
QImage Render(QWidget* screen);
// The screen painted without `widget` (shown again afterwards if it was).
QImage RenderWithout(QWidget* screen, QWidget* widget);
// The pixels two renders of one screen differ in.
PixelSet Difference(const QImage& a, const QImage& b);
// The strokes of writing in `ink`: the pixels of `shown` nearer to `ink`
// than to what `behind` has there (at least half covered by the writing).
PixelSet Strokes(const QImage& shown, const QImage& behind, const QColor& ink);
// What `widget` adds to its screen: the pixels that change when it is shown.
// A hidden widget is shown for the measure and hidden again.
PixelSet InkOf(QWidget* screen, QWidget* widget);
// The widget's rectangle in its screen's coordinates.
QRect RectOn(QWidget* screen, const QWidget* widget);

// The lowest contrast of `ink` against the pixels of `behind` under the
// strokes and within `radius` of them.
double LowestContrast(const QColor& ink, const QImage& behind, const PixelSet& strokes, int radius);
// The pixels of `image` inside `area` further than `tolerance` (per channel)
// from `colour`.
PixelSet PixelsUnlike(const QImage& image, const QRect& area, const QColor& colour, int tolerance);

}  // namespace legibility
