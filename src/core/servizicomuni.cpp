#include "servizicomuni.h"

#include "platform/controlli.h"
#include "platform/servizi.h"

void SuonoGiusto(Programma& p)
{
    if (!p.SuoniAttivati) return;
    const int n = p.Casuale(4) + 1;
    p.servizi().Suona(p.PercorsoDati(QStringLiteral("suoni/si%1.wav").arg(n)));
}

void SuonoSbagliato(Programma& p)
{
    if (!p.SuoniAttivati) return;
    p.servizi().Suona(p.PercorsoDati(QStringLiteral("suoni/no.wav")));
}

Colore ColoreCasuale(Programma& p)
{
    const int i = p.Casuale(18) + 1;
    return Colori[static_cast<std::size_t>(i)];
}

bool ScegliColore(Programma& p, QWidget* owner, Etichetta& bersaglio)
{
    const auto scelto = p.servizi().ScegliColore(owner);
    if (!scelto) return false;
    bersaglio.setForeColor(*scelto);
    return true;
}

QString FinestraFile(Programma& p, QWidget* owner, std::int16_t modo, const QString& titolo,
                     const QString& nomeIniziale, const QString& filtro, const QString& cartellaIniziale,
                     const QString& estensione)
{
    if (nomeIniziale.size() > 250) return {};
    // NUL-separated filters become the '|' form; trailing separators are dropped.
    QString f = filtro;
    f.replace(QChar(u'\0'), QChar(u'|'));
    while (f.endsWith(u'|')) f.chop(1);
    const QString scelto =
        p.servizi().FinestraFile(owner, modo == 1, titolo, nomeIniziale, f, cartellaIniziale, estensione);
    if (scelto.size() > LunghezzaMassimaPercorso) return {};
    return scelto;
}

bool ApriDocumento(Programma& p, QWidget* owner, const QString& percorso)
{
    return p.servizi().ApriDocumento(owner, percorso);
}
