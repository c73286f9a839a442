#include "app/progettifinestre.h"

#include "core/programma.h"
#include "exercises/pairs/finestraabbina.h"
#include "exercises/pairs/finestrasoggettopredicato.h"
#include "exercises/sentences/finestracomplementi.h"
#include "exercises/sentences/finestrariconosci.h"
#include "exercises/sentences/finestrasottinteso.h"
#include "frame/finestrafrasi.h"

#include <array>

namespace {

const QStringList Livelli5 = {"livello 1", "livello 2", "livello 3", "livello 4", "livello 5"};
const QStringList Livelli6 = {"livello 1", "livello 2", "livello 3", "livello 4", "livello 5", "livello 6"};
const QStringList Ordini = {"soggetto - predicato", "predicato - soggetto", "casuale"};

const QString SoggettoPredicato = QStringLiteral("soggetto - predicato");
const QString Abbina = QStringLiteral("abbina soggetto / predicato");
const QString Predicato = QStringLiteral("riconosci il predicato");
const QString Soggetto = QStringLiteral("riconosci il soggetto");
const QString Sottinteso = QStringLiteral("soggetto sottinteso");
const QString Oggetto = QStringLiteral("complemento oggetto");
const QString Complementi = QStringLiteral("complementi");

using L = LayoutGriglia;
using I = ListaIniziale;

} // namespace

const ProgettiEsercizi& Progetti()
{
    static const ProgettiEsercizi t = {
        .Form1 = {.nome = "Form1", .esercizio = SoggettoPredicato, .crea = Crea<Form1>, .client = {8085, 4995},
         .griglia = L::SoggettoPredicato, .lista = I::Coppie, .livelli = Ordini, .livelloSpuntato = 3,
         .grigliaVerdana = true, .livelliConGriglia = true},
        .Form1s = {.nome = "Form1s", .esercizio = SoggettoPredicato, .crea = Crea<Form1s>, .client = {7890, 4995},
         .scansione = true, .griglia = L::SoggettoPredicato, .lista = I::Coppie, .livelli = Ordini,
         .livelloSpuntato = 3, .livelliConGriglia = true},
        .Form3 = {.nome = "Form3", .esercizio = Abbina, .crea = Crea<Form3>, .client = {8790, 7320},
         .menu = BarraMenu::Abbina, .griglia = L::Coppie, .lista = I::Coppie},
        .Form3s = {.nome = "Form3s", .esercizio = Abbina, .crea = Crea<Form3s>, .client = {10800, 7395},
         .scansione = true, .menu = BarraMenu::AbbinaScansione, .griglia = L::Coppie, .lista = I::Coppie,
         .chiedeUscita = false, .pannelloAvanti = false, .puntiBarraStato = 14.25, .timerConGriglia = true,
         .chiudiAlCaricamento = true},
        .Form2 = {.nome = "Form2", .esercizio = Predicato, .crea = Crea<Form2>, .client = {8025, 5835},
         .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true, .livelli = Livelli5,
         .livelloSpuntato = 1},
        .Form2s = {.nome = "Form2s", .esercizio = Predicato, .crea = Crea<Form2s>, .client = {6480, 4425},
         .scansione = true, .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true,
         .livelli = Livelli5, .livelloSpuntato = 1},
        .Form4 = {.nome = "Form4", .esercizio = Soggetto, .crea = Crea<Form4>, .client = {8745, 5715},
         .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true, .livelli = Livelli6,
         .livelloSpuntato = 1},
        .Form4s = {.nome = "Form4s", .esercizio = Soggetto, .crea = Crea<Form4s>, .client = {6705, 4425},
         .scansione = true, .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true,
         .livelli = Livelli5, .livelloSpuntato = 1},
        .Form15 = {.nome = "Form15", .esercizio = Sottinteso, .crea = Crea<Form15>, .client = {8325, 5730},
         .griglia = L::FrasiSottinteso, .lista = I::Sottinteso},
        .Form15s = {.nome = "Form15s", .esercizio = Sottinteso, .crea = Crea<Form15s>, .client = {8325, 5475},
         .scansione = true, .griglia = L::Livelli, .lista = I::Sottinteso, .livelloAlCaricamento = true},
        .Form5 = {.nome = "Form5", .esercizio = Oggetto, .crea = Crea<Form5>, .client = {9915, 6315},
         .lista = I::Oggetto},
        .Form5s = {.nome = "Form5s", .esercizio = Oggetto, .crea = Crea<Form5s>, .client = {10530, 6780},
         .scansione = true, .lista = I::Oggetto},
        .Form7 = {.nome = "Form7", .esercizio = Complementi, .crea = Crea<Form7>, .client = {9840, 6315}},
        .Form7s = {.nome = "Form7s", .esercizio = Complementi, .crea = Crea<Form7s>, .client = {9795, 6315},
         .scansione = true},
        .Form11 = {.nome = "Form11", .esercizio = Complementi, .crea = Crea<Form11>, .client = {9735, 6405}},
        .Form11s = {.nome = "Form11s", .esercizio = Complementi, .crea = Crea<Form11s>, .client = {9780, 6405},
         .scansione = true},
        .Form14 = {.nome = "Form14", .esercizio = Complementi, .crea = Crea<Form14>, .client = {9750, 6825}},
        .Form14s = {.nome = "Form14s", .esercizio = Complementi, .crea = Crea<Form14s>, .client = {9825, 6825},
         .scansione = true},
    };
    return t;
}

namespace {

using P = ProgettiEsercizi;
// Every row, in the order of the table.
constexpr std::array<RigaProgetti, 18> Righe = {
    &P::Form1, &P::Form1s, &P::Form3,  &P::Form3s,  &P::Form2,  &P::Form2s,  &P::Form4,  &P::Form4s,  &P::Form15,
    &P::Form15s, &P::Form5, &P::Form5s, &P::Form7, &P::Form7s, &P::Form11, &P::Form11s, &P::Form14, &P::Form14s,
};
consteval bool OgniRigaUnaVolta()
{
    for (std::size_t i = 0; i < Righe.size(); ++i)
        for (std::size_t j = i + 1; j < Righe.size(); ++j)
            if (Righe[i] == Righe[j]) return false;
    return sizeof(ProgettiEsercizi) == Righe.size() * sizeof(ProgettoFinestra);
}
static_assert(OgniRigaUnaVolta());

} // namespace

const ProgettoFinestra* Progetto(const QString& nome)
{
    for (RigaProgetti r : Righe)
        if ((Progetti().*r).nome == nome) return &(Progetti().*r);
    return nullptr;
}

const QStringList& NomiFinestreEsercizio()
{
    static const QStringList nomi = [] {
        QStringList n;
        for (RigaProgetti r : Righe) n << (Progetti().*r).nome;
        return n;
    }();
    return nomi;
}

std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const ProgettoFinestra& progetto)
{
    std::unique_ptr<FinestraEsercizio> f = progetto.crea(p, progetto);
    f->setCaption(TitoloProgramma + QStringLiteral(" - ") + progetto.esercizio);
    return f;
}

std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    return progetto ? CreaFinestraEsercizio(p, *progetto) : nullptr;
}
