#include "controlli.h"

#include "contorno.h"
#include "registrotasti.h"
#include "strati.h"
#include "twips.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cmath>

// ---------------------------------------------------------------------------------------------
// Twips geometry

template <class Base>
int ControlloTwips<Base>::Left() const
{
    return twips::daPixel(Rettangolo().x());
}

template <class Base>
int ControlloTwips<Base>::Top() const
{
    return twips::daPixel(Rettangolo().y());
}

template <class Base>
int ControlloTwips<Base>::Width() const
{
    return twips::daPixel(Rettangolo().width());
}

template <class Base>
int ControlloTwips<Base>::Height() const
{
    return twips::daPixel(Rettangolo().height());
}

template <class Base>
void ControlloTwips<Base>::setLeft(int tw)
{
    QRect r = Rettangolo();
    r.moveLeft(twips::aPixel(tw));
    setRettangolo(r);
}

template <class Base>
void ControlloTwips<Base>::setTop(int tw)
{
    QRect r = Rettangolo();
    r.moveTop(twips::aPixel(tw));
    setRettangolo(r);
}

template <class Base>
void ControlloTwips<Base>::setWidth(int tw)
{
    QRect r = Rettangolo();
    r.setWidth(std::max(0, twips::aPixel(tw)));
    setRettangolo(r);
}

template <class Base>
void ControlloTwips<Base>::setHeight(int tw)
{
    QRect r = Rettangolo();
    r.setHeight(std::max(0, twips::aPixel(tw)));
    setRettangolo(r);
}

template <class Base>
void ControlloTwips<Base>::Move(int left, int top)
{
    QRect r = Rettangolo();
    r.moveTo(twips::aPixel(left), twips::aPixel(top));
    setRettangolo(r);
}

template <class Base>
void ControlloTwips<Base>::Move(int left, int top, int width, int height)
{
    setRettangolo(QRect(twips::aPixel(left), twips::aPixel(top), std::max(0, twips::aPixel(width)),
                        std::max(0, twips::aPixel(height))));
}

template <class Base>
void ControlloTwips<Base>::setPuntatore(const std::optional<QCursor>& cursore)
{
    puntatore_ = cursore;
    if (cursore)
        this->setCursor(*cursore);
    else
        this->unsetCursor();
}

template <class Base>
void ControlloTwips<Base>::setCarattere(const QString& famiglia, double punti, bool grassetto, bool corsivo)
{
    QFont f(famiglia);
    if (punti > 0) f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    this->setFont(f);
}

template class ControlloTwips<QLabel>;
template class ControlloTwips<QPushButton>;
template class ControlloTwips<QCheckBox>;
template class ControlloTwips<QRadioButton>;
template class ControlloTwips<QGroupBox>;
template class ControlloTwips<QScrollBar>;
template class ControlloTwips<QWidget>;

namespace {

QString NomeColore(Colore c)
{
    return colore::aQColor(c).name(QColor::HexRgb);
}

// The private drag payload: this process and the address of the dragged label.
const QString TipoMimeEtichetta = QStringLiteral("application/x-frasolino-etichetta");

QByteArray CodificaOrigine(const Etichetta* e)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(reinterpret_cast<quintptr>(e));
}

// The label a drag event names: the drag's source when it is a label, else the label that the
// private payload names, provided it is a label of this process that still exists.
Etichetta* OrigineDi(const QDropEvent* e)
{
    if (auto* s = qobject_cast<Etichetta*>(e->source())) return s;
    const QMimeData* m = e->mimeData();
    if (!m || !m->hasFormat(TipoMimeEtichetta)) return nullptr;
    const QList<QByteArray> parti = m->data(TipoMimeEtichetta).split(' ');
    if (parti.size() != 2) return nullptr;
    bool ok1 = false, ok2 = false;
    const qint64 pid = parti[0].toLongLong(&ok1);
    const quintptr indirizzo = parti[1].toULongLong(&ok2);
    if (!ok1 || !ok2 || pid != QCoreApplication::applicationPid()) return nullptr;
    const auto widgets = QApplication::allWidgets();
    for (QWidget* w : widgets)
        if (reinterpret_cast<quintptr>(w) == indirizzo) return qobject_cast<Etichetta*>(w);
    return nullptr;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Etichetta

Etichetta::Etichetta(QWidget* parent) : ControlloTwips<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
    setIndent(0);
    setAcceptDrops(true);
    setMouseTracking(true);
    setAllineamento(0);
    aggiornaStile();
}

QString Etichetta::Caption() const
{
    return text();
}

void Etichetta::setCaption(const QString& testo)
{
    setText(testo);
    if (autoSize_) adattaDimensioni();
}

