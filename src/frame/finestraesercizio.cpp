#include "frame/finestraesercizio.h"

#include "core/servizicomuni.h"
#include "frame/stampagriglia.h"
#include "platform/file.h"
#include "platform/strati.h"
#include "platform/twips.h"

#include <QApplication>
#include <QPixmap>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const QString TestoEsatti = QStringLiteral("Esatti ");
const QString TestoErrati = QStringLiteral("Errati ");
const QString TestoAvanti = QStringLiteral("Avanti");

// Alignment the grid is given for centred columns and header cells.
constexpr int Centrato = ModelloGriglia::Centro;

struct ColonneLayout {
    QStringList intestazioni; // column 1 onwards
    QList<int> centrate;      // columns
    QList<int> intestazioniCentrate;
};

ColonneLayout Colonne(LayoutGriglia layout)
{
    switch (layout) {
    case LayoutGriglia::Coppie: return {{"n. coppie", "frasi esatte", "frasi errate"}, {0, 1, 2, 3}, {}};
    case LayoutGriglia::Livelli: return {{"liv.", "frase", "errori"}, {0, 1, 3}, {2, 3}};
    case LayoutGriglia::SoggettoPredicato:
        return {{"liv.", "soggetto", "predicato", "errori"}, {0, 1, 4}, {2, 3}};
    case LayoutGriglia::Frasi: return {{"frase", "errori"}, {0, 2}, {1}};
    case LayoutGriglia::FrasiSottinteso: return {{"frase", "errori"}, {0, 2}, {1, 2}};
    }
    return {};
}

QPixmap ImmaginePannello(const Programma& p, const QString& nome)
{
    return QPixmap(p.PercorsoDati(QStringLiteral("immagini/") + nome));
}

// The items of a scanning window whose exercise gives none.
class NessunElemento : public ElementiScansione {
public:
    int Numero() const override { return 0; }
    int Cursore() const override { return 0; }
    void setCursore(int) override {}
    void Evidenzia(int) override {}
    void Seleziona() override {}
};

} // namespace

FinestraEsercizio::FinestraEsercizio(Programma& programma, const ProgettoFinestra& progetto, QObject* parent)
    : Finestra(programma.finestre(), progetto.client, parent), programma_(programma), progetto_(progetto)
{
    setCaption(TitoloProgramma);
    ControlliDelCaricamento(c_);
    cambioFuoco_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ora) { trattieniFuoco(ora); });
}

FinestraEsercizio::~FinestraEsercizio()
{
    // The widgets still to go may move the focus: that is no longer this window's business.
    disconnect(cambioFuoco_);
}

void FinestraEsercizio::CreaControlli()
{
    QWidget* area = client();
    coperture_.clear();

    c_.StatusBar1 = new BarraStato(area);
    MettiNelloStrato(c_.StatusBar1, Strato::Barra);
    c_.StatusBar1->setCarattere(QStringLiteral("Arial"), progetto_.puntiBarraStato, true);
    c_.StatusBar1->setHeight(495);
    c_.StatusBar1->AggiungiPannello({QStringLiteral("Esatti"), ImmaginePannello(programma_, "pannello_esatti.png"), 3000, 3000, true});
    c_.StatusBar1->AggiungiPannello({QStringLiteral("Errati"), ImmaginePannello(programma_, "pannello_errati.png"), 3000, 3000, true});
    if (progetto_.pannelloAvanti) {
        c_.StatusBar1->AggiungiPannello({TestoAvanti, ImmaginePannello(programma_, "pannello_avanti.png"), 3615, 1440, false});
        connect(c_.StatusBar1, &BarraStato::PanelClick, this, &FinestraEsercizio::StatusBar1_PanelClick);
    }
    c_.StatusBar1->Aggancia();

    c_.Griglia = new Griglia(area);
    QFont font = progetto_.grigliaVerdana ? QFont(QStringLiteral("Verdana"), 12) : QFont(QStringLiteral("Arial"), 12);
    font.setBold(!progetto_.grigliaVerdana);
    c_.Griglia->Modello().setFont(font);
    c_.Griglia->Aggiorna();
    c_.Griglia->hide();
    MettiNelloStrato(c_.Griglia, Strato::Copertura);

    if (progetto_.scansione) {
        static NessunElemento nessuno;
        ElementiScansione* elementi = ElementiScansionati();
        c_.Scansione = new ScansioneFinestra(programma_, area, elementi ? *elementi : nessuno, RegoleTasti());
        c_.Timer1 = c_.Scansione->Timer1();
    }

    CreaMenu();
    CreaControlliEsercizio();
    // Every control in its layer: the words at the bottom, the status bar above the exercise, the
    // grid and the panels that cover the exercise above everything.
    OrdinaStrati(area);
}

