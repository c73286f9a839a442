#pragma once
// Where an outline of a given thickness falls around a rectangle. The thickness is centred on the
// rectangle's edges, half outside and half inside, so that a shape one pixel high with a thick
// outline shows as a bar as thick as the outline. Pure pixel arithmetic, no widget.
#include <QRect>

struct BandaContorno {
    QRect esterno; // everything the outline covers
    QRect interno; // the hole it leaves inside; empty when the outline covers the whole shape
};

// How far the outline reaches beyond the rectangle on every side.
constexpr int MargineContorno(int spessore) { return spessore > 0 ? spessore / 2 : 0; }

// The band of an outline `spessore` pixels thick on `rettangolo` (pixels). A thickness of 0 or
// less, or an empty rectangle's negative size, draws nothing: both rectangles are empty then.
BandaContorno Contorno(const QRect& rettangolo, int spessore);