void Etichetta::setBackColor(Colore c)
{
    sfondo_ = c;
    aggiornaStile();
}

void Etichetta::setForeColor(Colore c)
{
    testo_ = c;
    aggiornaStile();
}

void Etichetta::setBackStyleOpaco(bool opaco)
{
    opaco_ = opaco;
    aggiornaStile();
}

void Etichetta::setAutoSize(bool si)
{
    autoSize_ = si;
    if (si) adattaDimensioni();
}

void Etichetta::setBordo(bool fisso)
{
    bordo_ = fisso;
    if (fisso) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    if (autoSize_) adattaDimensioni();
}

void Etichetta::setAllineamento(int a)
{
    allineamento_ = a;
    Qt::Alignment h = Qt::AlignLeft;
    if (a == 1) h = Qt::AlignRight;
    if (a == 2) h = Qt::AlignHCenter;
    setAlignment(h | Qt::AlignTop);
}

void Etichetta::aggiornaStile()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colore::aQColor(sfondo_));
    p.setColor(QPalette::Active, QPalette::WindowText, colore::aQColor(testo_));
    p.setColor(QPalette::Inactive, QPalette::WindowText, colore::aQColor(testo_));
    p.setColor(QPalette::Disabled, QPalette::WindowText, colore::aQColor(grigia_ ? colore::TestoGrigio(sfondo_) : testo_));
    setPalette(p);
    setAutoFillBackground(opaco_);
}

void Etichetta::setGrigiaSeDisabilitata(bool si)
{
    grigia_ = si;
    aggiornaStile();
}

QSize Etichetta::DimensioniAutomatiche(const QString& testo, const QFont& carattere) const
{
    const QFontMetricsF fm(carattere);
    const int bordi = 2 * (frameWidth() + margin());
    // horizontalAdvance counts trailing blanks, which are part of a caption's width.
    return {static_cast<int>(std::ceil(fm.horizontalAdvance(testo))) + bordi,
            static_cast<int>(std::ceil(fm.height())) + bordi};
}

void Etichetta::adattaDimensioni()
{
    if (wordWrap()) {
        resize(width(), heightForWidth(width()));
        return;
    }
    resize(DimensioniAutomatiche(text(), font()));
}

void Etichetta::changeEvent(QEvent* e)
{
    ControlloTwips<QLabel>::changeEvent(e);
    if (e->type() == QEvent::FontChange && autoSize_) adattaDimensioni();
}

Etichetta* Etichetta::Clona() const
{
    auto* c = new Etichetta(parentWidget());
    c->hide();
    c->setFont(font());
    c->setWordWrap(wordWrap());
    c->setBordo(bordo_);
    c->setAllineamento(allineamento_);
    c->setText(text());
    c->setGeometry(geometry());
    c->sfondo_ = sfondo_;
    c->testo_ = testo_;
    c->opaco_ = opaco_;
    c->grigia_ = grigia_;
    c->aggiornaStile();
    c->setEnabled(isEnabled());
    c->setPuntatore(puntatore_);
    c->trascina_ = trascina_;
    c->tag_ = tag_;
    c->autoSize_ = autoSize_;
    c->setToolTip(toolTip());
    MettiNelloStrato(c, StratoDi(this));
    return c;
}

QMimeData* Etichetta::DatiTrascinamento() const
{
    auto* dati = new QMimeData;
    dati->setData(TipoMimeEtichetta, CodificaOrigine(this));
    return dati;
}

void Etichetta::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        ControlloTwips<QLabel>::mousePressEvent(e);
        return;
    }
    e->accept();
    if (!trascina_) {
        premuto_ = true;
        return;
    }
    // Automatic drag: the drag starts with the press, and there is no click.
    premuto_ = false;
    QPointer<Etichetta> io(this);
    auto* drag = new QDrag(this);
    drag->setMimeData(DatiTrascinamento());
    if (width() > 0 && height() > 0) {
        drag->setPixmap(grab());
        drag->setHotSpot(e->position().toPoint());
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    // The drag held the keys: a key let go meanwhile was seen by nobody.
    if (RegistroTasti* tasti = RegistroTasti::Installato()) tasti->Verifica();
    // The drop may have removed this label; nothing more to do here either way.
    Q_UNUSED(io);
}

void Etichetta::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        ControlloTwips<QLabel>::mouseReleaseEvent(e);
        return;
    }
    e->accept();
    const bool eraPremuto = premuto_;
    premuto_ = false;
    if (eraPremuto && rect().contains(e->position().toPoint())) emit Click();
}

void Etichetta::mouseMoveEvent(QMouseEvent* e)
{
    ControlloTwips<QLabel>::mouseMoveEvent(e);
    emit MouseMove();
}

