#include "exercises/sentences/rigaparole.h"

#include "platform/strati.h"

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
    for (int k = 0; k < static_cast<int>(riga.parti.size()); ++k) {
        const ParteFrase& parte = riga.parti[k];
        if (k > 0) {
            if (Label3.Esiste(k)) Label3.Unload(k);
            Etichetta* nuova = Label3.Load(k);
            nuova->setAutoSize(true);
            const Etichetta& prima = Label3(k - 1);
            nuova->Move(prima.Left() + prima.Width(), prima.Top());
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
        if (k > 0) {
            const Etichetta& prima = Label3(k - 1);
            const QPoint p = PosizioneSeguente({prima.Left(), prima.Top()}, prima.Width(), e.Width(), e.Height(),
                                               Label3(0).Left(), limite);
            e.Move(p.x(), p.y());
        }
        if (parte.ruolo) e.setTag(*parte.ruolo);
    }
}

void RigaParole::Riordina(int limite)
{
    if (!Creata()) return;
    const int n = Label3.UBound();
    for (int i = 1; i <= n; ++i) {
        if (!Label3.Esiste(i) || !Label3.Esiste(i - 1)) continue;
        const Etichetta& prima = Label3(i - 1);
        Etichetta& e = Label3(i);
        const QPoint p = PosizioneSeguente({prima.Left(), prima.Top()}, prima.Width(), e.Width(), e.Height(),
                                           Label3(0).Left(), limite);
        e.Move(p.x(), p.y());
    }
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
