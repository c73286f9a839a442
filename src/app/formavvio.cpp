#include "formavvio.h"

#include "core/immagini.h"

#include <QEvent>
#include <QPainter>

FormAvvio::FormAvvio(Programma& p) : Finestra(p.finestre(), QSize(9690, 7005)), p_(p)
{
    setCaption(TitoloProgramma);
    setBackColor(ColoreFinestra);
}

void FormAvvio::CreaControlli()
{
    sfumatura_ = false;
    QWidget* c = client();
    c->installEventFilter(this);

    // The texts stand on the gradient, so their labels are transparent.
    label2_ = new Etichetta(c);
    label2_->setCaption(TitoloProgramma);
    label2_->Move(360, 360, 8655, 4455);
    label2_->setCarattere(QStringLiteral("Comic Sans MS"), 72, true);
    label2_->setForeColor(ColoreTitolo);
    label2_->setBackStyleOpaco(false);
    label2_->setWordWrap(true);

    image1_ = new Immagine(c);
    image1_->Move(840, 5280, 1095, 1095);
    image1_->setPicture(ImmagineAvvio(p_));

    bottoneAvvio_ = new Bottone(c);
    bottoneAvvio_->setCaption(QStringLiteral("Avvio"));
    bottoneAvvio_->Move(2520, 5280, 4110, 1155);
    bottoneAvvio_->setCarattere(QStringLiteral("Comic Sans MS"), 18, true);
    bottoneAvvio_->setPuntatore(CursoreAvvio(p_));
    connect(bottoneAvvio_, &Bottone::Click, this, &FormAvvio::BottoneAvvio_Click);

    label1_ = new Etichetta(c);
    label1_->setCaption(QStringLiteral("07 gennaio 2006"));
    label1_->Move(6720, 5640, 2655, 735);
    label1_->setCarattere(QStringLiteral("Comic Sans MS"), 14.25, true);
    label1_->setForeColor(ColoreTitolo);
    label1_->setBackStyleOpaco(false);
}

void FormAvvio::DistruggiControlli()
{
    sfumatura_ = false;
    label2_ = label1_ = nullptr;
    image1_ = nullptr;
    bottoneAvvio_ = nullptr;
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
