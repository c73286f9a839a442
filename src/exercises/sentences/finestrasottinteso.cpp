#include "exercises/sentences/finestrasottinteso.h"

#include "core/immagini.h"

namespace {

using A = Azzeramento;

// The six buttons, two rows of three, in the middle of a frame 8055 x 1935 without a caption.
ProgettoPronomi PronomiSottinteso(int top, Colore sfondo, bool grassetto)
{
    return {.top = top,
            .width = 8055,
            .height = 1935,
            .colonne = {120, 1620, 3120},
            .righe = {480, 1080},
            .titolo = QString(),
            .caption2 = QStringLiteral("egli - esso - ella - essa"),
            .grassetto = grassetto,
            .sfondo = sfondo,
            .visibile = true};
}

ProgettoSottinteso SottintesoForm15()
{
    return {
        .istruzione = {240, 240},
        .primaParola = {240, 1320},
        .pronomi = PronomiSottinteso(3120, 0xC0E0FF, true),
        .variante = {.azzeramento = {A::SfondoPrimaEtichetta, A::AzzeraPronomi, A::TogliEtichette},
                     .didascaliaSottinteso = DidascaliaSottinteso::Pronome,
                     .pronomeSenzaSottinteso = PronomeSenzaSottinteso::Disabilita,
                     .riflussoAllaLarghezza = false,
                     .altezzaBarra = 500},
    };
}

ProgettoSottinteso SottintesoForm15s()
{
    return {
        .istruzione = {480, 360},
        .primaParola = {120, 960},
        .pronomi = PronomiSottinteso(2880, 0xC0FFFF, false),
        .clicPronomi = false,
        .puntatorePersonale = false,
        .variante = {.azzeramento = {A::AzzeraPronomi, A::SfondoPrimaEtichetta, A::TogliEtichette},
                     .didascaliaSottinteso = DidascaliaSottinteso::Pronome,
                     .pronomeSenzaSottinteso = PronomeSenzaSottinteso::Disabilita,
                     .frase = FonteFrase::CaptionsLabel3,
                     .riflussoAllaLarghezza = false},
    };
}

} // namespace

FinestraSottinteso::FinestraSottinteso(Programma& programma, const ProgettoFinestra& progetto,
                                       ProgettoSottinteso sottinteso)
    : FinestraFrase(programma, progetto, sottinteso.variante), sottinteso_(std::move(sottinteso))
{
    ControlliDelCaricamento(c2_);
    UsaPronomi(Pronomi, sottinteso_.clicPronomi);
}

void FinestraSottinteso::CreaControlliEsercizio()
{
    c2_.Label1 = new Etichetta(client());
    c2_.Label1->setCarattere(QStringLiteral("Verdana"), 12);
    c2_.Label1->setBackStyleOpaco(false);
    c2_.Label1->Move(sottinteso_.istruzione.x(), sottinteso_.istruzione.y(), 7335, 495);
    c2_.Label1->setCaption(QStringLiteral("Il soggetto è sempre sottinteso: individualo."));
    c2_.Label1->show();

    Parole.Crea(client(), sottinteso_.primaParola.x(), sottinteso_.primaParola.y(), 15.75, std::nullopt);
    const std::optional<QCursor> puntatore =
        sottinteso_.puntatorePersonale ? std::optional<QCursor>(CursorePersonale(programma_)) : std::nullopt;
    Pronomi.Crea(client(), sottinteso_.pronomi, puntatore);
}

void FinestraSottinteso::SottintesoNominato(int)
{
    SistemaLabel();
}

Form15::Form15(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraSottinteso(programma, progetto, SottintesoForm15())
{
}

Form15s::Form15s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraSottinteso(programma, progetto, SottintesoForm15s()),
      elementi_(programma, Pronomi.Command1, BoxCorrente, PannelloPronomi::ColoreBottone,
                {
                    .sceglibile = [this](int i) { return Pronomi.Command1(i).Enabled(); },
                    .seleziona = [this] { Confermato(); },
                    .finito = [this] { return FraseCompletata; },
                    .prossimo = [this] { CaricaFrase(); },
                    .evidenzia = [this](int) { SistemaShape(); },
                })
{
}

void Form15s::CaricaFrase()
{
    FraseCompletata = false;
    BoxCorrente = 0;
    FinestraSottinteso::CaricaFrase();
}

void Form15s::SistemaShape()
{
    ColoraArray(Pronomi.Command1, FraseInCorso() ? BoxCorrente : -1, PannelloPronomi::ColoreBottone,
                programma_.ColoreScansioneRgb());
}

void Form15s::Confermato()
{
    if (FraseCompletata) {
        CaricaFrase();
        return;
    }
    if (!FraseInCorso() || !Pronomi.Command1.Esiste(BoxCorrente) || !Pronomi.Command1(BoxCorrente).Enabled()) return;
    ControllaSoggetto(BoxCorrente + 1, BoxCorrente);
}

void Form15s::SottintesoNominato(int persona)
{
    FinestraSottinteso::SottintesoNominato(persona);
    FraseCompletata = true;
}
