#include "exercises/sentences/finestrariconosci.h"

#include "core/immagini.h"
#include "input/disegnoscansione.h"
#include "platform/strati.h"

namespace {

using A = Azzeramento;

ProgettoRiconosci RiconosciForm2()
{
    return {
        .istruzione = QStringLiteral("clicca sul predicato"),
        .ruolo = 1,
        .coloreGiusto = colorifrase::Rosa,
        .left = 120,
        .top = 1920,
        .variante = {.azzeramento = {A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::TogliEtichette,
                                     A::BloccaLivelli},
                     .didascaliaSottinteso = DidascaliaSottinteso::Vuota,
                     .frase = FonteFrase::CaptionsLabel3},
    };
}

ProgettoRiconosci RiconosciForm4()
{
    return {
        .istruzione = QStringLiteral("clicca sul soggetto"),
        .ruolo = 0,
        .coloreGiusto = colorifrase::Verde,
        .left = 240,
        .top = 1080,
        .pronomi = ProgettoPronomi{.top = 3840,
                                   .width = 8535,
                                   .height = 1335,
                                   .colonne = {240, 1920, 3480},
                                   .caption2 = QStringLiteral("egli - esso - ella - essa ")},
        .variante = {.azzeramento = {A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::AzzeraPronomi,
                                     A::TogliEtichette, A::BloccaLivelli},
                     .didascaliaSottinteso = DidascaliaSottinteso::Pronome,
                     .altezzaBarra = 500},
    };
}

// The scanning copies: the words answer no click, and the first word stands under the instruction.
ProgettoRiconosci RiconosciForm2s()
{
    return {
        .istruzione = QStringLiteral("riconosci il predicato"),
        .ruolo = 1,
        .coloreGiusto = colorifrase::Rosa,
        .left = 120,
        .top = 1320,
        .puntatorePersonale = false,
        .variante = {.azzeramento = {A::NascondiAvanti, A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta,
                                     A::TogliEtichette, A::BloccaLivelli},
                     .didascaliaSottinteso = DidascaliaSottinteso::Vuota,
                     .frase = FonteFrase::CaptionsLabel3},
    };
}

ProgettoRiconosci RiconosciForm4s()
{
    return {
        .istruzione = QStringLiteral("riconosci il soggetto"),
        .ruolo = 0,
        .coloreGiusto = colorifrase::Verde,
        .left = 120,
        .top = 1320,
        .puntatorePersonale = false,
        .variante = {.azzeramento = {A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::TogliEtichette,
                                     A::BloccaLivelli},
                     .didascaliaSottinteso = DidascaliaSottinteso::Pronome,
                     .saltaRigheConSottinteso = true,
                     .frase = FonteFrase::CaptionsLabel3},
    };
}

constexpr Colore CorniceForm2s = 0xFFC0FF;
constexpr Colore CorniceForm4s = 0x80FF80;

} // namespace

// ---- the mouse windows -------------------------------------------------------------------------

FinestraRiconosci::FinestraRiconosci(Programma& programma, const ProgettoFinestra& progetto,
                                     ProgettoRiconosci riconosci)
    : FinestraFrase(programma, progetto, riconosci.variante), riconosci_(std::move(riconosci))
{
    ControlliDelCaricamento(c2_);
    if (riconosci_.pronomi) UsaPronomi(Pronomi);
}

void FinestraRiconosci::CreaControlliEsercizio()
{
    c2_.Label1 = new Etichetta(client());
    c2_.Label1->setCarattere(QStringLiteral("Verdana"), 15.75, true);
    c2_.Label1->setBackStyleOpaco(false);
    c2_.Label1->Move(riconosci_.left, 360, 4000, 375);
    c2_.Label1->setAutoSize(true);
    c2_.Label1->setCaption(riconosci_.istruzione);
    c2_.Label1->show();

    const std::optional<QCursor> puntatore =
        riconosci_.puntatorePersonale ? std::optional<QCursor>(CursorePersonale(programma_)) : std::nullopt;
    Parole.Crea(client(), riconosci_.left, riconosci_.top, riconosci_.punti, puntatore);
    if (riconosci_.pronomi) Pronomi.Crea(client(), *riconosci_.pronomi, CursorePersonale(programma_));
}

bool FinestraRiconosci::Completabile(const RigaFrase& riga) const
{
    return FinestraFrase::Completabile(riga) && (riga.RuoloMostrato(riconosci_.ruolo) || SottintesoNominabile(riga));
}

bool FinestraRiconosci::PronomiOfferti() const
{
    return FinestraFrase::PronomiOfferti() && Livello >= LivelloPronomi;
}

void FinestraRiconosci::Label3_Click(int Index)
{
    Giudica(Index);
}

void FinestraRiconosci::Giudica(int Index)
{
    if (!Parole.Label3.Esiste(Index)) return;
    Etichetta& parola = Parole.Label3(Index);
    if (RuoloIniziale(parola.Tag()) == static_cast<double>(riconosci_.ruolo)) {
        parola.setBackColor(riconosci_.coloreGiusto);
        BloccaLivelli(false);
        ParolaGiusta(parola);
        RispostaGiusta(RigaRisultato(QString()), true);
    } else {
        ParolaSbagliata(parola);
        RispostaSbagliata(RigaRisultato(parola.Caption()));
    }
}

void FinestraRiconosci::ParolaGiusta(Etichetta&)
{
    Parole.Abilita(false);
}

