#include "contorno.h"

BandaContorno Contorno(const QRect& r, int spessore)
{
    if (spessore <= 0 || r.width() < 0 || r.height() < 0) return {};
    // The outline's thickness lies across the edges: MargineContorno of it outside, the rest
    // inside, so that each side of the band is exactly `spessore` pixels thick.
    const int fuori = MargineContorno(spessore);
    const int dentro = spessore - fuori;
    BandaContorno b;
    b.esterno = r.adjusted(-fuori, -fuori, fuori, fuori);
    const QRect buco = r.adjusted(dentro, dentro, -dentro, -dentro);
    if (buco.width() > 0 && buco.height() > 0) b.interno = buco;
    return b;
}
