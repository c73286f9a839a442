#include "pilotamenu.h"

#include "core/programma.h"
#include "platform/controlli.h"

namespace {

// The menu's keys: Space selects in arrow mode too, the automatic holder pauses for any key going
// down, and its release launches only in automatic scanning.
RegoleScansione regoleMenu()
{
    RegoleScansione r;
    r.PausaSuOgniTasto = true;
    r.SpazioSelezionaConFrecce = true;
    r.RilascioSelezionaSoloInAutomatica = true;
    return r;
}

} // namespace

PilotaMenu::PilotaMenu(const Programma& programma, CollegamentiMenu collegamenti, QObject* parent)
    : QObject(parent)
    , programma_(programma)
    , c_(std::move(collegamenti))
    , pilota_(programma, *this, c_.PictureFrecce, c_.PictureScansioneManuale, c_.PictureScansioneAutomatica,
              c_.Timer1, regoleMenu())
{
}

int PilotaMenu::VoceDopoFreccia(int tasto, int voce, int numero)
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

int PilotaMenu::Numero() const { return c_.NumeroVoci(); }

int PilotaMenu::Cursore() const { return c_.VoceEvidenziata; }

void PilotaMenu::setCursore(int c) { c_.VoceEvidenziata = static_cast<std::int16_t>(c); }

void PilotaMenu::Evidenzia(int precedente)
{
    const int n = Numero();
    if (precedente >= 0 && precedente < n) c_.ColoraVoce(precedente, c_.ColoreFinestra());
    const int voce = c_.VoceEvidenziata;
    if (voce >= 0 && voce < n) c_.ColoraVoce(voce, programma_.ColoreScansioneRgb());
}

void PilotaMenu::Seleziona()
{
    // The launcher may close the menu and this driver with it: nothing of ours is used after it.
    const auto avvia = c_.AvviaEsercizi;
    const std::int16_t voce = c_.VoceEvidenziata;
    avvia(voce);
}

std::optional<int> PilotaMenu::Freccia(int tasto, int cursore) const
{
    return VoceDopoFreccia(tasto, cursore, Numero());
}
