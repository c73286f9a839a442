#include "frame/finestrafrasi.h"

#include "frame/limitiliste.h"
#include "platform/file.h"

FinestraFrasi::FinestraFrasi(Programma& programma, const ProgettoFinestra& progetto, QObject* parent)
    : FinestraEsercizio(programma, progetto, parent)
{
}

QString FinestraFrasi::PercorsoInUso() const
{
    return progetto_.ListaDelLancio() ? programma_.FileEsercizio : PercorsoLista;
}

QString FinestraFrasi::PercorsoLivello() const
{
    return programma_.PercorsoDati(QStringLiteral("testifrasolino/Riconoscisoggettopredicato/liv") +
                                   QString::number(Livello) + QStringLiteral(".txt"));
}

void FinestraFrasi::PassiCaricamento()
{
    if (progetto_.livelloAlCaricamento) Livello = 1;
    switch (progetto_.lista) {
    case ListaIniziale::Livello: PercorsoLista = PercorsoLivello(); break;
    case ListaIniziale::Sottinteso:
        PercorsoLista = programma_.PercorsoDati(QStringLiteral("testifrasolino/Riconoscisoggettopredicato/sottinteso.txt"));
        break;
    case ListaIniziale::Oggetto:
        programma_.FileEsercizio = programma_.PercorsoDati(QStringLiteral("testifrasolino/complementi/oggetto.txt"));
        break;
    case ListaIniziale::Complemento:
    case ListaIniziale::Coppie: break;
    }
    CaricaLista();
}

void FinestraFrasi::CaricaLista()
{
    NumeroFrasi = 0;
    Frasi.fill(QString());
    ListaAvvisata = false;

    const QString percorso = PercorsoInUso();
    const std::optional<QStringList> righe =
        file::EsisteFile(percorso) ? file::LeggiRighe(percorso, MassimoRighe, ByteMassimiLista) : std::nullopt;
    if (!righe) {
        AvvisaListaIlleggibile(percorso);
        ListaAvvisata = true;
        return;
    }
    for (const QString& riga : *righe) {
        if (NumeroFrasi >= MassimoRighe) break;
        ++NumeroFrasi;
        const bool vuota = riga.count(QLatin1Char(' ')) == riga.size();
        Frasi[NumeroFrasi] = vuota ? QString() : riga;
    }
}
