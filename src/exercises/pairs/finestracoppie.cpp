#include "exercises/pairs/finestracoppie.h"

#include "exercises/pairs/listacoppie.h"
#include "frame/limitiliste.h"
#include "platform/file.h"

#include <QFileInfo>

#include <limits>
#include <utility>

FinestraCoppie::FinestraCoppie(Programma& programma, const ProgettoFinestra& progetto, ProgettoCoppie coppie,
                               QObject* parent)
    : FinestraEsercizio(programma, progetto, parent), coppie_(std::move(coppie))
{
}

QStringList FinestraCoppie::RigaSoggettoPredicato() const
{
    const int i = programma_.IndiceFrase;
    const bool valido = i >= 0 && i <= MassimoCoppie;
    return {QString::number(Livello), valido ? Soggetti[i] : QString(), valido ? Predicati[i] : QString(), SegniErrore};
}

void FinestraCoppie::SenzaEsercizio()
{
    ListaSenzaElementi(QStringLiteral("La lista in uso non contiene %1: scegli un'altra lista.").arg(coppie_.mancanza));
}

bool FinestraCoppie::ListaSufficiente() const
{
    return coppie::ChiaviDiverse(NumeroCoppie(), [this](int i) { return Utilizzabile(i); },
                                 [this](int i) { return Chiave(i); }) >= coppie_.minimo;
}

void FinestraCoppie::CaricaCoppie()
{
    const QString predefinita = programma_.PercorsoDati(QStringLiteral("testifrasolino/soggettopredicato/lista.txt"));
    // No list chosen, or one gone (a hidden file counts as gone): the default one, without a word.
    const QFileInfo scelta(PercorsoLista);
    if (PercorsoLista.isEmpty() || !scelta.exists() || (scelta.isFile() && !file::EsisteFile(PercorsoLista)))
        PercorsoLista = predefinita;

    ListaAvvisata = false;
    const bool listaScelta = PercorsoLista != predefinita;
    if (listaScelta) {
        // The teacher's list: what is wrong with it is said by its path, and the default list
        // takes its place.
        const bool letta = leggiCoppie(PercorsoLista);
        if (letta && ListaSufficiente()) return;
        const QString difetto =
            letta ? QStringLiteral("La lista scelta non contiene %1:\n%2").arg(coppie_.mancanza, PercorsoLista)
                  : TestoListaIlleggibile(PercorsoLista);
        AvvisaLista(difetto + QStringLiteral("\nAl suo posto uso la lista predefinita."));
        PercorsoLista = predefinita;
    }
    if (!leggiCoppie(PercorsoLista)) {
        AvvisaListaIlleggibile(PercorsoLista);
        ListaAvvisata = true;
    } else if (listaScelta && !ListaSufficiente()) {
        // Just said to be in use: named here, rather than as "la lista in uso" by the draw.
        AvvisaLista(QStringLiteral("La lista predefinita non contiene %1:\n%2\nScegli un'altra lista.")
                        .arg(coppie_.mancanza, PercorsoLista));
        ListaAvvisata = true;
    }
}

bool FinestraCoppie::leggiCoppie(const QString& percorso)
{
    NumeroFrasi = 0;
    // Something there that is no ordinary file is never opened: a pipe would hold the window up.
    // A record may run over several lines: the list is bounded by its bytes, the reader stops at
    // the last record kept.
    const std::optional<QByteArray> byte =
        file::EsisteFile(percorso)
            ? file::LeggiInizio(percorso, std::numeric_limits<qsizetype>::max(), ByteMassimiLista)
            : std::nullopt;
    if (!byte) return false;
    for (const RecordCoppia& r : LeggiListaCoppie(file::Decodifica(*byte), MassimoCoppie, coppie_.lettura)) {
        ++NumeroFrasi;
        // A record without a subject or a predicate leaves that entry empty, never an earlier list's.
        Soggetti[NumeroFrasi].clear();
        Predicati[NumeroFrasi].clear();
        for (const CampoCoppia& campo : {r.primo, r.secondo}) {
            if (campo.codice == CodiceCoppia::Soggetto) Soggetti[NumeroFrasi] = campo.testo;
            if (campo.codice == CodiceCoppia::Predicato) Predicati[NumeroFrasi] = campo.testo;
        }
    }
    return true;
}
