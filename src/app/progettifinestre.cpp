#include "app/progettifinestre.h"

#include "core/programma.h"
#include "exercises/pairs/finestraabbina.h"
#include "exercises/pairs/finestrasoggettopredicato.h"
#include "exercises/sentences/finestracomplementi.h"
#include "exercises/sentences/finestrariconosci.h"
#include "exercises/sentences/finestrasottinteso.h"
#include "frame/finestrafrasi.h"

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

const std::vector<ProgettoFinestra>& ProgettiFinestre()
{
    static const std::vector<ProgettoFinestra> t = {
        {.nome = "Form1", .esercizio = SoggettoPredicato, .crea = Crea<Form1>, .client = {8085, 4995},
         .griglia = L::SoggettoPredicato, .lista = I::Coppie, .livelli = Ordini, .livelloSpuntato = 3,
         .grigliaVerdana = true, .livelliConGriglia = true},
        {.nome = "Form1s", .esercizio = SoggettoPredicato, .crea = Crea<Form1s>, .client = {7890, 4995},
         .scansione = true, .griglia = L::SoggettoPredicato, .lista = I::Coppie, .livelli = Ordini,
         .livelloSpuntato = 3, .livelliConGriglia = true},
        {.nome = "Form3", .esercizio = Abbina, .crea = Crea<Form3>, .client = {8790, 7320},
         .menu = BarraMenu::Abbina, .griglia = L::Coppie, .lista = I::Coppie},
        {.nome = "Form3s", .esercizio = Abbina, .crea = Crea<Form3s>, .client = {10800, 7395},
         .scansione = true, .menu = BarraMenu::AbbinaScansione, .griglia = L::Coppie, .lista = I::Coppie,
         .chiedeUscita = false, .pannelloAvanti = false, .puntiBarraStato = 14.25, .timerConGriglia = true,
         .chiudiAlCaricamento = true},
        {.nome = "Form2", .esercizio = Predicato, .crea = Crea<Form2>, .client = {8025, 5835}, .griglia = L::Livelli,
         .lista = I::Livello, .livelloAlCaricamento = true, .livelli = Livelli5, .livelloSpuntato = 1},
        {.nome = "Form2s", .esercizio = Predicato, .crea = Crea<Form2s>, .client = {6480, 4425},
         .scansione = true, .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true,
         .livelli = Livelli5, .livelloSpuntato = 1},
        {.nome = "Form4", .esercizio = Soggetto, .crea = Crea<Form4>, .client = {8745, 5715}, .griglia = L::Livelli,
         .lista = I::Livello, .livelloAlCaricamento = true, .livelli = Livelli6, .livelloSpuntato = 1},
        {.nome = "Form4s", .esercizio = Soggetto, .crea = Crea<Form4s>, .client = {6705, 4425},
         .scansione = true, .griglia = L::Livelli, .lista = I::Livello, .livelloAlCaricamento = true,
         .livelli = Livelli5, .livelloSpuntato = 1},
        {.nome = "Form15", .esercizio = Sottinteso, .crea = Crea<Form15>, .client = {8325, 5730},
         .griglia = L::FrasiSottinteso, .lista = I::Sottinteso},
        {.nome = "Form15s", .esercizio = Sottinteso, .crea = Crea<Form15s>, .client = {8325, 5475},
         .scansione = true, .griglia = L::Livelli, .lista = I::Sottinteso, .livelloAlCaricamento = true},
        {.nome = "Form5", .esercizio = Oggetto, .crea = Crea<Form5>, .client = {9915, 6315},
         .lista = I::Oggetto},
        {.nome = "Form5s", .esercizio = Oggetto, .crea = Crea<Form5s>, .client = {10530, 6780},
         .scansione = true, .lista = I::Oggetto},
        {.nome = "Form7", .esercizio = Complementi, .crea = Crea<Form7>, .client = {9840, 6315}},
        {.nome = "Form7s", .esercizio = Complementi, .crea = Crea<Form7s>, .client = {9795, 6315},
         .scansione = true},
        {.nome = "Form11", .esercizio = Complementi, .crea = Crea<Form11>, .client = {9735, 6405}},
        {.nome = "Form11s", .esercizio = Complementi, .crea = Crea<Form11s>, .client = {9780, 6405},
         .scansione = true},
        {.nome = "Form14", .esercizio = Complementi, .crea = Crea<Form14>, .client = {9750, 6825}},
        {.nome = "Form14s", .esercizio = Complementi, .crea = Crea<Form14s>, .client = {9825, 6825},
         .scansione = true},
    };
    return t;
}

const ProgettoFinestra* Progetto(const QString& nome)
{
    for (const auto& p : ProgettiFinestre())
        if (p.nome == nome) return &p;
    return nullptr;
}

const QStringList& NomiFinestreEsercizio()
{
    static const QStringList nomi = [] {
        QStringList n;
        for (const auto& p : ProgettiFinestre()) n << p.nome;
        return n;
    }();
    return nomi;
}

std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    if (!progetto || !progetto->crea) return nullptr;
    std::unique_ptr<FinestraEsercizio> f = progetto->crea(p, *progetto);
    f->setCaption(TitoloProgramma + QStringLiteral(" - ") + progetto->esercizio);
    return f;
}
