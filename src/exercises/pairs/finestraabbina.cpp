#include "exercises/pairs/finestraabbina.h"

#include "core/immagini.h"
#include "core/servizicomuni.h"
#include "input/passi.h"
#include "platform/strati.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr int TopPrimaRiga = 240;
constexpr int PassoRighe = 720;
constexpr int AltezzaRiga = 600;
const QString Carattere = QStringLiteral("Verdana");
constexpr double PuntiRighe = 12;

QRect Geometria(const Etichetta& e)
{
    return {e.Left(), e.Top(), e.Width(), e.Height()};
}

// A frame around a label: moved up and left by its own thickness, grown by twice the subject
// frame's, as the two frames were designed.
void Inquadra(Forma& forma, const Etichetta& e, int scostamento)
{
    const QRect r = coppie::Riquadro(Geometria(e), scostamento, Form3s::BordoSoggetto);
    forma.Move(r.left(), r.top(), r.width(), r.height());
}

ProgettoAbbina AbbinaForm3()
{
    return {.leftSoggetti = 240, .widthSoggetti = 3495, .leftCaselle = 4200, .widthCaselle = 4305};
}

ProgettoAbbina AbbinaForm3s()
{
    return {.leftSoggetti = 240, .widthSoggetti = 4455, .leftCaselle = 4920, .widthCaselle = 3495};
}

} // namespace

FinestraAbbina::FinestraAbbina(Programma& programma, const ProgettoFinestra& progetto, ProgettoAbbina abbina,
                               ProgettoCoppie coppie)
    : FinestraCoppie(programma, progetto, std::move(coppie)), abbina_(abbina)
{
    ControlliDelCaricamento(Label3, Label4, c2_);
}

void FinestraAbbina::CreaControlliEsercizio()
{
    for (int i = 0; i < Righe; ++i) {
        const int top = TopPrimaRiga + PassoRighe * i;
        for (const bool soggetto : {true, false}) {
            auto* e = new Etichetta(client());
            e->setCarattere(Carattere, PuntiRighe, soggetto);
            e->setBackColor(Bianco);
            // A subject matched already is disabled, and shows it.
            e->setGrigiaSeDisabilitata(soggetto);
            e->setBordo(true);
            e->setWordWrap(true);
            // Captions centred both ways, clear of the scan frames drawn on the labels' edges.
            e->setAlignment(Qt::AlignCenter);
            if (soggetto)
                e->Move(abbina_.leftSoggetti, top, abbina_.widthSoggetti, AltezzaRiga);
            else
                e->Move(abbina_.leftCaselle, top, abbina_.widthCaselle, AltezzaRiga);
            e->show();
            (soggetto ? Label3 : Label4).Progetta(i, e);
        }
    }
    CreaPannello();
}

void FinestraAbbina::CreaPannello()
{
    c2_.Frame1 = new Cornice(client());
    c2_.Frame1->setCarattere(Carattere, 12, true);
    c2_.Frame1->setCaption(QStringLiteral("Indica quante righe deve contenere l'esercizio (da 3 a 9)"));
    c2_.Frame1->Move(0, 0, Width(), Height());
    MettiNelloStrato(c2_.Frame1, Strato::Copertura);

    // The scroll bar takes every key while the panel is open (see eventFilter).
    c2_.HScroll1 = new BarraOrizzontale(c2_.Frame1);
    c2_.HScroll1->setFocusPolicy(Qt::StrongFocus);
    c2_.HScroll1->installEventFilter(this);
    c2_.HScroll1->setMin(coppie::RigheMinime);
    c2_.HScroll1->setMax(coppie::RigheMassime);
    c2_.HScroll1->setSmallChange(1);
    c2_.HScroll1->setLargeChange(1);
    connect(c2_.HScroll1, &BarraOrizzontale::Change, this, &FinestraAbbina::HScroll1_Change);

    c2_.Label1 = new Etichetta(c2_.Frame1);
    c2_.Label1->setCarattere(Carattere, 24, true);
    c2_.Label1->setBackStyleOpaco(false);
    c2_.Label1->setAllineamento(2);

    c2_.Command4 = new Bottone(c2_.Frame1);
    c2_.Command4->setCarattere(Carattere, 12, true);
    c2_.Command4->setCaption(QStringLiteral("Chiudi"));
    c2_.Command4->setFocusPolicy(Qt::NoFocus);
    connect(c2_.Command4, &Bottone::Click, this, &FinestraAbbina::Command4_Click);

    c2_.Frame1->hide();
}

