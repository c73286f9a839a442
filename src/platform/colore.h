#pragma once
// Colours are 32-bit values laid out 0x00BBGGRR (red in the low byte).
#include <QColor>
#include <cstdint>

using Colore = std::uint32_t;

namespace colore {

// The two neutral colours every window uses: white (a word or box at rest) and the light grey of a
// button at rest.
inline constexpr Colore Bianco = 0xFFFFFF;
inline constexpr Colore GrigioChiaro = 0xE0E0E0;

constexpr Colore Rgb(int r, int g, int b)
{
    return static_cast<Colore>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

inline QColor aQColor(Colore c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline Colore daQColor(const QColor& q) { return Rgb(q.red(), q.green(), q.blue()); }

// The contrast of two colours as the ratio of their relative luminances (each plus 0.05), from 1
// (the same) to 21 (black on white).
double Contrasto(Colore a, Colore b);
// Black or white, whichever stands out more on the background given; either way at least 4.5:1.
Colore TestoLeggibile(Colore sfondo);
// The grey of a caption that cannot be used on the background given: the system's mid grey, made
// darker (or lighter, on a dark background) just as much as it takes to keep 4.5:1.
Colore TestoGrigio(Colore sfondo);

// A colour kept in a double is rounded to the nearest 32-bit value; out-of-range values are clamped
// into 0..0xFFFFFF so that a hand-edited setting never becomes an undefined conversion.
Colore daDouble(double valore);

} // namespace colore