void Etichetta::dragEnterEvent(QDragEnterEvent* e)
{
    if (OrigineDi(e)) {
        e->setDropAction(Qt::MoveAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void Etichetta::dragMoveEvent(QDragMoveEvent* e)
{
    if (OrigineDi(e)) {
        e->setDropAction(Qt::MoveAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void Etichetta::dropEvent(QDropEvent* e)
{
    Etichetta* origine = OrigineDi(e);
    if (!origine) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    Rilascia(origine);
}

// ---------------------------------------------------------------------------------------------
// Bottone

Bottone::Bottone(QWidget* parent) : ControlloTwips<QPushButton>(parent), testo_(new QLabel(this))
{
    testo_->setAlignment(Qt::AlignCenter);
    testo_->setWordWrap(true);
    testo_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &Bottone::Click);
    setBackColor(sfondo_);
}

void Bottone::setText(const QString& testo)
{
    QPushButton::setText(testo);
    testo_->setText(testo);
}

void Bottone::resizeEvent(QResizeEvent* e)
{
    ControlloTwips<QPushButton>::resizeEvent(e);
    testo_->setGeometry(rect().adjusted(3, 2, -3, -2));
}

void Bottone::changeEvent(QEvent* e)
{
    ControlloTwips<QPushButton>::changeEvent(e);
    if (e->type() == QEvent::FontChange) testo_->setFont(font());
}

void Bottone::setBackColor(Colore c)
{
    sfondo_ = c;
    const QString sfondo = NomeColore(c);
    const QString premuto = colore::aQColor(c).darker(115).name(QColor::HexRgb);
    // Disabled on the resting face, the caption is greyed (not available), still readable at 4.5:1.
    // On a face of any other colour, which tells the learner something (green: the right answer),
    // it stays legible.
    const QString disabilitato = NomeColore(c == colore::GrigioChiaro ? colore::TestoGrigio(c) : colore::TestoLeggibile(c));
    // The button's own text is drawn by the wrapping label on top of it.
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: transparent; border: 1px solid #808080;"
                                 " padding: 2px; }"
                                 "QLabel { color: #000000; background: transparent; }"
                                 "QLabel:disabled { color: %3; }"
                                 "QPushButton:focus { border: 2px solid #000000; }"
                                 "QPushButton:pressed { background-color: %2; }"
                                 "QPushButton:disabled { color: transparent; border: 1px solid #b0b0b0; }")
                      .arg(sfondo, premuto, disabilitato));
}

void Bottone::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) {
        ControlloTwips<QPushButton>::keyPressEvent(e);
        return;
    }
    e->accept();
    click();
}

Bottone* Bottone::Clona() const
{
    auto* c = new Bottone(parentWidget());
    c->hide();
    c->setFont(font());
    c->setText(text());
    c->setGeometry(geometry());
    c->setBackColor(sfondo_);
    c->setEnabled(isEnabled());
    c->setPuntatore(puntatore_);
    c->tag_ = tag_;
    c->setToolTip(toolTip());
    MettiNelloStrato(c, StratoDi(this));
    return c;
}

// ---------------------------------------------------------------------------------------------
// CasellaSpunta, Opzione, Cornice, BarraOrizzontale, Immagine

CasellaSpunta::CasellaSpunta(QWidget* parent) : ControlloTwips<QCheckBox>(parent)
{
    setMouseTracking(true);
    connect(this, &QCheckBox::toggled, this, [this] { emit Click(); });
    setBackColor(sfondo_);
}

void CasellaSpunta::setValue(int v)
{
    setChecked(v != 0);
}

void CasellaSpunta::setBackColor(Colore c)
{
    sfondo_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, colore::aQColor(c));
    setPalette(p);
    setAutoFillBackground(true);
}

void CasellaSpunta::mouseMoveEvent(QMouseEvent* e)
{
    ControlloTwips<QCheckBox>::mouseMoveEvent(e);
    emit MouseMove();
}

Opzione::Opzione(QWidget* parent) : ControlloTwips<QRadioButton>(parent)
{
    connect(this, &QRadioButton::toggled, this, [this](bool attiva) {
        if (attiva) emit Click();
    });
}

void Opzione::setValue(bool v)
{
    if (v) {
        setChecked(true);
        return;
    }
    // An exclusive option cannot be cleared directly.
    const bool esclusiva = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(esclusiva);
}

Cornice::Cornice(QWidget* parent) : ControlloTwips<QGroupBox>(parent)
{
    setBackColor(sfondo_);
}

void Cornice::setBackColor(Colore c)
{
    sfondo_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, colore::aQColor(c));
    setPalette(p);
    setAutoFillBackground(true);
}

