#include "exercises/pairs/finestrasoggettopredicato.h"

#include "core/immagini.h"
#include "platform/strati.h"

#include <algorithm>

namespace {

using colore::Bianco;
constexpr Colore VerdeSoggetto = 0x80FF80;
constexpr Colore RosaPredicato = 0xFFC0FF;
constexpr int TopParole = 2700;
constexpr int LarghezzaParola = 3495;
constexpr int AltezzaParola = 900;
const QString Carattere = QStringLiteral("Verdana");
constexpr double PuntiParole = 14.25;

// The two boxes under their headings, as designed.
const std::vector<ProgettoCasella>& CaselleProgetto()
{
    static const std::vector<ProgettoCasella> c = {
        {315, 720, 3495, 900, VerdeSoggetto, QStringLiteral("soggetto"), 360, 360, 3465, 330},
        {4200, 720, 3495, 900, RosaPredicato, QStringLiteral(" predicato"), 4200, 360, 3465, 330},
    };
    return c;
}

QRect Geometria(const Etichetta& e)
{
    return {e.Left(), e.Top(), e.Width(), e.Height()};
}

void Inquadra(Forma& forma, const Etichetta& e, int bordo)
{
    const QRect r = coppie::Riquadro(Geometria(e), bordo, bordo);
    forma.Move(r.left(), r.top(), r.width(), r.height());
}

} // namespace

