#pragma once
// Reading what a person sees off a grabbed widget: the colour a region is
// filled with, and the ink drawn on it.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QWidget>

#include "ui/qt/legible_colours.h"

namespace wagelyn::testing {

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
inline double ContrastRatio(const QColor& a, const QColor& b) {
    return wagelyn::ContrastRatio(ToColour(a), ToColour(b));
}

// The widget as rendered, at one image pixel per device-independent pixel.
inline QImage Grab(QWidget* widget) {
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(widget->size());
}

// The colour most of the region shows.
inline QColor FillColour(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            best = it.key();
            most = it.value();
        }
    }
    return QColor(best);
}

// The pixel of the region that stands out most from `fill`: the core of
// the text's strokes, where the glyphs cover a whole pixel.
inline QColor InkColour(const QImage& image, const QRect& region, const QColor& fill) {
    QColor ink = fill;
    double best = 1.0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor c(image.pixel(x, y));
            const double contrast = ContrastRatio(c, fill);
            if (contrast > best) {
                best = contrast;
                ink = c;
            }
        }
    }
    return ink;
}

}  // namespace wagelyn::testing
