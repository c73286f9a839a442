#include "exercises/sentences/finestrariconosci.h"

#include "core/immagini.h"

namespace {

ProgettoRiconosci RiconosciForm2()
{
    using A = Azzeramento;
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
    using A = Azzeramento;
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
        .altezzaBarra = 500,
        .variante = {.azzeramento = {A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::AzzeraPronomi,
                                     A::TogliEtichette, A::BloccaLivelli},
                     .didascaliaSottinteso = DidascaliaSottinteso::Pronome},
    };
}

} // namespace

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

    Parole.Crea(client(), riconosci_.left, riconosci_.top, riconosci_.punti, CursorePersonale(programma_));
    if (riconosci_.pronomi) Pronomi.Crea(client(), *riconosci_.pronomi, CursorePersonale(programma_));
}

void FinestraRiconosci::Attivazione()
{
    ApplicaCursoreDiSistema();
    if (riconosci_.altezzaBarra > 0 && c_.StatusBar1) c_.StatusBar1->setHeight(riconosci_.altezzaBarra);
    ImpostaGriglia();
    CaricaFrase();
}

void FinestraRiconosci::Label3_Click(int Index)
{
    if (!Parole.Label3.Esiste(Index)) return;
    Etichetta& parola = Parole.Label3(Index);
    if (RuoloIniziale(parola.Tag()) == static_cast<double>(riconosci_.ruolo)) {
        parola.setBackColor(riconosci_.coloreGiusto);
        BloccaLivelli(false);
        Parole.Abilita(false);
        RispostaGiusta(RigaRisultato(QString()), true);
    } else {
        parola.setBackColor(colorifrase::Rosso);
        RispostaSbagliata(RigaRisultato(parola.Caption()));
    }
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
    if (Pronomi.Frame1) Pronomi.Frame1->setVisible(Index >= LivelloPronomi);
    PercorsoLista = PercorsoLivello();
    CaricaLista();
    CaricaFrase();
}

Form2::Form2(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosci(programma, progetto, RiconosciForm2())
{
}

Form4::Form4(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraRiconosci(programma, progetto, RiconosciForm4())
{
}