QStringList FinestraAbbina::Riga(const QString& coppia, bool giusta) const
{
    return coppie::RigaAbbinamento(righeInUso_, coppia, giusta);
}

void FinestraAbbina::PassiCaricamento()
{
    NumeroRighe = 9;
    CaricaCoppie();
}

void FinestraAbbina::NuovoEsercizio()
{
    if (!Label3.Esiste(0)) return; // not loaded
    InizioEsercizio();
    for (Etichetta& e : Label4) e.setBackColor(Bianco);

    const std::vector<int> a =
        ListaSufficiente()
            ? coppie::EstraiCoppie(NumeroCoppie(), Righe, [this](int i) { return Utilizzabile(i); },
                                   [this](int i) { return Chiave(i); }, [this](int n) { return programma_.Casuale(n); })
            : std::vector<int>{};
    righeInUso_ = coppie::RigheInUso(NumeroRighe, static_cast<int>(a.size()));
    std::vector<coppie::Abbinamento::Frase> frasi;
    for (int i = 0; i < Righe; ++i) {
        const bool estratta = i < static_cast<int>(a.size());
        Label3(i).setCaption(estratta ? Soggetti[a[i]] : QString());
        Label4(i).setCaption(estratta ? Predicati[a[i]] : QString());
        if (i < righeInUso_) frasi.push_back({Soggetti[a[i]], Predicati[a[i]]});
    }
    abbinamento_ = coppie::Abbinamento(frasi);
    ScombiccheraPosti();
    if (righeInUso_ == 0) {
        // Not even three pairs: no rows, and the notice.
        SenzaEsercizio();
        return;
    }
    EsercizioMostrato();
}