FinestraSoggettoPredicato::FinestraSoggettoPredicato(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraCoppie(programma, progetto, {.lettura = LetturaCampi::InteroETesto, .mancanza = MancanzaNessunaCoppia})
{
    ControlliDelCaricamento(Caselle, Label3);
}

void FinestraSoggettoPredicato::CreaControlliEsercizio()
{
    Caselle.Crea(client(), CaselleProgetto(), {Carattere, PuntiParole, 12, true});
    // Captions centred both ways, clear of the scan frames drawn on the labels' edges.
    for (Etichetta& box : Caselle.Label4) box.setAlignment(Qt::AlignCenter);

    const std::optional<QCursor> puntatore =
        ParoleTrascinabili() ? std::optional<QCursor>(CursorePersonale(programma_)) : std::nullopt;
    for (int i = 0; i < 2; ++i) {
        auto* e = new Etichetta(client());
        e->setCarattere(Carattere, PuntiParole, true);
        e->setBackColor(Bianco);
        e->setBordo(true);
        e->setWordWrap(true);
        e->setAlignment(Qt::AlignCenter);
        e->Move(i == 0 ? 360 : 4200, TopParole, LarghezzaParola, AltezzaParola);
        e->setTrascinamentoAutomatico(ParoleTrascinabili());
        e->setPuntatore(puntatore);
        e->show();
        Label3.Progetta(i, e);
    }
}

void FinestraSoggettoPredicato::PassiCaricamento()
{
    CaricaCoppie();
    // The mouse window shows its first pair from the moment it is on screen.
    if (!progetto_.scansione) NuovaFrase();
}

void FinestraSoggettoPredicato::Attivazione()
{
    LeggiPosizioni();
    if (programma_.CursoreDiSistema)
        for (Etichetta& e : Label3) e.setPuntatore(std::nullopt);
    Livello = 3;
    if (progetto_.scansione) NuovaFrase();
    ImpostaGriglia();
}

// The two places are wherever the boxes stand now, left and right: the window may have been
// resized, or the last placement may have swapped the boxes.
void FinestraSoggettoPredicato::LeggiPosizioni()
{
    if (!Caselle.Create()) return;
    const int a = Caselle.Label4(0).Left();
    const int b = Caselle.Label4(1).Left();
    PosizioneSinistra = std::min(a, b);
    PosizioneDestra = static_cast<std::int16_t>(std::max(a, b));
}

void FinestraSoggettoPredicato::NuovaFrase()
{
    if (!Caselle.Create()) return; // not loaded
    if (c_.mnuLivelli) c_.mnuLivelli->setBloccato(true);
    SegniErrore.clear();

    const std::optional<int> indice = coppie::EstraiCoppia(
        NumeroCoppie(), [this](int i) { return Utilizzabile(i); }, [this](int n) { return programma_.Casuale(n); });
    if (!indice) {
        SenzaCoppie();
        return;
    }
    programma_.IndiceFrase = static_cast<std::int16_t>(*indice);
    coppiaInCorso_ = true;

    ScombiccheraPosti();
    Caselle.Svuota();
    Label3(0).setCaption(Soggetti[*indice]);
    Label3(1).setCaption(Predicati[*indice]);
    for (Etichetta& e : Label3) e.setEnabled(true);
    CoppiaMostrata();
}

// No pair to show: empty boxes and words, the order menu within reach, and the notice.
void FinestraSoggettoPredicato::SenzaCoppie()
{
    coppiaInCorso_ = false;
    Caselle.Svuota();
    for (Etichetta& e : Label3) {
        e.setCaption(QString());
        e.setEnabled(false);
    }
    if (c_.mnuLivelli) c_.mnuLivelli->setBloccato(false);
    CoppiaChiusa();
    SenzaEsercizio();
}

void FinestraSoggettoPredicato::ScombiccheraPosti()
{
    if (!Caselle.Create()) return;
    LeggiPosizioni();
    coppie::Posti p;
    for (int i = 0; i < 2; ++i) {
        p.caselle[i] = Caselle.Label4(i).Left();
        p.tagCaselle[i] = Caselle.Label4(i).Tag();
    }
    p = coppie::ScombiccheraPosti(p, static_cast<int>(PosizioneSinistra), PosizioneDestra, Livello,
                                  [this](int n) { return programma_.Casuale(n); });
    for (int i = 0; i < 2; ++i) {
        Caselle.Label4(i).setLeft(p.caselle[i]);
        Caselle.Label4(i).setTag(p.tagCaselle[i]);
        Label3(i).setLeft(p.parole[i]);
        Label3(i).setTag(p.tagParole[i]);
        Caselle.Label6(i).setLeft(p.caselle[i]);
    }
}

coppie::Esito FinestraSoggettoPredicato::Giudica(int parola, int casella)
{
    coppie::StatoCoppia s{{Caselle.Label4(0).Caption(), Caselle.Label4(1).Caption()},
                          {Label3(0).Caption(), Label3(1).Caption()}};
    const coppie::Esito esito = coppie::Colloca(s, parola, casella);
    switch (esito) {
    case coppie::Esito::Niente: break;
    case coppie::Esito::Sbagliata:
        RispostaSbagliata(std::nullopt);
        SegniErrore += QLatin1Char('*');
        break;
    case coppie::Esito::Collocata:
    case coppie::Esito::Completata:
        Caselle.Label4(casella).setCaption(s.caselle[casella]);
        Label3(parola).setCaption(QString());
        ParolaCollocata(parola);
        if (esito == coppie::Esito::Completata) {
            CoppiaChiusa();
            if (c_.mnuLivelli) c_.mnuLivelli->setBloccato(false);
            RispostaGiusta(RigaSoggettoPredicato(), true);
        }
        break;
    }
    return esito;
}

void FinestraSoggettoPredicato::mnuLiv_Click(int Index)
{
    // The order changes only between pairs and while the menu is available.
    if (!c_.mnuLivelli || !c_.mnuLivelli->Utilizzabile()) return;
    if (Index < 1 || Index > static_cast<int>(c_.mnuLiv.size())) return;
    for (int i = 0; i < static_cast<int>(c_.mnuLiv.size()); ++i) c_.mnuLiv[i]->setChecked(i + 1 == Index);
    Livello = static_cast<std::int16_t>(Index);
    NuovaFrase();
}

// ---- Form1 -------------------------------------------------------------------------------------

Form1::Form1(Programma& programma, const ProgettoFinestra& progetto) : FinestraSoggettoPredicato(programma, progetto)
{
    Caselle.Label4_DragDrop = [this](int casella, Etichetta* origine) { Label4_DragDrop(casella, origine); };
}

void Form1::Label4_DragDrop(int Index, Etichetta* Source)
{
    if (!CoppiaInCorso() || Index < 0 || Index > 1) return;
    // Only the two words can be dragged onto a box.
    for (int parola = 0; parola < 2; ++parola)
        if (Label3.Esiste(parola) && &Label3(parola) == Source) Giudica(parola, Index);
}

void Form1::ParolaCollocata(int parola)
{
    Label3(parola).setEnabled(false);
}

// ---- Form1s ------------------------------------------------------------------------------------

Form1s::Form1s(Programma& programma, const ProgettoFinestra& progetto) : FinestraSoggettoPredicato(programma, progetto)
{
    ControlliDelCaricamento(c2_);
}

void Form1s::CreaControlliEsercizio()
{
    FinestraSoggettoPredicato::CreaControlliEsercizio();
    for (Forma** f : {&c2_.Shape1, &c2_.Shape2}) {
        *f = new Forma(client());
        (*f)->setBorderWidth(BordoCornici);
        (*f)->Move(0, 0, 3615, 975);
        // Under the box and the word it frames: their own background hides the inner half.
        MettiNelloStrato(*f, Strato::Segni);
        (*f)->show();
    }
}

void Form1s::Attivazione()
{
    for (Forma* f : {c2_.Shape1, c2_.Shape2}) f->setBorderColor(programma_.ColoreScansioneRgb());
    FinestraSoggettoPredicato::Attivazione();
}

void Form1s::CoppiaMostrata()
{
    c2_.Shape1->show();
    c2_.Shape2->show();
    Fase = 1;
    Posto = 1;
    SistemaShape();
}

void Form1s::CoppiaChiusa()
{
    c2_.Shape1->hide();
    c2_.Shape2->hide();
}

void Form1s::ModificaPosto()
{
    Posto = Posto == 1 ? 2 : 1;
}

void Form1s::SistemaShape()
{
    if (!c2_.Shape1) return;
    IndiceCasella = static_cast<std::int16_t>(
        coppie::IndiceDaTag(Fase, Caselle.Label4(0).Tag(), Caselle.Label4(1).Tag(), IndiceCasella));
    IndiceParola = static_cast<std::int16_t>(coppie::IndiceDaTag(Posto, Label3(0).Tag(), Label3(1).Tag(), IndiceParola));
    // Each frame around its label as it stands now, whatever the window's size.
    Inquadra(*c2_.Shape1, Caselle.Label4(IndiceCasella), BordoCornici);
    Inquadra(*c2_.Shape2, Label3(IndiceParola), BordoCornici);
}

void Form1s::Confermato()
{
    // A list without pairs: nothing to place, nothing to start (the notice was given).
    if (!CoppiaInCorso()) return;
    if (Label3(0).Caption().isEmpty() && Label3(1).Caption().isEmpty()) {
        NuovaFrase();
        return;
    }
    if (Giudica(IndiceParola, IndiceCasella) == coppie::Esito::Collocata) {
        Fase = 2;
        ModificaPosto();
        SistemaShape();
    }
}
