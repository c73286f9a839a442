#include "frame/progetto.h"

#include <vector>

namespace {

const QStringList Livelli5 = {"livello 1", "livello 2", "livello 3", "livello 4", "livello 5"};
const QStringList Livelli6 = {"livello 1", "livello 2", "livello 3", "livello 4", "livello 5", "livello 6"};
const QStringList Ordini = {"soggetto - predicato", "predicato - soggetto", "casuale"};

const std::vector<ProgettoFinestra>& Tabella()
{
    using L = LayoutGriglia;
    using M = BarraMenu;
    using I = ListaIniziale;
    using F = FonteFrase;
    static const std::vector<ProgettoFinestra> t = {
        {"Form1", {8085, 4995}, false, M::Normale, L::SoggettoPredicato, F::TestoFrase, I::Coppie, false, Ordini, 3, true},
        {"Form1s", {7890, 4995}, true, M::Normale, L::SoggettoPredicato, F::TestoFrase, I::Coppie, false, Ordini, 1, false},
        {"Form3", {8790, 7320}, false, M::Abbina, L::Coppie, F::TestoFrase, I::Coppie, false, {}, 0, false},
        {"Form3s", {10800, 7395}, true, M::AbbinaScansione, L::Coppie, F::TestoFrase, I::Coppie, false, {}, 0, false},
        {"Form2", {8025, 5835}, false, M::Normale, L::Livelli, F::CaptionsLabel3, I::Livello, true, Livelli5, 1, false},
        {"Form2s", {6480, 4425}, true, M::Normale, L::Livelli, F::CaptionsLabel3, I::Livello, true, Livelli5, 1, false},
        {"Form4", {8745, 5715}, false, M::Normale, L::Livelli, F::TestoFrase, I::Livello, true, Livelli6, 1, false},
        {"Form4s", {6705, 4425}, true, M::Normale, L::Livelli, F::CaptionsLabel3, I::Livello, true, Livelli5, 1, false},
        {"Form15", {8325, 5730}, false, M::Normale, L::FrasiSottinteso, F::TestoFrase, I::Sottinteso, false, {}, 0, false},
        {"Form15s", {8325, 5475}, true, M::Normale, L::Livelli, F::CaptionsLabel3, I::Sottinteso, true, {}, 0, false},
        {"Form5", {9915, 6315}, false, M::Normale, L::Frasi, F::TestoFrase, I::Oggetto, false, {}, 0, false},
        {"Form5s", {10530, 6780}, true, M::Normale, L::Frasi, F::TestoFrase, I::Oggetto, false, {}, 0, false},
        {"Form7", {9840, 6315}, false, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
        {"Form7s", {9795, 6315}, true, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
        {"Form11", {9735, 6405}, false, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
        {"Form11s", {9780, 6405}, true, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
        {"Form14", {9750, 6825}, false, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
        {"Form14s", {9825, 6825}, true, M::Normale, L::Frasi, F::TestoFrase, I::Complemento, false, {}, 0, false},
    };
    return t;
}

} // namespace

const ProgettoFinestra* Progetto(const QString& nome)
{
    for (const auto& p : Tabella())
        if (p.nome == nome) return &p;
    return nullptr;
}

const QStringList& NomiFinestreEsercizio()
{
    static const QStringList nomi = [] {
        QStringList n;
        for (const auto& p : Tabella()) n << p.nome;
        return n;
    }();
    return nomi;
}

QList<int> UnitaColonne(LayoutGriglia layout)
{
    switch (layout) {
    case LayoutGriglia::Coppie: return {1, 1, 7, 7};
    case LayoutGriglia::Livelli: return {1, 1, 10, 3};
    case LayoutGriglia::SoggettoPredicato: return {1, 1, 6, 6, 2};
    case LayoutGriglia::Frasi: return {1, 10, 3};
    case LayoutGriglia::FrasiSottinteso: return {1, 10, 4};
    }
    return {};
}
