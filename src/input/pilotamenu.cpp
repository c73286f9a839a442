#include "pilotamenu.h"

#include "core/programma.h"

namespace menu {

RegoleScansione Regole()
{
    return {.PausaSuOgniTasto = true, .SpazioSelezionaConFrecce = true, .RilascioSelezionaSoloInAutomatica = true};
}

int VoceDopoFreccia(int tasto, int voce, int numero)
{
    int i = voce;
    switch (tasto) {
    case tasti::Giu:
        i = i + 1;
        if (i == numero) i = 0;
        break;
    case tasti::Su:
        i = i - 1;
        if (i < 0) i = numero - 1;
        break;
    case tasti::Sinistra:
        // One column left; from the first column to the last. Grid position 23 is "Esci".
        i = i - 8;
        if (i < 0) i = i + 24;
        if (i == 23) i = 22;
        break;
    case tasti::Destra:
        // One column right; from the last column to the first. "Esci" counts as row 6.
        i = i + 8;
        if (i == 23) i = 22;
        if (i >= numero) i = i - 24;
        break;
    default:
        return voce;
    }
    // A grid of another size than the designed one cannot put the highlight off the entries.
    return (i >= 0 && i < numero) ? i : voce;
}

AzioniScansione Azioni(const Programma& programma, ArrayControlli<Etichetta>& voci, const std::int16_t& evidenziata,
                       Colore sfondo, std::function<void(std::int16_t)> avvia)
{
    AzioniScansione a;
    a.evidenzia = [&programma, &voci, &evidenziata, sfondo](int precedente) {
        if (voci.Esiste(precedente)) voci(precedente).setBackColor(sfondo);
        if (voci.Esiste(evidenziata)) voci(evidenziata).setBackColor(programma.ColoreScansioneRgb());
    };
    a.freccia = [&voci](int tasto, int cursore) { return VoceDopoFreccia(tasto, cursore, voci.Count()); };
    // The launcher may close the menu: the entry is read before it runs.
    a.seleziona = [&evidenziata, avvia = std::move(avvia)] { avvia(evidenziata); };
    return a;
}

} // namespace menu
