#include "exercises/pairs/finestracoppie.h"

#include "exercises/pairs/listacoppie.h"
#include "frame/limitiliste.h"
#include "platform/file.h"

#include <QFileInfo>

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
    const QString predefinita = programma_.PercorsoDati(QStringLiteral("testifrasolino/soggettopredicato/lista.txt"));
    // No list chosen, or one gone (a hidden file counts as gone): the default one, without a word.
    const QFileInfo scelta(PercorsoLista);
    if (PercorsoLista.isEmpty() || !scelta.exists() || (scelta.isFile() && !file::EsisteFile(PercorsoLista)))
        PercorsoLista = predefinita;

    // A record may run over several lines: the list is bounded by its bytes, the reader stops at
    // the last record kept.
    auto leggi = [](const QString& percorso) -> std::optional<QByteArray> {
        // Something there that is no ordinary file is never opened: a pipe would hold the window up.
        if (!file::EsisteFile(percorso)) return std::nullopt;
        return file::LeggiInizio(percorso, std::numeric_limits<qsizetype>::max(), ByteMassimiLista);
    };
    std::optional<QByteArray> byte = leggi(PercorsoLista);
    if (!byte && PercorsoLista != predefinita) {
        // The teacher's list cannot be read: said, and the default list takes its place.
        AvvisaListaIlleggibile(PercorsoLista);
        PercorsoLista = predefinita;
        byte = leggi(PercorsoLista);
    }
    if (!byte) {
        AvvisaListaIlleggibile(PercorsoLista);
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
