#include "barrastato.h"

#include "twips.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>



namespace {
constexpr int Margine = 2; // pixels between a panel's edge and its content
}

BarraStato::BarraStato(QWidget* parent) : QWidget(parent)
{
    // The system's neutral face, whatever the window's colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(12);
    f.setBold(true);
    setFont(f);
    if (parent) parent->installEventFilter(this);
    Aggancia();
}

int BarraStato::AggiungiPannello(const Pannello& p)
{
    pannelli_.push_back(p);
    update();
    return NumeroPannelli();
}

BarraStato::Pannello& BarraStato::rif(int pannello)
{
    // A panel the bar does not have is a programming error; in a release build what is written to
    // it goes nowhere and what is read from it is empty.
    Q_ASSERT_X(pannello >= 1 && pannello <= NumeroPannelli(), "BarraStato", "no such panel");
    if (pannello < 1 || pannello > NumeroPannelli()) {
        fuoriCampo_ = Pannello{};
        return fuoriCampo_;
    }
    return pannelli_[static_cast<size_t>(pannello - 1)];
}

const BarraStato::Pannello& BarraStato::Panel(int pannello) const
{
    return const_cast<BarraStato*>(this)->rif(pannello);
}

QString BarraStato::Text(int pannello) const
{
    return Panel(pannello).Text;
}

void BarraStato::setText(int pannello, const QString& testo)
{
    rif(pannello).Text = testo;
    update();
}

bool BarraStato::PannelloVisibile(int pannello) const
{
    return Panel(pannello).Visible;
}

void BarraStato::setPannelloVisibile(int pannello, bool si)
{
    rif(pannello).Visible = si;
    update();
}

int BarraStato::Height() const
{
    return altezza_;
}

void BarraStato::setHeight(int tw)
{
    altezza_ = std::max(0, tw);
    Aggancia();
}

void BarraStato::setCarattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    if (punti > 0) f.setPointSizeF(punti);
    f.setBold(grassetto);
    setFont(f);
    update();
}

QRect BarraStato::RettangoloPannello(int pannello) const
{
    if (pannello < 1 || pannello > NumeroPannelli() || !pannelli_[static_cast<size_t>(pannello - 1)].Visible)
        return {};
    int ultimoVisibile = 0;
    for (int i = 1; i <= NumeroPannelli(); ++i)
        if (pannelli_[static_cast<size_t>(i - 1)].Visible) ultimoVisibile = i;
    int x = 0;
    for (int i = 1; i <= NumeroPannelli(); ++i) {
        const Pannello& p = pannelli_[static_cast<size_t>(i - 1)];
        if (!p.Visible) continue;
        int w = twips::aPixel(std::max(p.Width, p.MinWidth));
        // The last shown panel takes whatever room is left at the end of the bar.
        if (i == ultimoVisibile && x + w < width()) w = width() - x;
        if (i == pannello) return QRect(x, 0, w, height());
        x += w;
    }
    return {};
}

int BarraStato::PannelloA(const QPoint& punto) const
{
    if (!rect().contains(punto)) return 0;
    for (int i = 1; i <= NumeroPannelli(); ++i)
        if (RettangoloPannello(i).contains(punto)) return i;
    return 0;
}

void BarraStato::Aggancia()
{
    QWidget* p = parentWidget();
    const int h = twips::aPixel(altezza_);
    if (p)
        setGeometry(0, p->height() - h, p->width(), h);
    else
        resize(width(), h);
    update();
}

bool BarraStato::eventFilter(QObject* o, QEvent* e)
{
    if (o == parentWidget() && e->type() == QEvent::Resize) Aggancia();
    return QWidget::eventFilter(o, e);
}

void BarraStato::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QColor luce = palette().color(QPalette::Light);
    const QColor ombra = palette().color(QPalette::Mid);
    for (int i = 1; i <= NumeroPannelli(); ++i) {
        const QRect r = RettangoloPannello(i);
        if (r.isEmpty()) continue;
        const Pannello& pan = pannelli_[static_cast<size_t>(i - 1)];
        // A sunken frame around each panel.
        const QRect cornice = r.adjusted(1, 1, -2, -2);
        p.setPen(ombra);
        p.drawLine(cornice.topLeft(), cornice.topRight());
        p.drawLine(cornice.topLeft(), cornice.bottomLeft());
        p.setPen(luce);
        p.drawLine(cornice.bottomLeft(), cornice.bottomRight());
        p.drawLine(cornice.topRight(), cornice.bottomRight());

        QRect interno = cornice.adjusted(Margine, Margine, -Margine, -Margine);
        p.save();
        p.setClipRect(interno);
        if (!pan.Picture.isNull() && interno.height() > 0) {
            // The picture fits the panel's height, keeping its proportions.
            const QSize dim = pan.Picture.size().scaled(QSize(interno.width(), interno.height()), Qt::KeepAspectRatio);
            const QRect dove(interno.left(), interno.top() + (interno.height() - dim.height()) / 2, dim.width(),
                             dim.height());
            p.drawPixmap(dove, pan.Picture);
            interno.setLeft(dove.right() + 1 + Margine);
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(interno, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pan.Text);
        p.restore();
    }
}

void BarraStato::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() != Qt::LeftButton) return;
    const int n = PannelloA(e->position().toPoint());
    if (n > 0) emit PanelClick(n);
}