void FinestraEsercizio::CreaMenu()
{
    auto comando = [this](VoceMenu* v, void (FinestraEsercizio::*azione)()) {
        connect(v, &VoceMenu::Click, this, azione);
        return v;
    };

    switch (progetto_.menu) {
    case BarraMenu::Normale: {
        c_.mnuChiudi = comando(AggiungiMenu(QStringLiteral("Chiudi griglia")), &FinestraEsercizio::mnuChiudi_Click);
        c_.mnuUtil = AggiungiMenu(QStringLiteral("Utilità     "), nullptr, true);
        c_.mnuEs = AggiungiMenu(QStringLiteral("Esercizi eseguiti"), c_.mnuUtil, true);
        c_.mnuVisual = comando(AggiungiMenu(QStringLiteral("visualizza"), c_.mnuEs), &FinestraEsercizio::mnuVisual_Click);
        c_.mnustampa = comando(AggiungiMenu(QStringLiteral("stampa"), c_.mnuEs), &FinestraEsercizio::mnustampa_Click);
        c_.mnuCambia = comando(AggiungiMenu(QStringLiteral("Modifica archivio in uso           "), c_.mnuUtil),
                               &FinestraEsercizio::mnuCambia_Click);
        c_.MenuAzzera = comando(AggiungiMenu(QStringLiteral("Azzera conteggio     ")), &FinestraEsercizio::MenuAzzera_Click);
        if (!progetto_.livelli.isEmpty()) {
            c_.mnuLivelli = AggiungiMenu(QStringLiteral("Esercizio     "), nullptr, true);
            for (int i = 0; i < progetto_.livelli.size(); ++i) {
                VoceMenu* v = AggiungiMenu(progetto_.livelli[i], c_.mnuLivelli);
                v->setChecked(i + 1 == progetto_.livelloSpuntato);
                const int indice = i + 1;
                connect(v, &VoceMenu::Click, this, [this, indice] { mnuLiv_Click(indice); });
                c_.mnuLiv.push_back(v);
            }
        }
        break;
    }
    case BarraMenu::Abbina:
    case BarraMenu::AbbinaScansione: {
        // The two matching windows share one menu bar; only the captions differ.
        const bool s = progetto_.menu == BarraMenu::AbbinaScansione;
        c_.mnuUtil = AggiungiMenu(s ? QStringLiteral("Utilità") : QStringLiteral("Utilità     "), nullptr, true);
        c_.mnuOpzioni = AggiungiMenu(s ? QStringLiteral("numero coppie") : QStringLiteral("numero coppie "), c_.mnuUtil);
        c_.mnuEs = AggiungiMenu(QStringLiteral("esercizi eseguiti"), c_.mnuUtil, true);
        c_.mnuVisual = comando(AggiungiMenu(QStringLiteral("visualizza"), c_.mnuEs), &FinestraEsercizio::mnuVisual_Click);
        c_.mnustampa = comando(AggiungiMenu(QStringLiteral("stampa"), c_.mnuEs), &FinestraEsercizio::mnustampa_Click);
        c_.mnuCambia = comando(AggiungiMenu(s ? QStringLiteral("Modifica archivio in uso")
                                              : QStringLiteral("modifica archivio in uso          "),
                                            c_.mnuUtil),
                               &FinestraEsercizio::mnuCambia_Click);
        c_.mnuChiudi = comando(AggiungiMenu(s ? QStringLiteral("Chiudi") : QStringLiteral("Chiudi griglia     ")),
                               &FinestraEsercizio::mnuChiudi_Click);
        c_.MenuAzzera = comando(AggiungiMenu(s ? QStringLiteral("Azzera conteggio")
                                               : QStringLiteral("Azzera conteggio          ")),
                                &FinestraEsercizio::MenuAzzera_Click);
        break;
    }
    }
    if (c_.mnuOpzioni) connect(c_.mnuOpzioni, &VoceMenu::Click, this, [this] { mnuOpzioni_Click(); });
    c_.mnuEsci = comando(AggiungiMenu(QStringLiteral("Esci")), &FinestraEsercizio::mnuEsci_Click);

    c_.mnuChiudi->setEnabled(progetto_.chiudiAlCaricamento);
}

