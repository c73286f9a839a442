#include "exercises/pairs/finestracoppie.h"

#include "exercises/pairs/listacoppie.h"
#include "platform/file.h"

#include <QFile>

FinestraCoppie::FinestraCoppie(Programma& programma, const ProgettoFinestra& progetto, QObject* parent)
    : FinestraEsercizio(programma, progetto, parent)
{
}

void FinestraCoppie::ProssimoElemento()
{
    if (Abbina())
        NuovoEsercizio();
    else
        NuovaFrase();
}

void FinestraCoppie::PassiCaricamento()
{
    if (Abbina()) NumeroRighe = 9;
    CaricaCoppie();
    // The mouse placement window shows its first pair from the moment it is on screen.
    if (!Abbina() && !progetto_.scansione) NuovaFrase();
}

void FinestraCoppie::Attivazione()
{
    if (Abbina()) {
        ImpostaGriglia();
        NuovoEsercizio();
        return;
    }
    Livello = 3;
    if (progetto_.scansione) NuovaFrase();
    ImpostaGriglia();
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
    if (PercorsoLista.isEmpty() || !file::EsisteFile(PercorsoLista))
        PercorsoLista = programma_.PercorsoDati(QStringLiteral("testifrasolino/soggettopredicato/lista.txt"));

    QFile f(PercorsoLista);
    if (!f.open(QIODevice::ReadOnly)) {
        programma_.servizi().MsgBox(widget(), QStringLiteral("Non riesco a leggere la lista:\n") + PercorsoLista,
                                    msg::Critical, TitoloProgramma);
        return;
    }
    const std::vector<RecordCoppia> record = LeggiListaCoppie(file::Decodifica(f.readAll()));
    for (const RecordCoppia& r : record) {
        if (NumeroFrasi >= MassimoCoppie) break;
        ++NumeroFrasi;
        for (const CampoCoppia& campo : {r.primo, r.secondo}) {
            if (campo.codice == 0) Soggetti[NumeroFrasi] = campo.testo;
            if (campo.codice == 1) Predicati[NumeroFrasi] = campo.testo;
        }
    }
}
