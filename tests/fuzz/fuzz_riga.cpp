// Reading one tagged sentence line: any bytes give a line within the bounds a window draws, or one
// marked too big with nothing in it; every role reads as a finite number.
#include "exercises/sentences/rigafrase.h"
#include "platform/file.h"
#include "verifica.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    const QString riga = file::Decodifica(QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n)));
    const RigaFrase r = LeggiRigaFrase(riga);
    VERIFICA(std::ssize(r.parti) <= MassimoPartiRiga);
    if (r.troppoGrande) {
        VERIFICA(r.parti.empty() && r.testo.isEmpty() && r.TestoFrase.isEmpty() && !r.ConSottinteso);
        return 0;
    }
    VERIFICA(r.testo.size() <= MassimoCaratteriRiga);
    VERIFICA(r.ConSottinteso == r.Sottinteso.has_value());
    for (const ParteFrase& p : r.parti) {
        VERIFICA(p.testo.size() <= r.testo.size());
        if (p.ruolo) VERIFICA(std::isfinite(RuoloIniziale(*p.ruolo)));
    }
    return 0;
}