void FinestraEsercizio::DistruggiControlli()
{
    // The widgets go a moment later: no tick may reach a window that is no longer loaded.
    SpegniTimer();
    // Nothing waiting is said over a window gone.
    avvisi_.clear();
    tornaAlMenu_ = false;
}

void FinestraEsercizio::Form_Load()
{
    inApertura_ = true;
    EssResizer1.RecordLayout(client());
    MenuAzzera_Click();
    PassiCaricamento();
    inApertura_ = false;
}

void FinestraEsercizio::Form_Activate()
{
    inApertura_ = true;
    if (c_.Scansione) c_.Scansione->Avvia();
    Attivazione();
    inApertura_ = false;
}

void FinestraEsercizio::Attivazione()
{
    ImpostaGriglia();
    ProssimoElemento();
}

void FinestraEsercizio::SpegniTimer()
{
    if (c_.Scansione) c_.Scansione->Ferma();
}

void FinestraEsercizio::AccendiTimer()
{
    if (c_.Scansione) c_.Scansione->Riprendi();
}

QString FinestraEsercizio::TestoListaIlleggibile(const QString& percorso)
{
    return QStringLiteral("Non riesco a leggere la lista:\n") + percorso;
}

void FinestraEsercizio::AvvisaListaIlleggibile(const QString& percorso)
{
    AvvisaLista(TestoListaIlleggibile(percorso));
}

void FinestraEsercizio::ListaSenzaElementi(const QString& avviso)
{
    SpegniTimer();
    if (!ListaAvvisata) AvvisaLista(avviso);
    if (programma_.ModalitaInput == ModoMouse) return;
    tornaAlMenu_ = true;
    rimanda();
}

void FinestraEsercizio::AvvisaLista(const QString& testo)
{
    if (!inApertura_) {
        programma_.servizi().MsgBox(widget(), testo, msg::Critical, TitoloProgramma);
        return;
    }
    avvisi_.append(testo);
    rimanda();
}

void FinestraEsercizio::rimanda()
{
    if (rimandato_) return;
    rimandato_ = true;
    QMetaObject::invokeMethod(this, &FinestraEsercizio::dopoIlPasso, Qt::QueuedConnection);
}

void FinestraEsercizio::dopoIlPasso()
{
    rimandato_ = false;
    const QStringList avvisi = std::exchange(avvisi_, {});
    const bool torna = std::exchange(tornaAlMenu_, false);
    for (const QString& testo : avvisi)
        if (Caricata()) programma_.servizi().MsgBox(widget(), testo, msg::Critical, TitoloProgramma);
    if (!torna || !Caricata()) return;
    Scarica();
    if (programma_.MostraMenu) programma_.MostraMenu();
}

// ---- covers ------------------------------------------------------------------------------------

