#include "colore.h"

#include <cmath>

namespace colore {

Colore daDouble(double valore)
{
    if (std::isnan(valore) || valore <= 0.0) return 0;
    if (valore >= static_cast<double>(0xFFFFFF)) return 0xFFFFFF;
    return static_cast<Colore>(std::llround(valore));
}

} // namespace colore
