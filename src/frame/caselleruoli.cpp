#include "frame/caselleruoli.h"

#include "platform/strati.h"

CaselleRuoli::CaselleRuoli()
{
    Label4.Collega([this](int i, Etichetta* e) {
        connect(e, &Etichetta::DragDrop, this, [this, i](Etichetta* origine) {
            if (Label4_DragDrop) Label4_DragDrop(i, origine);
        });
    });
}

void CaselleRuoli::Crea(QWidget* area, const std::vector<ProgettoCasella>& caselle, const CarattereCaselle& carattere)
{
    for (int i = 0; i < static_cast<int>(caselle.size()); ++i) {
        const ProgettoCasella& c = caselle[static_cast<std::size_t>(i)];
        auto* box = new Etichetta(area);
        box->setCarattere(carattere.famiglia, carattere.puntiCaselle);
        box->setBackColor(c.sfondo);
        box->setBordo(true);
        box->setWordWrap(true);
        box->setAllineamento(2);
        box->Move(c.left, c.top, c.width, c.height);
        box->setVisible(c.visibile);
        Label4.Progetta(i, box);

        auto* titolo = new Etichetta(area);
        titolo->setCarattere(carattere.famiglia, carattere.puntiIntestazioni, carattere.grassettoIntestazioni);
        titolo->setBackStyleOpaco(false);
        titolo->setCaption(c.intestazione);
        titolo->setAllineamento(2);
        titolo->Move(c.leftIntestazione, c.topIntestazione, c.widthIntestazione, c.heightIntestazione);
        titolo->setVisible(c.visibile);
        Label6.Progetta(i, titolo);
    }
}

void CaselleRuoli::Mostra(int ultima)
{
    for (int i = 0; i <= ultima; ++i) {
        if (Label4.Esiste(i)) Label4(i).show();
        if (Label6.Esiste(i)) Label6(i).show();
    }
}

void CaselleRuoli::Svuota()
{
    for (Etichetta& e : Label4) e.setCaption(QString());
}

void CaselleRuoli::IntestazioniDavanti()
{
    for (Etichetta& e : Label6) MettiNelloStrato(&e, Strato::Caselle);
}
