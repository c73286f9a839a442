#include "formavvio.h"

#include "core/immagini.h"

#include <QEvent>
#include <QPainter>

FormAvvio::FormAvvio(Programma& p) : Finestra(p.finestre(), QSize(9690, 7005)), p_(p)
{
    ControlliDelCaricamento(c_);
    setCaption(TitoloProgramma);
    setBackColor(ColoreFinestra);
}

void FormAvvio::CreaControlli()
{
    sfumatura_ = false;
    QWidget* c = client();
    c->installEventFilter(this);

    // The texts stand on the gradient, so their labels are transparent.
    c_.Label2 = new Etichetta(c);
    c_.Label2->setCaption(TitoloProgramma);
    c_.Label2->Move(360, 360, 8655, 4455);
    c_.Label2->setCarattere(QStringLiteral("Comic Sans MS"), 72, true);
    c_.Label2->setForeColor(ColoreTitolo);
    c_.Label2->setBackStyleOpaco(false);
    c_.Label2->setWordWrap(true);

    c_.Image1 = new Immagine(c);
    c_.Image1->Move(840, 5280, 1095, 1095);
    c_.Image1->setPicture(ImmagineAvvio(p_));

    c_.BottoneAvvio = new Bottone(c);
    c_.BottoneAvvio->setCaption(QStringLiteral("Avvio"));
    c_.BottoneAvvio->Move(2520, 5280, 4110, 1155);
    c_.BottoneAvvio->setCarattere(QStringLiteral("Comic Sans MS"), 18, true);
    c_.BottoneAvvio->setPuntatore(CursoreAvvio(p_));
    connect(c_.BottoneAvvio, &Bottone::Click, this, &FormAvvio::BottoneAvvio_Click);

    c_.Label1 = new Etichetta(c);
    c_.Label1->setCaption(QStringLiteral("07 gennaio 2006"));
    c_.Label1->Move(6720, 5640, 2655, 735);
    c_.Label1->setCarattere(QStringLiteral("Comic Sans MS"), 14.25, true);
    c_.Label1->setForeColor(ColoreTitolo);
    c_.Label1->setBackStyleOpaco(false);
}

void FormAvvio::Form_Load()
{
    EssResizer1.RecordLayout(client());
}

void FormAvvio::Form_Activate()
{
    // From now on the gradient is the client area's background, repainted at any size.
    sfumatura_ = true;
    if (QWidget* c = client()) c->update();
}

bool FormAvvio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Paint && sfumatura_ && oggetto == client()) DipingiSfumatura(client());
    return Finestra::eventFilter(oggetto, evento);
}

void FormAvvio::DipingiSfumatura(QWidget* superficie)
{
    QPainter g(superficie);
    const int w = superficie->width();
    const int h = superficie->height();
    // Band i runs from i/256 to (i+1)/256 of the height, so the bands fill it without gaps.
    for (int i = 0; i < BandeSfumatura; ++i) {
        const int alto = i * h / BandeSfumatura;
        const int basso = (i + 1) * h / BandeSfumatura;
        if (basso > alto) g.fillRect(0, alto, w, basso - alto, colore::aQColor(ColoreBanda(i)));
    }
}

void FormAvvio::BottoneAvvio_Click()
{
    if (p_.MostraMenu) p_.MostraMenu();
    Scarica();
}
