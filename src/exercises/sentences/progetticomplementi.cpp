// The designs of the complement windows: the boxes and their headings, the first part, the pronoun
// frame, the help button and the rules each window follows.
#include "exercises/sentences/finestracomplementi.h"

#include <algorithm>
#include <array>

namespace {

using A = Azzeramento;

using colore::Bianco;
constexpr Colore VerdeChiaro = 0x80FF80;
constexpr Colore Rosa = 0xFFC0FF;
constexpr Colore Giallo = 0xC0FFFF;

constexpr int AltezzaIntestazione = 285;

const QStringList Intestazioni = {
    "soggetto",
    " predicato",
    "complemento oggetto",
    "complemento di specificazione",
    "complemento di termine",
    "complemento di causa",
    "complemento di mezzo",
    "complemento di compagnia/unione",
    "complemento di luogo",
};

const QStringList IntestazioniModoTempo = {
    "soggetto",
    " predicato",
    "complemento oggetto",
    "comp. di specificazione",
    "complemento di termine",
    "complemento di causa",
    "complemento di mezzo",
    "comp. compagnia/unione",
    "complemento di luogo",
    "complemento di modo",
    "complemento di tempo",
};

// How the boxes stand: three to a row in index order, each row with its heading row.
struct FileCaselle {
    std::array<int, 3> colonne;
    int larghezza;
    int altezza;
    std::vector<int> righe;             // top of each row of boxes
    std::vector<int> righeIntestazioni; // top of each row of headings
    std::array<Colore, 3> colori;       // box 0, box 1, the others
    bool visibili;                      // shown as designed
};

std::vector<ProgettoCasella> Caselle(const QStringList& intestazioni, int numero, const FileCaselle& f)
{
    std::vector<ProgettoCasella> caselle;
    for (int i = 0; i < numero; ++i) {
        const auto riga = static_cast<std::size_t>(i / 3);
        const int left = f.colonne[static_cast<std::size_t>(i % 3)];
        caselle.push_back({.left = left,
                           .top = f.righe[riga],
                           .width = f.larghezza,
                           .height = f.altezza,
                           .sfondo = f.colori[static_cast<std::size_t>(std::min(i, 2))],
                           .intestazione = intestazioni[i],
                           .leftIntestazione = left,
                           .topIntestazione = f.righeIntestazioni[riga],
                           .widthIntestazione = f.larghezza,
                           .heightIntestazione = AltezzaIntestazione,
                           .visibile = f.visibili});
    }
    return caselle;
}

ProgettoPronomi Pronomi(int top, int width, const QString& caption2 = QStringLiteral("egli - esso - ella - essa "))
{
    return {.top = top, .width = width, .height = 1335, .colonne = {960, 2640, 4200}, .caption2 = caption2};
}

// The mouse windows with help: the sentence's resets, the pronoun frame hidden first.
VarianteFrase VarianteConAiuto()
{
    return {.azzeramento = {A::NascondiPronomi, A::SfondoPrimaEtichetta, A::MostraCaselle, A::MostraAiuto,
                            A::AzzeraPronomi, A::TogliEtichette, A::SvuotaCaselle}};
}

// The scanning copies with help: the first part's caption is emptied too.
VarianteFrase VarianteScansioneConAiuto()
{
    return {.azzeramento = {A::SfondoPrimaEtichetta, A::SvuotaPrimaEtichetta, A::MostraCaselle, A::MostraAiuto,
                            A::NascondiPronomi, A::AzzeraPronomi, A::TogliEtichette, A::SvuotaCaselle}};
}

const FileCaselle CaselleForm7 = {{240, 3360, 6480}, 3015, 900, {120, 1560}, {1080, 2520}, {VerdeChiaro, Rosa, Giallo}, false};
const FileCaselle CaselleForm11 = {{240, 3360, 6480}, 3015, 585, {120, 1080, 2040}, {720, 1680, 2640},
                                   {Bianco, Bianco, Bianco}, false};
const FileCaselle CaselleForm14 = {{240, 3360, 6480}, 3015, 540, {120, 960, 1920, 2880}, {630, 1560, 2520, 3480},
                                   {VerdeChiaro, Rosa, Giallo}, false};
const CarattereCaselle CarattereForm7 = {.puntiCaselle = 12, .puntiIntestazioni = 8.25, .grassettoIntestazioni = false};
const CarattereCaselle CarattereForm11 = {.puntiIntestazioni = 8.25, .grassettoIntestazioni = false};

} // namespace

