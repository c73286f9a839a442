#include "servizifinti.h"

int ServiziFinti::MsgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo)
{
    const Messaggio m{testo, stile, titolo, owner};
    messaggi.push_back(m);
    if (mentreMessaggio) mentreMessaggio(m);
    if (!risposte.empty()) {
        const int r = risposte.front();
        risposte.pop_front();
        return r;
    }
    return (stile & 7) == msg::YesNo ? msg::RispostaYes : msg::RispostaOK;
}

QString ServiziFinti::FinestraFile(QWidget*, bool apri, const QString& titolo, const QString& nomeIniziale,
                                   const QString& filtro, const QString& cartellaIniziale, const QString& estensione)
{
    richiesteFile.push_back({apri, titolo, nomeIniziale, filtro, cartellaIniziale, estensione});
    if (fileScelti.empty()) return {};
    QString f = fileScelti.front();
    fileScelti.pop_front();
    return f;
}

std::optional<Colore> ServiziFinti::ScegliColore(QWidget*)
{
    ++richiesteColore;
    if (coloriScelti.empty()) return std::nullopt;
    auto c = coloriScelti.front();
    coloriScelti.pop_front();
    return c;
}

void ServiziFinti::Suona(const QString& percorso)
{
    suoni.append(percorso);
}

bool ServiziFinti::ApriDocumento(QWidget*, const QString& percorso)
{
    documenti.append(percorso);
    return esitoDocumento;
}

std::unique_ptr<Stampante> ServiziFinti::NuovaStampante(bool soloPdf)
{
    auto registro = std::make_shared<RegistroStampa>();
    registro->pdf = soloPdf;
    stampe.push_back(registro);
    auto s = std::make_unique<StampanteRegistratrice>(registro);
    s->esitoEndDoc = soloPdf ? true : esitoStampa;
    s->destinazione = soloPdf ? destinazionePdf : destinazioneStampa;
    return s;
}

QStringList ServiziFinti::TestiMessaggi() const
{
    QStringList l;
    for (const auto& m : messaggi) l.append(m.testo);
    return l;
}
