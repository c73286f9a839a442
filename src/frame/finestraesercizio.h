#pragma once
// What every exercise window does around its exercise: load, the counters and the status bar with
// its "Avanti" panel, the menu bar, the list choice, the results grid with its view, close and
// print commands, and the way back to the menu. The exercise itself (the next item, the answers)
// belongs to the derived windows.
#include "core/programma.h"
#include "frame/progetto.h"
#include "input/scansionefinestra.h"
#include "platform/barrastato.h"
#include "platform/finestra.h"
#include "platform/griglia.h"
#include "platform/temporizzatore.h"
#include "platform/vocemenu.h"

#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class FinestraEsercizio : public Finestra {
    Q_OBJECT
public:
    FinestraEsercizio(Programma& programma, const ProgettoFinestra& progetto, QObject* parent = nullptr);
    ~FinestraEsercizio() override;

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
        // Scanning windows: the focus holders, Timer1 and the driver of the window's items.
        ScansioneFinestra* Scansione = nullptr;
        Temporizzatore* Timer1 = nullptr;
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

    // The results grid: its columns, and one row more (the row number, then the cells given).
    void ImpostaGriglia();
    void RiempiGriglia(const QStringList& celle);

    // Booking an answer as every exercise does: the counter (never past 32767) and its panel, the
    // result row when the answer writes one, the "Avanti" panel when the item is finished, the sound.
    void RispostaGiusta(const std::optional<QStringList>& riga, bool finito);
    void RispostaSbagliata(const std::optional<QStringList>& riga);

    // The steps the answers are made of, for the few that take them in another order.
    void ContaEsatto();
    void ContaErrato();
    void ScriviEsatti();
    void ScriviErrati();
    void ScriviContatori();
    // Shows the "Avanti" panel (an item is finished), or hides it.
    void MostraAvanti();
    void NascondiAvanti();

    // True when the last load said already what is wrong with the list in use: it cannot be read,
    // or (a teacher's pair list) it gives the window nothing, and the list put in its place neither.
    bool ListaAvvisata = false;

    // The exercise's own routines, called by the frame.
    virtual void RicaricaLista() = 0;   // CaricaLista or CaricaCoppie
    virtual void ProssimoElemento() = 0; // CaricaFrase, NuovaFrase or NuovoEsercizio
    virtual void mnuLiv_Click(int indice) { (void)indice; }
    virtual void mnuOpzioni_Click() {}

    // The text of the sentence or item in play.
    QString TestoFrase;

protected:
    void CreaControlli() override;
    void DistruggiControlli() override;
    void Form_Load() override;
    void Form_Activate() override;

    // The exercise's controls, created after the frame's at every load.
    virtual void CreaControlliEsercizio() {}
    // The window's own load steps after the counters are reset.
    virtual void PassiCaricamento() = 0;
    // The activation after the scan timer is set up: by default the grid, then the next item.
    virtual void Attivazione();

    // Scanning windows: the items the keys and the timer move over (they live in the window object),
    // and how the keys act on them. Asked once at every load.
    virtual ElementiScansione* ElementiScansionati() { return nullptr; }
    virtual RegoleScansione RegoleTasti() const { return {}; }

    // The scan timer off (a dialog, the grid) and on again.
    void SpegniTimer();
    void AccendiTimer();

    // The messages about the list, over this window. One that comes up while the window opens is
    // shown once the window is on screen and the menu that opened it is gone, so that it is drawn
    // over this window and nothing scans behind it.
    // The list at `percorso` cannot be read: the message, and saying it.
    static QString TestoListaIlleggibile(const QString& percorso);
    void AvvisaListaIlleggibile(const QString& percorso);
    // Any other message about the list.
    void AvvisaLista(const QString& testo);
    // The list in use gives this window nothing to work on (no sentence it can draw, not enough
    // pairs): the scan stops, and `avviso` says so, unless the loader said already what is wrong
    // with the list (ListaAvvisata). With the keys or a switch nothing is left to do here: the
    // window then closes and the menu comes back. With the mouse it stays, and another list can be
    // chosen from its menus.
    void ListaSenzaElementi(const QString& avviso);

    // What covers the whole exercise and takes every key while it is shown (the results grid, a
    // panel of the window): in front of every control, the keys on `fuoco` and kept inside it,
    // the scan's keys set aside. Hidden again, the keys go back to the cover still shown, if any,
    // else to the exercise.
    void MostraCopertura(QWidget* copertura, QWidget* fuoco);
    void TogliCopertura(QWidget* copertura);

    Programma& programma_;
    const ProgettoFinestra& progetto_;
    Controlli c_;

private:
    struct Copertura {
        QPointer<QWidget> widget;
        QPointer<QWidget> fuoco;
        QPointer<QWidget> precedente; // what had the keys before it was shown
    };
    // The covers shown, the last one in front.
    std::vector<Copertura> coperture_;
    QMetaObject::Connection cambioFuoco_;
    // Takes `copertura` and the covers already gone out of the list; false when it was not there.
    bool togliDallElenco(QWidget* copertura);
    // The focus taken back to the cover in front when it went to a control under it.
    void trattieniFuoco(QWidget* ora);

    // Load and activation under way: messages wait until they are over.
    bool inApertura_ = false;
    QStringList avvisi_;       // messages waiting
    bool tornaAlMenu_ = false; // nothing to work on, with the keys: the menu once they are said
    bool rimandato_ = false;   // dopoIlPasso is on its way
    // What waits for the step under way to be over: the messages waiting, then the way back to
    // the menu when asked.
    void rimanda();
    void dopoIlPasso();

    void CreaMenu();
    void ImpostaGrigliaVisibile(bool visibile);
    void Stampa();
};
