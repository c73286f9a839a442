#include "colore.h"

#include <algorithm>
#include <cmath>

namespace colore {

namespace {

// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminanza(Colore c)
{
    const auto lineare = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const QColor q = aQColor(c);
    return 0.2126 * lineare(q.red()) + 0.7152 * lineare(q.green()) + 0.0722 * lineare(q.blue());
}

} // namespace

double Contrasto(Colore a, Colore b)
{
    const double la = Luminanza(a);
    const double lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colore TestoLeggibile(Colore sfondo)
{
    constexpr Colore Nero = 0x000000;
    return Contrasto(Nero, sfondo) >= Contrasto(Bianco, sfondo) ? Nero : Bianco;
}

Colore TestoGrigio(Colore sfondo)
{
    const int verso = TestoLeggibile(sfondo) == Bianco ? 1 : -1;
    int livello = 0x80;
    while (Contrasto(Rgb(livello, livello, livello), sfondo) < 4.5 && livello > 0 && livello < 0xFF) livello += verso;
    return Rgb(livello, livello, livello);
}

Colore daDouble(double valore)
{
    if (std::isnan(valore) || valore <= 0.0) return 0;
    if (valore >= static_cast<double>(0xFFFFFF)) return 0xFFFFFF;
    return static_cast<Colore>(std::llround(valore));
}

} // namespace colore
