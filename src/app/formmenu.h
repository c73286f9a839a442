#pragma once
// The program's home window: twenty-two exercise entries and "Esci" as a grid of labels, the
// sounds check box and the menu bar. Every showing is a fresh load. AvviaEsercizi is the one
// launcher of the exercises; the keyboard and scanning drivers reach the entries, the highlight,
// the focus boxes and Timer1 through the public members below.
#include "app/progettifinestre.h"
#include "core/programma.h"
#include "input/elementicontrolli.h"
#include "input/pilotamenu.h"
#include "input/scansionefinestra.h"
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"
#include "platform/finestra.h"
#include "platform/temporizzatore.h"
#include "platform/vocemenu.h"

#include <QPointer>

#include <array>
#include <cstdint>

class RegistroFinestre;

// One entry of the menu grid.
struct VoceMenuEsercizi {
    const char* caption;       // exact, inner blanks included
    int colonna;               // 0..2
    int riga;                  // 0..7
    RigaProgetti finestraMouse; // none for "Esci"
    RigaProgetti finestraScansione;
    const char* fileFrasi;     // the complements' sentence file, "" when none
    std::int16_t numeroComplemento;
    bool ripasso;              // the review entries are italic
};

class FormMenu : public Finestra {
    Q_OBJECT
public:
    FormMenu(Programma& p, RegistroFinestre& registro);

    static constexpr int NumeroVoci = 23;
    static constexpr int VoceEsci = 22;
    static const std::array<VoceMenuEsercizi, NumeroVoci> VociMenu;
    static constexpr std::array<int, 3> ColonneLeft = {240, 3600, 6960};
    static constexpr int RigaTop(int riga) { return 240 + 720 * riga; }
    static constexpr int LarghezzaVoce = 2175;
    static constexpr int AltezzaVoce = 495;
    static constexpr Colore ColoreFinestra = 0x00C0FFFF;

    // Starts entry k (0..22); any other index is ignored.
    void AvviaEsercizi(std::int16_t k);

    // The entry highlighted in the keyboard and scanning modes.
    std::int16_t VoceEvidenziata = 0;

    // Controls, valid while the window is loaded.
    ArrayControlli<Etichetta> Label1;
    struct Controlli {
        CasellaSpunta* Check1 = nullptr;
        // The keys and the scan: the focus holders, Timer1 and the driver over the entries.
        ScansioneFinestra* Scansione = nullptr;
        CasellaFuoco* PictureFrecce = nullptr;
        CasellaFuoco* PictureScansioneManuale = nullptr;
        CasellaFuoco* PictureScansioneAutomatica = nullptr;
        Temporizzatore* Timer1 = nullptr;
        VoceMenu* mnuConf = nullptr;
        VoceMenu* mnuInformazioni = nullptr;
        VoceMenu* mnuDoc = nullptr;
        VoceMenu* mnuabout = nullptr;
    };
    const Controlli& controlli() const { return c_; }

    // Handlers.
    void Label1_Click(int k);
    void Label1_MouseMove(int k);
    void Form_MouseMove();
    void Check1_Click();
    void Check1_MouseMove();
    void mnuConf_Click();
    void mnuDoc_Click();
    void mnuabout_Click();

protected:
    void CreaControlli() override;
    void DistruggiControlli() override;
    void Form_Load() override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void PuntatoriPredefiniti();

    Programma& p_;
    RegistroFinestre& registro_;
    Controlli c_;
    ElementiControlli<Etichetta> voci_;
};
