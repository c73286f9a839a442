#pragma once
// A stand-in for the menu window, built from the same controls: the 23 entries on their grid, the
// sounds check box, the three focus holders, the scan timer and one more focusable control that a
// click could move the focus to. Its launcher records what it launches and asks the exit question
// for "Esci" through the program's services.
#include "input/pilotamenu.h"
#include "input/scansionefinestra.h"
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"
#include "platform/colore.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class CasellaFuoco;
class CasellaSpunta;
class Etichetta;
class Programma;
class QLineEdit;
class Temporizzatore;

class FinestraProvaMenu : public QWidget {
public:
    static constexpr Colore ColoreFinestra = 0x00C0FFFF;
    static constexpr int NumeroVoci = 23;

    explicit FinestraProvaMenu(Programma& programma, QWidget* parent = nullptr);

    // What the menu's load does for the keys: entry 0 on in the keyboard modes, then the timer and
    // the focus.
    void Avvia();

    // The entries that show the scan colour.
    std::vector<int> VociEvidenziate() const;

    Programma& programma;
    ArrayControlli<Etichetta> Label1;
    CasellaSpunta* Check1 = nullptr;
    CasellaFuoco* PictureFrecce = nullptr;
    CasellaFuoco* PictureScansioneManuale = nullptr;
    CasellaFuoco* PictureScansioneAutomatica = nullptr;
    Temporizzatore* Timer1 = nullptr;
    QLineEdit* altroControllo = nullptr;
    std::int16_t VoceEvidenziata = 0;
    ElementiControlli<Etichetta> voci;
    ScansioneFinestra* scansione = nullptr;

    // Entries launched, in order (22 counts only when the exit question is answered Yes).
    std::vector<int> lanciate;
    // Called after an exercise entry (0..21) is launched, e.g. to close the window as the real
    // launcher does.
    std::function<void(int)> dopoLancio;

private:
    void AvviaEsercizi(std::int16_t k);
};
