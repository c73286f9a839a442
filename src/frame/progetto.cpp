#include "frame/progetto.h"


QList<int> UnitaColonne(LayoutGriglia layout)
{
    switch (layout) {
    case LayoutGriglia::Coppie: return {1, 1, 7, 7};
    case LayoutGriglia::Livelli: return {1, 1, 10, 3};
    case LayoutGriglia::SoggettoPredicato: return {1, 1, 6, 6, 2};
    case LayoutGriglia::Frasi: return {1, 10, 3};
    case LayoutGriglia::FrasiSottinteso: return {1, 10, 4};
    }
    return {};
}