BarraOrizzontale::BarraOrizzontale(QWidget* parent) : ControlloTwips<QScrollBar>(Qt::Horizontal, parent)
{
    connect(this, &QScrollBar::valueChanged, this, &BarraOrizzontale::Change);
}

Immagine::Immagine(QWidget* parent) : ControlloTwips<QLabel>(parent)
{
    setScaledContents(true);
}

void Immagine::setPicture(const QPixmap& p)
{
    setPixmap(p);
}

// ---------------------------------------------------------------------------------------------
// Forma

Forma::Forma(QWidget* parent) : ControlloTwips<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void Forma::setBorderColor(Colore c)
{
    colore_ = c;
    update();
}

void Forma::setBorderWidth(int pixel)
{
    const QRect r = Rettangolo();
    spessore_ = std::max(0, pixel);
    setRettangolo(r);
    update();
}

QRect Forma::Rettangolo() const
{
    const int m = MargineContorno(spessore_);
    return geometry().adjusted(m, m, -m, -m);
}

void Forma::setRettangolo(const QRect& r)
{
    const int m = MargineContorno(spessore_);
    setGeometry(QRect(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height())).adjusted(-m, -m, m, m));
}

// The edges are rounded to pixels, not the size: a frame reaching a fraction of a pixel beyond a
// label on each side reaches a pixel beyond it on each side.
void Forma::Move(int left, int top, int width, int height)
{
    const int x = twips::aPixel(left);
    const int y = twips::aPixel(top);
    setRettangolo(QRect(x, y, twips::aPixel(left + std::max(0, width)) - x, twips::aPixel(top + std::max(0, height)) - y));
}

void Forma::paintEvent(QPaintEvent*)
{
    const int m = MargineContorno(spessore_);
    const BandaContorno banda = Contorno(rect().adjusted(m, m, -m, -m), spessore_);
    if (banda.esterno.isEmpty()) return;
    QPainter p(this);
    QRegion regione(banda.esterno);
    if (!banda.interno.isEmpty()) regione -= QRegion(banda.interno);
    p.setClipRegion(regione);
    p.fillRect(banda.esterno, colore::aQColor(colore_));
}

// ---------------------------------------------------------------------------------------------
// CasellaFuoco

CasellaFuoco::CasellaFuoco(QWidget* parent) : ControlloTwips<QWidget>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void CasellaFuoco::SetFocus()
{
    if (QApplication::activePopupWidget()) return;
    const QWidget* fuoco = QApplication::focusWidget();
    if (qobject_cast<const QMenuBar*>(fuoco) && fuoco->window() == window()) return;
    setFocus(Qt::OtherFocusReason);
}

int CasellaFuoco::CodiceTasto(int tastoQt)
{
    switch (tastoQt) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return tasti::Invio;
    case Qt::Key_Space:
        return tasti::Spazio;
    case Qt::Key_Left:
        return tasti::Sinistra;
    case Qt::Key_Up:
        return tasti::Su;
    case Qt::Key_Right:
        return tasti::Destra;
    case Qt::Key_Down:
        return tasti::Giu;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    if (tastoQt >= Qt::Key_A && tastoQt <= Qt::Key_Z) return 65 + (tastoQt - Qt::Key_A);
    if (tastoQt >= Qt::Key_0 && tastoQt <= Qt::Key_9) return 48 + (tastoQt - Qt::Key_0);
    return 0;
}

namespace {
int Maiuscole(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}
} // namespace

bool CasellaFuoco::event(QEvent* e)
{
    // Tab and Backtab are keys like the others here, not focus moves.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return ControlloTwips<QWidget>::event(e);
}

void CasellaFuoco::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    // A held key repeats its key down and key press, as the keyboard does; the record of the keys
    // that are down tells a repeat from a new press.
    QPointer<CasellaFuoco> io(this);
    const QString testo = e->text();
    const RegistroTasti* tasti = RegistroTasti::Installato();
    ripetuto_ = tasti ? tasti->Ripetuto(*e) : e->isAutoRepeat();
    emit KeyDown(CodiceTasto(e->key()), Maiuscole(e->modifiers()));
    if (!io) return;
    if (!testo.isEmpty()) emit KeyPress(testo.at(0).unicode());
    if (io) ripetuto_ = false;
}

void CasellaFuoco::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    QPointer<CasellaFuoco> io(this);
    const RegistroTasti* tasti = RegistroTasti::Installato();
    premutoQui_ = tasti ? tasti->PremutoSu(*e, this) : !e->isAutoRepeat();
    emit KeyUp(CodiceTasto(e->key()), Maiuscole(e->modifiers()));
    if (io) premutoQui_ = false;
}
