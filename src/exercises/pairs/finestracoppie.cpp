#include "exercises/pairs/finestracoppie.h"

#include "exercises/pairs/listacoppie.h"
#include "frame/limitiliste.h"
#include "platform/file.h"

#include <limits>

FinestraCoppie::FinestraCoppie(Programma& programma, const ProgettoFinestra& progetto, LetturaCampi lettura,
                               QObject* parent)
    : FinestraEsercizio(programma, progetto, parent), lettura_(lettura)
{
}

QStringList FinestraCoppie::RigaSoggettoPredicato() const
{
    const int i = programma_.IndiceFrase;
    const bool valido = i >= 0 && i <= MassimoCoppie;
    return {QString::number(Livello), valido ? Soggetti[i] : QString(), valido ? Predicati[i] : QString(), SegniErrore};
}

void FinestraCoppie::CaricaCoppie()
{
    NumeroFrasi = 0;
    ListaLetta = false;
    if (PercorsoLista.isEmpty() || !file::EsisteFile(PercorsoLista))
        PercorsoLista = programma_.PercorsoDati(QStringLiteral("testifrasolino/soggettopredicato/lista.txt"));

    // A record may run over several lines: the list is bounded by its bytes, the reader stops at
    // the last record kept.
    const std::optional<QByteArray> byte =
        file::LeggiInizio(PercorsoLista, std::numeric_limits<qsizetype>::max(), ByteMassimiLista);
    if (!byte) {
        programma_.servizi().MsgBox(widget(), QStringLiteral("Non riesco a leggere la lista:\n") + PercorsoLista,
                                    msg::Critical, TitoloProgramma);
        return;
    }
    ListaLetta = true;
    for (const RecordCoppia& r : LeggiListaCoppie(file::Decodifica(*byte), MassimoCoppie, lettura_)) {
        ++NumeroFrasi;
        // A record without a subject or a predicate leaves that entry empty, never an earlier list's.
        Soggetti[NumeroFrasi].clear();
        Predicati[NumeroFrasi].clear();
        for (const CampoCoppia& campo : {r.primo, r.secondo}) {
            if (campo.codice == CodiceCoppia::Soggetto) Soggetti[NumeroFrasi] = campo.testo;
            if (campo.codice == CodiceCoppia::Predicato) Predicati[NumeroFrasi] = campo.testo;
        }
    }
}