ProgettoComplementi ComplementiForm5()
{
    return {
        .left = 240,
        .top = 2040,
        .punti = 15.75,
        .intestazioniDavanti = false,
        .caselle = Caselle(Intestazioni, 3,
                           {{120, 3360, 6600}, 3135, 900, {720}, {360}, {VerdeChiaro, Rosa, Giallo}, true}),
        .carattere = {.puntiCaselle = 12},
        .pronomi = Pronomi(4440, 9615),
        .punteggio = complementi::Punteggio::OgniRisposta,
        .variante = {.azzeramento = {A::NascondiPronomi, A::SfondoPrimaEtichetta, A::AzzeraPronomi,
                                     A::TogliEtichette, A::SvuotaCaselle}},
    };
}

ProgettoComplementi ComplementiForm7()
{
    return {
        .left = 480,
        .top = 3240,
        .caselle = Caselle(Intestazioni, 6, CaselleForm7),
        .carattere = CarattereForm7,
        .pronomi = Pronomi(4440, 9495),
        .aiuto = QRect(7680, 4920, 1335, 855),
        .variante = VarianteConAiuto(),
    };
}

ProgettoComplementi ComplementiForm11()
{
    return {
        .left = 360,
        .top = 3360,
        .caselle = Caselle(Intestazioni, 9, CaselleForm11),
        .carattere = CarattereForm11,
        .pronomi = Pronomi(4560, 9495),
        .aiuto = QRect(7800, 4800, 1335, 855),
        .variante = VarianteConAiuto(),
    };
}

ProgettoComplementi ComplementiForm14()
{
    return {
        .left = 360,
        .top = 3840,
        .caselle = Caselle(IntestazioniModoTempo, 11, CaselleForm14),
        .pronomi = Pronomi(4920, 9495),
        .aiuto = QRect(7680, 5400, 1335, 855),
        .variante = VarianteConAiuto(),
    };
}

ProgettoComplementi ComplementiForm5s()
{
    // The sentence stands above the boxes, the boxes above the pronoun frame.
    return {
        .left = 360,
        .top = 840,
        .punti = 15.75,
        .puntatoreMano = false,
        .cursoreDiSistema = false,
        .trascina = false,
        .intestazioniDavanti = false,
        .caselle = Caselle(Intestazioni, 3,
                           {{360, 3720, 7080}, 3135, 900, {3240}, {2880}, {Bianco, Bianco, Bianco}, true}),
        .carattere = {.puntiCaselle = 12},
        .pronomi = Pronomi(4440, 9615, QStringLiteral("egli - esso - ella - essa")),
        .punteggio = complementi::Punteggio::OgniRisposta,
        .pronomiAlClic = false,
        .variante = {.azzeramento = {A::NascondiPronomi, A::SfondoPrimaEtichetta, A::SvuotaPrimaEtichetta,
                                     A::AzzeraPronomi, A::TogliEtichette, A::SvuotaCaselle}},
        .sceltaCaselle = complementi::SceltaCaselle::VisibiliVuote,
        .barraInColoreScansione = true,
    };
}

ProgettoComplementi ComplementiForm7s()
{
    FileCaselle caselle = CaselleForm7;
    caselle.colori = {Bianco, Bianco, Bianco};
    return {
        .left = 480,
        .top = 3240,
        .puntatoreMano = false,
        .cursoreDiSistema = false,
        .trascina = false,
        .caselle = Caselle(Intestazioni, 6, caselle),
        .carattere = CarattereForm7,
        .pronomi = Pronomi(4440, 9495),
        .aiuto = QRect(7680, 4920, 1335, 855),
        .regoleAiuto = {.marcaParti = false, .rigaGriglia = false},
        .pronomiAlClic = false,
        .variante = VarianteScansioneConAiuto(),
        .aiutoOgniFrase = true,
        .barraInColoreScansione = true,
    };
}

ProgettoComplementi ComplementiForm11s()
{
    return {
        .left = 360,
        .top = 3360,
        .puntatoreMano = false,
        .cursoreDiSistema = false,
        .trascina = false,
        .caselle = Caselle(Intestazioni, 9, CaselleForm11),
        .carattere = CarattereForm11,
        .pronomi = Pronomi(4560, 9495),
        .aiuto = QRect(7800, 4800, 1335, 855),
        .regoleAiuto = {.marcaParti = true, .rigaGriglia = false},
        .pronomiAlClic = false,
        .variante = VarianteScansioneConAiuto(),
        .aiutoOgniFrase = true,
    };
}

ProgettoComplementi ComplementiForm14s()
{
    return {
        .left = 360,
        .top = 3840,
        .cursoreDiSistema = false,
        .caselle = Caselle(IntestazioniModoTempo, 11, CaselleForm14),
        .pronomi = Pronomi(4920, 9495),
        .aiuto = QRect(7680, 5400, 1335, 855),
        .regoleAiuto = {.marcaParti = false, .rigaGriglia = false},
        .variante = VarianteScansioneConAiuto(),
        .aiutoOgniFrase = true,
    };
}
