#pragma once
// Positions and sizes in the program are twips: 1440 per inch, 15 per logical pixel at 96 dpi.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace twips {

constexpr int PerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel (halves away from zero).
constexpr int aPixel(int tw) { return tw >= 0 ? (tw + PerPixel / 2) / PerPixel : -((-tw + PerPixel / 2) / PerPixel); }
constexpr int daPixel(int px) { return px * PerPixel; }

inline QRect aPixel(int left, int top, int width, int height)
{
    return QRect(aPixel(left), aPixel(top), aPixel(width), aPixel(height));
}

// Points to twips: 20 twips per point.
constexpr int daPunti(double punti) { return static_cast<int>(std::lround(punti * 20.0)); }

} // namespace twips
