#include "pilotascansione.h"

#include "passi.h"

#include "core/programma.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"

PilotaScansione::PilotaScansione(const Programma& programma, ElementiScansione& elementi, CasellaFuoco& frecce,
                                 CasellaFuoco& manuale, CasellaFuoco& automatica, Temporizzatore& timer,
                                 RegoleScansione regole, QObject* parent)
    : QObject(parent)
    , programma_(programma)
    , elementi_(elementi)
    , frecce_(&frecce)
    , manuale_(&manuale)
    , automatica_(&automatica)
    , timer_(&timer)
    , regole_(regole)
{
    connect(&frecce, &CasellaFuoco::KeyDown, this, &PilotaScansione::PictureFrecce_KeyDown);
    connect(&manuale, &CasellaFuoco::KeyDown, this, &PilotaScansione::PictureScansioneManuale_KeyDown);
    connect(&manuale, &CasellaFuoco::KeyUp, this, &PilotaScansione::PictureScansioneManuale_KeyUp);
    connect(&automatica, &CasellaFuoco::KeyPress, this, &PilotaScansione::PictureScansioneAutomatica_KeyPress);
    connect(&automatica, &CasellaFuoco::KeyDown, this, &PilotaScansione::PictureScansioneAutomatica_KeyDown);
    connect(&automatica, &CasellaFuoco::KeyUp, this, &PilotaScansione::PictureScansioneAutomatica_KeyUp);
    connect(&timer, &Temporizzatore::Timer, this, &PilotaScansione::Timer1_Timer);
}

std::int16_t PilotaScansione::modo() const { return programma_.ModalitaInput; }

CasellaFuoco* PilotaScansione::CasellaDelModo() const
{
    switch (modo()) {
    case ModoScansioneManuale: return manuale_;
    case ModoScansioneAutomatica: return automatica_;
    case ModoFrecce: return frecce_;
    default: return nullptr;
    }
}

void PilotaScansione::Avvia()
{
    if (!timer_) return;
    if (modo() == ModoScansioneAutomatica) timer_->setInterval(IntervalloScansione(programma_.VelocitaScansione));
    timer_->setEnabled(CasellaDelModo() != nullptr);
    DaiIlFuoco();
}

void PilotaScansione::DaiIlFuoco()
{
    if (sospeso_) return;
    if (CasellaFuoco* c = CasellaDelModo()) c->SetFocus();
}

void PilotaScansione::sposta(int nuovo)
{
    const int precedente = elementi_.Cursore();
    elementi_.setCursore(nuovo);
    elementi_.Evidenzia(precedente);
}

void PilotaScansione::PassoAvanti()
{
    sposta(scansione::PassoAvanti(elementi_.Cursore(), elementi_.Numero(),
                                  [this](int i) { return elementi_.Sceglibile(i); }));
}

void PilotaScansione::PassoIndietro()
{
    sposta(scansione::PassoIndietro(elementi_.Cursore(), elementi_.Numero(),
                                    [this](int i) { return elementi_.Sceglibile(i); }));
}

// What the program's record of the keys says of the key the reporting holder reports: its press
// repeats a key already down (here, or in the window that opened this one); its release follows a
// press made on this holder. Each key is its own: two switches held overlapping are two presses.
bool PilotaScansione::ripetuto() const
{
    const auto* casella = qobject_cast<const CasellaFuoco*>(sender());
    return casella && casella->Ripetuto();
}

bool PilotaScansione::premutoQui() const
{
    const auto* casella = qobject_cast<const CasellaFuoco*>(sender());
    return casella && casella->PremutoQui();
}

// The select key. In the finished state it starts the next item. Nothing of the driver is touched
// afterwards: a selection may close the window and its controls with it.
void PilotaScansione::seleziona()
{
    // A held select key fires once: its repeated presses select nothing.
    if (ripetuto()) return;
    if (elementi_.Finito())
        elementi_.Prossimo();
    else
        elementi_.Seleziona();
}

void PilotaScansione::PictureFrecce_KeyDown(int codice, int /*maiuscole*/)
{
    if (modo() != ModoFrecce) return;
    switch (codice) {
    case tasti::Invio:
        seleziona();
        return;
    case tasti::Spazio:
        if (regole_.SpazioSelezionaConFrecce) seleziona();
        return;
    case tasti::Sinistra:
    case tasti::Su:
    case tasti::Destra:
    case tasti::Giu:
        if (elementi_.Finito()) {
            elementi_.Prossimo();
            return;
        }
        if (const auto dove = elementi_.Freccia(codice, elementi_.Cursore()))
            sposta(*dove);
        else if (codice == tasti::Destra || codice == tasti::Giu)
            PassoAvanti();
        else
            PassoIndietro();
        return;
    default:
        return;
    }
}

void PilotaScansione::manuale(int codice)
{
    if (modo() != ModoScansioneManuale) return;
    if (codice == tasti::Spazio) {
        if (elementi_.Finito())
            elementi_.Prossimo();
        else
            PassoAvanti();
    } else if (codice == tasti::Invio) {
        seleziona();
    }
}

void PilotaScansione::PictureScansioneManuale_KeyDown(int codice, int /*maiuscole*/)
{
    if (!regole_.ManualeAlRilascio) manuale(codice);
}

void PilotaScansione::PictureScansioneManuale_KeyUp(int codice, int /*maiuscole*/)
{
    if (regole_.ManualeAlRilascio && premutoQui()) manuale(codice);
}

void PilotaScansione::PictureScansioneAutomatica_KeyPress(int /*carattere*/)
{
    if (!regole_.PausaSuOgniTasto && timer_) timer_->setEnabled(false);
}

void PilotaScansione::PictureScansioneAutomatica_KeyDown(int /*codice*/, int /*maiuscole*/)
{
    if (regole_.PausaSuOgniTasto && timer_) timer_->setEnabled(false);
}

// The release ends the pause in every keyboard mode, so that a key that went down on this holder
// in another mode (it can take the focus from a click) never leaves the timer, and with it the
// focus, stopped for good. In mouse mode (no holder) the timer stays off as the start left it.
void PilotaScansione::PictureScansioneAutomatica_KeyUp(int codice, int /*maiuscole*/)
{
    if (timer_ && CasellaDelModo()) timer_->setEnabled(true);
    if (codice != tasti::Spazio || !premutoQui()) return;
    if (regole_.RilascioSelezionaSoloInAutomatica && modo() != ModoScansioneAutomatica) return;
    seleziona();
}

// Every tick takes the keys back to the mode's holder; in automatic scanning it also steps, unless
// the window is finished.
void PilotaScansione::Timer1_Timer()
{
    if (modo() == ModoScansioneAutomatica && !elementi_.Finito()) PassoAvanti();
    DaiIlFuoco();
}
