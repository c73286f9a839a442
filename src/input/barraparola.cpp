#include "barraparola.h"

#include "disegnoscansione.h"

#include "platform/strati.h"

void BarraParola::Crea(QWidget* area, const ProgettoBarra& p)
{
    Shape = new Forma(area);
    Shape->setBorderWidth(p.bordo);
    Shape->setBorderColor(p.colore);
    Shape->Move(0, 0, p.width, 15);
    Shape->setVisible(p.visibile);
    MettiNelloStrato(Shape, Strato::Segni);

    LabelDim = new Etichetta(area);
    LabelDim->setCaption(QStringLiteral(" "));
    LabelDim->setBackColor(colore::Bianco);
    LabelDim->Move(0, 0, p.larghezzaSpazio, 375);
    LabelDim->hide();
}

void BarraParola::Sotto(const Etichetta& parola)
{
    if (!Shape || !LabelDim) return;
    const QRect r = BarraSotto(QRect(parola.Left(), parola.Top(), parola.Width(), parola.Height()),
                               LabelDim->Width(), Shape->Height());
    Shape->Move(r.x(), r.y(), r.width(), r.height());
}