void FinestraRiconosci::ParolaSbagliata(Etichetta& parola)
{
    parola.setBackColor(colorifrase::Rosso);
}

void FinestraRiconosci::SottintesoNominato(int persona)
{
    (void)persona;
    SistemaLabel();
    Parole.Abilita(false);
    BloccaLivelli(false);
}

void FinestraRiconosci::mnuLiv_Click(int Index)
{
    // The level menu cannot be used while a sentence is open or the grid is shown.
    if (!c_.mnuLivelli || !c_.mnuLivelli->Utilizzabile()) return;
    if (Index < 1 || Index > static_cast<int>(c_.mnuLiv.size())) return;
    for (int i = 0; i < static_cast<int>(c_.mnuLiv.size()); ++i) c_.mnuLiv[i]->setChecked(i + 1 == Index);
    Livello = static_cast<std::int16_t>(Index);
    if (Pronomi.Frame1) Pronomi.Frame1->setVisible(PronomiOfferti());
    PercorsoLista = PercorsoLivello();
    CaricaLista();
    CaricaFrase();
}

// ---- the scanning windows ----------------------------------------------------------------------

FinestraRiconosciScansione::FinestraRiconosciScansione(Programma& programma, const ProgettoFinestra& progetto,
                                                       ProgettoRiconosci riconosci, Colore coloreCornice)
    : FinestraRiconosci(programma, progetto, std::move(riconosci)),
      coloreCornice_(coloreCornice),
      elementi_(programma, Parole.Label3, ParteCorrente, colorifrase::Bianco,
                {
                    .sceglibile = [this](int i) { return Parole.Label3(i).Visible() && !Parole.Label3(i).Caption().isEmpty(); },
                    .seleziona = [this] { Confermato(); },
                    .finito = [this] { return Risolta(); },
                    .prossimo = [this] { CaricaFrase(); },
                    .evidenzia = [this](int) { SistemaShape(); },
                })
{
    ControlliDelCaricamento(Barra, c3_);
}

void FinestraRiconosciScansione::CreaControlliEsercizio()
{
    FinestraRiconosci::CreaControlliEsercizio();
    // A word tried and found wrong shows greyed (its copies take that from Label3(0)).
    Parole.Label3(0).setGrigiaSeDisabilitata(true);
    Barra.Crea(client(), ProgettoBarra{});
    c3_.Shape2 = new Forma(client());
    c3_.Shape2->setBorderWidth(9);
    c3_.Shape2->setBorderColor(coloreCornice_);
    c3_.Shape2->hide();
    // Under the words: the found word's own background hides the inner half of the band, and no
    // band lies across a letter of the words beside it.
    MettiNelloStrato(c3_.Shape2, Strato::Segni);
}

void FinestraRiconosciScansione::Attivazione()
{
    if (Barra.Shape) Barra.Shape->setBorderColor(programma_.ColoreScansioneRgb());
    FinestraRiconosci::Attivazione();
}

void FinestraRiconosciScansione::Label3_Click(int)
{
    // The words are chosen with the keys only.
}

bool FinestraRiconosciScansione::Risolta() const
{
    return c3_.Shape2 && c3_.Shape2->Visible();
}

void FinestraRiconosciScansione::CaricaFrase()
{
    if (!Parole.Creata()) return; // not loaded
    Barra.Shape->show();
    c3_.Shape2->hide();
    ParteCorrente = 0;
    FinestraRiconosci::CaricaFrase();
}

void FinestraRiconosciScansione::SenzaFrase()
{
    Barra.Shape->hide();
}

void FinestraRiconosciScansione::CodaFrase()
{
    // Every line drawn shows a word (the draw passes over the others), so the search ends on one.
    ParteCorrente = static_cast<std::int16_t>(Parole.PrimaVisibile().value_or(0));
    SistemaShape();
}

void FinestraRiconosciScansione::SistemaShape()
{
    if (Parole.Label3.Esiste(ParteCorrente)) Barra.Sotto(Parole.Label3(ParteCorrente));
}

void FinestraRiconosciScansione::Confermato()
{
    if (!Parole.Creata()) return;
    if (Risolta()) {
        CaricaFrase();
        return;
    }
    if (!FraseInCorso()) return;
    Giudica(ParteCorrente);
}

void FinestraRiconosciScansione::ParolaGiusta(Etichetta& parola)
{
    Barra.Shape->hide();
    Forma& cornice = *c3_.Shape2;
    const QRect r = CorniceIntorno(QRect(parola.Left(), parola.Top(), parola.Width(), parola.Height()),
                                   cornice.BorderWidth());
    cornice.Move(r.x(), r.y(), r.width(), r.height());
    cornice.show();
}

void FinestraRiconosciScansione::ParolaSbagliata(Etichetta& parola)
{
    // Greyed, not reddened; it stays in the scan and can be judged again.
    parola.setEnabled(false);
}

// ---- the windows -------------------------------------------------------------------------------

Form2::Form2(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosci(programma, progetto, RiconosciForm2())
{
}

Form4::Form4(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosci(programma, progetto, RiconosciForm4())
{
}

Form2s::Form2s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosciScansione(programma, progetto, RiconosciForm2s(), CorniceForm2s)
{
}

Form4s::Form4s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosciScansione(programma, progetto, RiconosciForm4s(), CorniceForm4s)
{
}
