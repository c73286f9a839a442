#include "exercises/sentences/rigaparole.h"

#include "platform/strati.h"
#include "platform/twips.h"

namespace {
using colore::Bianco;
}

Etichetta* RigaParole::Crea(QWidget* area, int left, int top, double punti, const std::optional<QCursor>& puntatore)
{
    auto* e = new Etichetta(area);
    e->setCarattere(QStringLiteral("Verdana"), punti);
    e->setBackColor(Bianco);
    e->Move(left, top, 1050, 375);
    e->setAutoSize(true);
    e->setPuntatore(puntatore);
    e->show();
    carattere_ = e->font();
    prima_ = {e->Left(), e->Top()};
    // The words lie under every other control but the frames and bars drawn under them; the labels
    // created for a sentence go into the same layer.
    MettiNelloStrato(e, Strato::Parole);
    Label3.Progetta(0, e);
    return e;
}

void RigaParole::Costruisci(const RigaFrase& riga, int limite, DidascaliaSottinteso didascalia)
{
    if (!Creata()) return;
    Label3(0).setAutoSize(true);
    const int numero = static_cast<int>(riga.parti.size());
    for (int k = 0; k < numero; ++k) {
        const ParteFrase& parte = riga.parti[k];
        if (k > 0) {
            if (Label3.Esiste(k)) Label3.Unload(k);
            Label3.Load(k)->setAutoSize(true);
        }
        Etichetta& e = Label3(k);
        if (parte.sottinteso) {
            switch (didascalia) {
            case DidascaliaSottinteso::Vuota: e.setCaption(QString()); break;
            case DidascaliaSottinteso::Pronome: e.setCaption(parte.pronome + QLatin1Char(' ')); break;
            case DidascaliaSottinteso::Invariata: break;
            }
            e.setAutoSize(false);
            e.setWidth(0);
            e.hide();
        } else {
            e.setCaption(parte.Didascalia());
            e.show();
        }
        if (parte.ruolo) e.setTag(*parte.ruolo);
    }
    disponi(numero, limite);
}

void RigaParole::Riordina(int limite)
{
    int numero = 0;
    while (Label3.Esiste(numero)) ++numero;
    disponi(numero, limite);
}

void RigaParole::disponi(int numero, int limite)
{
    if (numero < 2) return;
    std::vector<QSize> dimensioni;
    for (int k = 0; k < numero; ++k) dimensioni.emplace_back(Label3(k).Width(), Label3(k).Height());
    const std::vector<QPoint> posizioni = PosizioniParole(dimensioni, {Label3(0).Left(), Label3(0).Top()}, limite);
    for (int k = 1; k < numero; ++k) Label3(k).Move(posizioni[k].x(), posizioni[k].y());
}

std::vector<QRect> RigaParole::Disposizione(const RigaFrase& riga, int limite) const
{
    if (!Creata()) return {};
    const Etichetta& misura = Label3(0);
    const int altezza = twips::daPixel(misura.DimensioniAutomatiche(QString(), carattere_).height());
    std::vector<QSize> dimensioni;
    for (const ParteFrase& parte : riga.parti) {
        const int larghezza =
            parte.sottinteso ? 0 : twips::daPixel(misura.DimensioniAutomatiche(parte.Didascalia(), carattere_).width());
        dimensioni.emplace_back(larghezza, altezza);
    }
    const std::vector<QPoint> posizioni = PosizioniParole(dimensioni, prima_, limite);
    std::vector<QRect> rettangoli;
    for (std::size_t k = 0; k < posizioni.size(); ++k) rettangoli.emplace_back(posizioni[k], dimensioni[k]);
    return rettangoli;
}

void RigaParole::Abilita(bool si)
{
    for (Etichetta& e : Label3) e.setEnabled(si);
}

void RigaParole::setPuntatore(const std::optional<QCursor>& puntatore)
{
    for (Etichetta& e : Label3) e.setPuntatore(puntatore);
}

QString RigaParole::Captions() const
{
    QString s;
    for (const Etichetta& e : Label3) s += e.Caption();
    return s;
}

std::optional<int> RigaParole::PrimaVisibile(int dopo) const
{
    for (auto it = Label3.begin(); it != Label3.end(); ++it)
        if (it.indice() > dopo && (*it).Visible() && !(*it).Caption().isEmpty()) return it.indice();
    return std::nullopt;
}
