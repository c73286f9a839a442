#pragma once
// What every exercise window does around its exercise: load, the counters and the status bar with
// its "Avanti" panel, the menu bar, the list choice, the results grid with its view, close and
// print commands, and the way back to the menu. The exercise itself (the next item, the answers)
// belongs to the derived windows.
#include "core/programma.h"
#include "frame/progetto.h"
#include "platform/barrastato.h"
#include "platform/griglia.h"
#include "platform/temporizzatore.h"
#include "platform/vocemenu.h"

#include <QPointer>

#include <cstdint>
#include <vector>

class FinestraEsercizio : public Finestra {
    Q_OBJECT
public:
    FinestraEsercizio(Programma& programma, const ProgettoFinestra& progetto, QObject* parent = nullptr);

    const ProgettoFinestra& progetto() const { return progetto_; }
    Programma& programma() { return programma_; }

    // Window fields: they keep their values from one opening to the next.
    std::int16_t Livello = 0;
    QString PercorsoLista;
    std::int16_t NumeroRighe = 0;

    // Controls of the frame, created at every load from the design (null while unloaded).
    struct Controlli {
        BarraStato* StatusBar1 = nullptr;
        ::Griglia* Griglia = nullptr;
        Temporizzatore* Timer1 = nullptr; // scanning windows only
        VoceMenu* mnuChiudi = nullptr;
        VoceMenu* mnuUtil = nullptr;
        VoceMenu* mnuOpzioni = nullptr; // matching windows only
        VoceMenu* mnuEs = nullptr;
        VoceMenu* mnuVisual = nullptr;
        VoceMenu* mnustampa = nullptr;
        VoceMenu* mnuCambia = nullptr; // "Modifica archivio in uso" (mnuModifica in the matching windows)
        VoceMenu* MenuAzzera = nullptr;
        VoceMenu* mnuLivelli = nullptr; // windows with a level menu only
        std::vector<VoceMenu*> mnuLiv;  // mnuLiv(i) is mnuLiv[i - 1]
        VoceMenu* mnuEsci = nullptr;
    };
    const Controlli& cornice() const { return c_; }

    // Commands and handlers of the frame.
    void MenuAzzera_Click();
    void StatusBar1_PanelClick(int pannello);
    void mnuEsci_Click();
    void mnuCambia_Click();
    void mnuVisual_Click();
    void mnuChiudi_Click();
    void mnustampa_Click();

    // The results grid.
    void ImpostaGriglia();
    void RiempiGriglia(const QString& errori = QString());

    // Booking an answer: add 1 to a counter (never past 32767); rewriting its panel is a step of
    // its own, which each answer takes where its order puts it.
    void ContaEsatto();
    void ContaErrato();
    void ScriviEsatti();
    void ScriviErrati();
    void ScriviContatori();
    // Shows the "Avanti" panel (an item is finished).
    void MostraAvanti();

    // The exercise's own routines, called by the frame.
    virtual void RicaricaLista() = 0;   // CaricaLista or CaricaCoppie
    virtual void ProssimoElemento() = 0; // CaricaFrase, NuovaFrase or NuovoEsercizio
    virtual void mnuLiv_Click(int indice) { (void)indice; }
    virtual void mnuOpzioni_Click() {}

    // Fields the result rows read; the exercise windows fill them.
    QString TestoFrase;
    virtual QString CaptionsLabel3() const { return {}; }
    virtual QString SoggettoCorrente() const { return {}; }
    virtual QString PredicatoCorrente() const { return {}; }
    virtual QString SegniErroreCorrenti() const { return {}; }

protected:
    void CreaControlli() override;
    void DistruggiControlli() override;
    void Form_Load() override;
    void Form_Activate() override;

    // The exercise's controls, created after the frame's at every load.
    virtual void CreaControlliEsercizio() {}
    virtual void DistruggiControlliEsercizio() {}
    // The window's own load steps after the counters are reset.
    virtual void PassiCaricamento() = 0;
    // The activation after the scan timer is set up: by default the grid, then the next item.
    virtual void Attivazione();

    // The scan timer at activation: the interval of the mode, switched on.
    void AvviaTimerScansione();
    void SpegniTimer();
    void AccendiTimer();

    Programma& programma_;
    const ProgettoFinestra& progetto_;
    Controlli c_;

private:
    void CreaMenu();
    void ImpostaGrigliaVisibile(bool visibile);
    void Stampa();
};
