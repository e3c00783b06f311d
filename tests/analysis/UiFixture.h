#pragma once
// Widget and painting tests need one application object; it is made on first use and lives until the
// process ends (each discovered test runs in its own process).

#include "support/Application.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>


// Pixels of exactly this colour inside r (clipped to the image).
inline int countColor(const QImage& image, QRect r, QColor color)
{
    r = r.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y).rgb() == color.rgb();
    return n;
}

// Pixels inside r that show color blended over white (antialiased text and lines): not white, and
// every channel where it would be for some share of color.
inline int countTinted(const QImage& image, QRect r, QColor color)
{
    r = r.intersected(image.rect());
    const int target[3] = {color.red(), color.green(), color.blue()};
    int strongest = 0;
    for (int i = 1; i < 3; ++i)
        if (255 - target[i] > 255 - target[strongest])
            strongest = i;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const int got[3] = {p.red(), p.green(), p.blue()};
            const double share = (255.0 - got[strongest]) / (255 - target[strongest]);
            if (share < 0.25)
                continue;
            bool fits = true;
            for (int i = 0; i < 3; ++i)
                fits = fits && std::abs(got[i] - (255 - share * (255 - target[i]))) <= 28;
            n += fits;
        }
    return n;
}

// Pixels inside r that are not white.
inline int countInk(const QImage& image, QRect r)
{
    r = r.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) != QColor(Qt::white).rgb();
    return n;
}