void FinestraEsercizio::MostraCopertura(QWidget* copertura, QWidget* fuoco)
{
    if (!copertura) return;
    togliDallElenco(copertura);
    coperture_.push_back({copertura, fuoco ? fuoco : copertura, copertura->window()->focusWidget()});
    copertura->show();
    MettiNelloStrato(copertura, Strato::Copertura);
    if (c_.Scansione) c_.Scansione->Sospendi(true);
    coperture_.back().fuoco->setFocus(Qt::OtherFocusReason);
}

void FinestraEsercizio::TogliCopertura(QWidget* copertura)
{
    if (!copertura) return;
    // Hiding what has the focus moves it on to whatever comes next: the cover decides instead.
    const QWidget* aveva = copertura->window()->focusWidget();
    const bool conLaCopertura = aveva && (aveva == copertura || copertura->isAncestorOf(aveva));
    copertura->hide();
    QPointer<QWidget> prima;
    for (const Copertura& c : coperture_)
        if (c.widget == copertura) prima = c.precedente;
    if (!togliDallElenco(copertura)) return;
    for (auto it = coperture_.rbegin(); it != coperture_.rend(); ++it) {
        if (it->widget->isVisible() && it->fuoco) {
            it->fuoco->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // The keys go back to the exercise, in every mode: to the scan's holder, else to what had them
    // before the cover, else to the window itself. A hidden control never keeps them.
    if (c_.Scansione) {
        c_.Scansione->Sospendi(false);
        if (c_.Scansione->pilota().CasellaDelModo()) return;
    }
    const QWidget* ora = copertura->window()->focusWidget();
    if (!conLaCopertura && !(ora && (ora == copertura || copertura->isAncestorOf(ora)))) return;
    if (prima && prima->isVisible() && prima->isEnabled() && prima != copertura && !copertura->isAncestorOf(prima))
        prima->setFocus(Qt::OtherFocusReason);
    else if (QWidget* area = client())
        area->setFocus(Qt::OtherFocusReason);
}

bool FinestraEsercizio::togliDallElenco(QWidget* copertura)
{
    const bool presente = std::any_of(coperture_.begin(), coperture_.end(),
                                      [copertura](const Copertura& c) { return c.widget == copertura; });
    std::erase_if(coperture_, [copertura](const Copertura& c) { return !c.widget || c.widget == copertura; });
    return presente;
}

void FinestraEsercizio::trattieniFuoco(QWidget* ora)
{
    QWidget* area = client();
    if (!ora || !area || !area->isAncestorOf(ora)) return;
    for (auto it = coperture_.rbegin(); it != coperture_.rend(); ++it) {
        if (!it->widget || !it->fuoco || !it->widget->isVisible()) continue;
        if (ora != it->widget && !it->widget->isAncestorOf(ora)) it->fuoco->setFocus(Qt::OtherFocusReason);
        return;
    }
}

// ---- counters and status bar -------------------------------------------------------------------

void FinestraEsercizio::ScriviEsatti()
{
    if (c_.StatusBar1) c_.StatusBar1->setText(1, TestoEsatti + QString::number(programma_.Esatti));
}

void FinestraEsercizio::ScriviErrati()
{
    if (c_.StatusBar1) c_.StatusBar1->setText(2, TestoErrati + QString::number(programma_.Errati));
}

void FinestraEsercizio::ScriviContatori()
{
    ScriviEsatti();
    ScriviErrati();
}

void FinestraEsercizio::MenuAzzera_Click()
{
    programma_.Esatti = 0;
    programma_.Errati = 0;
    ScriviContatori();
}

void FinestraEsercizio::ContaEsatto()
{
    if (programma_.Esatti < std::numeric_limits<std::int16_t>::max()) ++programma_.Esatti;
}

void FinestraEsercizio::ContaErrato()
{
    if (programma_.Errati < std::numeric_limits<std::int16_t>::max()) ++programma_.Errati;
}

void FinestraEsercizio::RispostaGiusta(const std::optional<QStringList>& riga, bool finito)
{
    ContaEsatto();
    if (riga) RiempiGriglia(*riga);
    ScriviEsatti();
    if (finito) MostraAvanti();
    SuonoGiusto(programma_);
}

void FinestraEsercizio::RispostaSbagliata(const std::optional<QStringList>& riga)
{
    ContaErrato();
    ScriviErrati();
    if (riga) RiempiGriglia(*riga);
    SuonoSbagliato(programma_);
}

void FinestraEsercizio::MostraAvanti()
{
    if (c_.StatusBar1 && c_.StatusBar1->NumeroPannelli() >= 3) c_.StatusBar1->setPannelloVisibile(3, true);
}

void FinestraEsercizio::NascondiAvanti()
{
    if (c_.StatusBar1 && c_.StatusBar1->NumeroPannelli() >= 3) c_.StatusBar1->setPannelloVisibile(3, false);
}

void FinestraEsercizio::StatusBar1_PanelClick(int pannello)
{
    if (!c_.StatusBar1 || c_.StatusBar1->NumeroPannelli() < 3) return;
    if (c_.StatusBar1->Text(pannello) != c_.StatusBar1->Text(3)) return;
    NascondiAvanti();
    ProssimoElemento();
}

// ---- way back to the menu ----------------------------------------------------------------------

void FinestraEsercizio::mnuEsci_Click()
{
    if (!progetto_.chiedeUscita) {
        if (programma_.MostraMenu) programma_.MostraMenu();
        Scarica();
        return;
    }
    const int risposta =
        programma_.servizi().MsgBox(widget(), programma_.MessaggioTornaMenu, msg::YesNo + msg::Question, TitoloProgramma);
    if (risposta != msg::RispostaYes) return;
    programma_.Esatti = 0;
    programma_.Errati = 0;
    Scarica();
    if (programma_.MostraMenu) programma_.MostraMenu();
}

// ---- list choice -------------------------------------------------------------------------------

void FinestraEsercizio::mnuCambia_Click()
{
    SpegniTimer();
    const QString scelta =
        FinestraFile(programma_, widget(), 1, QStringLiteral("Apri"), QString(), QStringLiteral("|*.txt"),
                     programma_.PercorsoDati(QStringLiteral("testifrasolino/soggettopredicato/")), QStringLiteral("txt"));
    if (!scelta.isEmpty()) {
        if (progetto_.ListaDelLancio())
            programma_.FileEsercizio = scelta;
        else
            PercorsoLista = scelta;
        RicaricaLista();
        ProssimoElemento();
    } else {
        programma_.servizi().MsgBox(widget(), QStringLiteral("Non hai scelto nessuna lista!"), msg::Critical,
                                    TitoloProgramma);
    }
    // The window may have been closed meanwhile; the timer goes with its controls.
    AccendiTimer();
}

// ---- results grid ------------------------------------------------------------------------------

void FinestraEsercizio::ImpostaGriglia()
{
    Griglia* g = c_.Griglia;
    if (!g) return;
    ModelloGriglia& m = g->Modello();
    TogliCopertura(g);
    g->Move(0, 0, Width(), Height());

    const QList<int> unita = UnitaColonne(progetto_.griglia);
    const ColonneLayout colonne = Colonne(progetto_.griglia);
    m.setCols(static_cast<int>(unita.size()));
    for (int i = 0; i < unita.size(); ++i) m.setColWidth(i, unita[i] * UnitaGriglia(Width()));
    for (int c : colonne.centrate) m.setColAlignment(c, Centrato);
    m.setRows(1);
    m.setRow(0);
    for (int i = 1; i < unita.size(); ++i) {
        m.setCol(i);
        m.setText(colonne.intestazioni.value(i - 1));
        if (colonne.intestazioniCentrate.contains(i)) m.setFixedAlignment(i, Centrato);
    }
    g->Aggiorna();
}

void FinestraEsercizio::RiempiGriglia(const QStringList& celle)
{
    Griglia* g = c_.Griglia;
    if (!g) return;
    ModelloGriglia& m = g->Modello();
    const int n = m.Rows();
    m.setRows(n + 1);
    m.setRow(n);
    m.setCol(0);
    m.setText(QString::number(n));
    for (int i = 0; i < celle.size(); ++i) {
        m.setCol(i + 1);
        m.setText(celle[i]);
    }
    g->Aggiorna();
}

void FinestraEsercizio::ImpostaGrigliaVisibile(bool visibile)
{
    // In front of every control, the status bar included: nothing under it can be used meanwhile.
    // It takes the keys too, so that a scanning window's keys judge nothing unseen behind it, also
    // where the scan runs on under the grid.
    if (visibile)
        MostraCopertura(c_.Griglia, c_.Griglia);
    else
        TogliCopertura(c_.Griglia);
    c_.mnuChiudi->setEnabled(visibile);
    for (VoceMenu* v : {c_.mnuEsci, c_.mnuCambia, c_.MenuAzzera, c_.mnuOpzioni})
        if (v) v->setEnabled(!visibile);
    if (c_.mnuLivelli && !progetto_.livelliConGriglia) c_.mnuLivelli->setEnabled(!visibile);
}

void FinestraEsercizio::mnuVisual_Click()
{
    if (!c_.Griglia) return;
    if (!progetto_.timerConGriglia) {
        SpegniTimer();
        QFont f = c_.Griglia->Modello().Font();
        f.setPointSizeF(12);
        c_.Griglia->Modello().setFont(f);
        c_.Griglia->Aggiorna();
    }
    ImpostaGrigliaVisibile(true);
}

void FinestraEsercizio::mnuChiudi_Click()
{
    if (!c_.Griglia) return;
    ImpostaGrigliaVisibile(false);
    if (!progetto_.timerConGriglia) AccendiTimer();
}

void FinestraEsercizio::mnustampa_Click()
{
    if (!c_.Griglia) return;
    if (!progetto_.timerConGriglia) SpegniTimer();
    const int risposta = programma_.servizi().MsgBox(widget(), QStringLiteral("Avvio la stampa?"),
                                                     msg::YesNo + msg::Question, TitoloProgramma);
    if (risposta == msg::RispostaYes) {
        programma_.servizi().MsgBox(widget(), QStringLiteral("Sto stampando"), msg::Information, TitoloProgramma);
        Stampa();
        if (!progetto_.timerConGriglia) AccendiTimer();
    } else {
        AccendiTimer();
    }
}

void FinestraEsercizio::Stampa()
{
    if (!c_.Griglia) return;
    QFont f = c_.Griglia->Modello().Font();
    f.setPointSizeF(12);
    c_.Griglia->Modello().setFont(f);
    c_.Griglia->Aggiorna();

    // One job on the printer; when there is none or the job fails, the same page into a PDF file.
    QString destinazione;
    auto stampa = [&](std::unique_ptr<Stampante> stampante) {
        if (!stampante) return false;
        stampante->setOrientation(2);
        StampaGriglia(*stampante, c_.Griglia->Modello(), 2, 2);
        const bool riuscita = stampante->EndDoc();
        destinazione = stampante->Destinazione();
        return riuscita;
    };
    bool riuscita = stampa(programma_.servizi().NuovaStampante());
    if (!riuscita) riuscita = stampa(programma_.servizi().NuovaStampante(true));

    if (!riuscita) {
        programma_.servizi().MsgBox(widget(), QStringLiteral("La stampa non è riuscita."), msg::Exclamation,
                                    TitoloProgramma);
    } else if (!destinazione.isEmpty()) {
        programma_.servizi().MsgBox(
            widget(), QStringLiteral("Stampante non disponibile: i risultati sono stati salvati nel file\n") + destinazione,
            msg::Information, TitoloProgramma);
    }
}