void FinestraAbbina::ScombiccheraPosti()
{
    if (!Label3.Esiste(0)) return;
    for (int i = 0; i < Righe; ++i) {
        Label3(i).setEnabled(true);
        Label3(i).setVisible(i < righeInUso_);
        Label4(i).setVisible(i < righeInUso_);
    }
    // Each row takes a subject not placed yet; the tops are read now, at the window's present size.
    const std::vector<int> soggetti = coppie::MescolaRighe(righeInUso_, [this](int n) { return programma_.Casuale(n); });
    for (int k = 0; k < static_cast<int>(soggetti.size()); ++k) {
        Label3(soggetti[k]).setTop(Label4(k).Top());
        SoggettoDellaRiga[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(soggetti[k]);
    }
}

// ---- number-of-pairs panel ---------------------------------------------------------------------

void FinestraAbbina::mnuOpzioni_Click()
{
    if (!c2_.Frame1) return;
    SpegniTimer();
    Cornice& f = *c2_.Frame1;
    f.Move(0, 0, Width(), Height());
    const int centro = Width() / 2;
    c2_.HScroll1->Move(centro - 2400, 1320, 4800, 375);
    c2_.Label1->Move(centro - 600, 1920, 1200, 735);
    c2_.Command4->Move(centro - 900, 3000, 1800, 615);
    c2_.HScroll1->setValue(NumeroRighe);
    c2_.Label1->setCaption(QString::number(NumeroRighe));
    // In front of the rows and their frames, with every key: nothing below is judged meanwhile.
    MostraCopertura(&f, c2_.HScroll1);
}

// The keys of every mode on the open panel: an arrow right or up one row more, left or down one
// fewer (3 to 9), Enter or Space "Chiudi".
bool FinestraAbbina::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != c2_.HScroll1 || (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease))
        return FinestraCoppie::eventFilter(oggetto, evento);
    // Hidden, the panel takes no key.
    if (!c2_.Frame1->isVisible()) return true;
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const bool premuto = evento->type() == QEvent::KeyPress;
    switch (tasto->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        if (premuto) c2_.HScroll1->setValue(c2_.HScroll1->Value() + 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        if (premuto) c2_.HScroll1->setValue(c2_.HScroll1->Value() - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key closes nothing: its repeats never reach the panel.
        if (premuto) Command4_Click();
        return true;
    default:
        return FinestraCoppie::eventFilter(oggetto, evento);
    }
}

void FinestraAbbina::HScroll1_Change()
{
    if (!c2_.HScroll1) return;
    NumeroRighe = static_cast<std::int16_t>(c2_.HScroll1->Value());
    c2_.Label1->setCaption(QString::number(NumeroRighe));
}

void FinestraAbbina::Command4_Click()
{
    if (!c2_.Frame1) return;
    TogliCopertura(c2_.Frame1);
    NuovoEsercizio();
    AccendiTimer();
}

// ---- Form3 -------------------------------------------------------------------------------------

// Form3 draws items with different subject texts, Form3s different items. Either way a match is
// judged by the sentence it makes, so subjects or predicates that look alike never mislead.
Form3::Form3(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraAbbina(programma, progetto, AbbinaForm3(),
                     {.minimo = coppie::RigheMinime, .soggettiDiversi = true, .mancanza = MancanzaPocheSoggetti})
{
    Label4.Collega([this](int i, Etichetta* e) {
        connect(e, &Etichetta::DragDrop, this, [this, i](Etichetta* origine) { Label4_DragDrop(i, origine); });
    });
    Label3.Collega([this](int, Etichetta* e) {
        e->setTrascinamentoAutomatico(true);
        e->setPuntatore(CursorePersonale(programma_));
    });
}

void Form3::Attivazione()
{
    if (programma_.CursoreDiSistema)
        for (Etichetta& e : Label3) e.setPuntatore(std::nullopt);
    FinestraAbbina::Attivazione();
}

void Form3::InizioEsercizio()
{
    setBackColor(ColoreCasuale(programma_));
    CoppieFatte = 0;
}

void Form3::Label4_DragDrop(int Index, Etichetta* Source)
{
    if (Index < 0 || Index >= RigheInUso()) return;
    // Only the subjects can be dragged onto a box.
    int soggetto = -1;
    for (int i = 0; i < RigheInUso(); ++i)
        if (&Label3(i) == Source) soggetto = i;
    if (soggetto < 0) return;

    Etichetta& casella = Label4(Index);
    const QString coppia = Source->Caption() + QLatin1Char(' ') + casella.Caption();
    if (!Abbina(soggetto, Index)) {
        RispostaSbagliata(Riga(coppia, false));
        return;
    }
    casella.setCaption(coppia);
    Source->setCaption(QString());
    Source->setEnabled(false);
    casella.setBackColor(GialloChiaro);
    ++CoppieFatte;
    RispostaGiusta(Riga(coppia, true), CoppieFatte == RigheInUso());
}

// ---- Form3s ------------------------------------------------------------------------------------

Form3s::Form3s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraAbbina(programma, progetto, AbbinaForm3s(),
                     {.minimo = coppie::RigheMinime, .soggettiDiversi = false, .mancanza = MancanzaPocheCoppie}),
      caselle_(programma, Label4, CasellaEvidenziata, Bianco,
               {.sceglibile = [this](int i) { return i < RigheInUso() && !Label4(i).Caption().isEmpty(); },
                .seleziona = [this] { Confermato(); },
                .finito = [this] { return avantiAcceso_; },
                .prossimo = [this] { NuovoEsercizio(); },
                .evidenzia = [this](int) { SistemaShape(); }})
{
    ControlliDelCaricamento(c3_);
}

RegoleScansione Form3s::RegoleTasti() const
{
    RegoleScansione r;
    r.ManualeAlRilascio = true;
    return r;
}

void Form3s::CreaControlliEsercizio()
{
    FinestraAbbina::CreaControlliEsercizio();
    c3_.Command1 = new Bottone(client());
    c3_.Command1->setCarattere(Carattere, 12, true);
    c3_.Command1->setCaption(QStringLiteral("avanti"));
    c3_.Command1->Move(8760, 3000, 1680, 855);
    c3_.Command1->setEnabled(false);
    c3_.Command1->show();
    avantiAcceso_ = false;

    // The frames lie under the rows they frame: the labels' own background hides the inner half.
    c3_.Shape1 = new Forma(client());
    c3_.Shape1->setBorderWidth(BordoSoggetto);
    c3_.Shape1->Move(240, 240, 4455, 855);
    MettiNelloStrato(c3_.Shape1, Strato::Segni);
    c3_.Shape2 = new Forma(client());
    c3_.Shape2->setBorderWidth(BordoCasella);
    c3_.Shape2->Move(4920, 240, 3255, 855);
    MettiNelloStrato(c3_.Shape2, Strato::Segni);
}

void Form3s::Attivazione()
{
    for (Forma* f : {c3_.Shape1, c3_.Shape2}) f->setBorderColor(programma_.ColoreScansioneRgb());
    FinestraAbbina::Attivazione();
}

void Form3s::InizioEsercizio()
{
    RigaCorrente = 0;
    CasellaEvidenziata = 0;
    c3_.Shape1->hide();
    c3_.Shape2->hide();
    c3_.Command1->setEnabled(false);
    accendiAvanti(false);
}

void Form3s::EsercizioMostrato()
{
    c3_.Shape1->show();
    c3_.Shape2->show();
    SistemaShape();
}

void Form3s::SistemaShape()
{
    if (!c3_.Shape1 || RigaCorrente < 0 || RigaCorrente >= RigheInUso()) return;
    Inquadra(*c3_.Shape1, Label3(SoggettoDellaRiga[static_cast<std::size_t>(RigaCorrente)]), BordoSoggetto);
    if (Label4.Esiste(CasellaEvidenziata)) Inquadra(*c3_.Shape2, Label4(CasellaEvidenziata), BordoCasella);
}

void Form3s::Confermato()
{
    if (RigaCorrente < 0 || RigaCorrente >= RigheInUso() || !Label4.Esiste(CasellaEvidenziata)) return;
    const int s = SoggettoDellaRiga[static_cast<std::size_t>(RigaCorrente)];
    Etichetta& soggetto = Label3(s);
    Etichetta& casella = Label4(CasellaEvidenziata);
    if (casella.Caption().isEmpty()) return; // matched already: never highlighted
    const QString coppia = soggetto.Caption() + QLatin1Char(' ') + casella.Caption();
    if (!Abbina(s, CasellaEvidenziata)) {
        RispostaSbagliata(Riga(coppia, false));
        return;
    }
    soggetto.setCaption(coppia);
    casella.setCaption(QString());
    soggetto.setEnabled(false);
    RispostaGiusta(Riga(coppia, true), false);

    ++RigaCorrente;
    if (RigaCorrente == RigheInUso()) {
        accendiAvanti(true);
        c3_.Shape1->hide();
        c3_.Shape2->hide();
        return;
    }
    CasellaEvidenziata = static_cast<std::int16_t>(scansione::PassoAvanti(
        CasellaEvidenziata, RigheInUso(), [this](int i) { return !Label4(i).Caption().isEmpty(); }));
    SistemaShape();
}

void Form3s::accendiAvanti(bool acceso)
{
    avantiAcceso_ = acceso;
    c3_.Command1->setBackColor(acceso ? programma_.ColoreScansioneRgb() : ColoreBottoneNormale);
}
