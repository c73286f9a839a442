#include "barrastato.h"

#include "ridimensionatore.h"
#include "twips.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr int Margine = 2; // pixels between a panel's edge and its content
// A panel's sunken frame lies one pixel inside its left and top edges, two inside its right and
// bottom ones; its content keeps a margin inside the frame.
constexpr int FuoriCornice = 1;
constexpr int DentroCornice = 2;
// From a panel's rectangle to the room for its content, on each side.
constexpr int PrimaDelContenuto = FuoriCornice + Margine;
constexpr int DopoIlContenuto = DentroCornice + Margine;

QRect Interno(const QRect& pannello)
{
    return pannello.adjusted(PrimaDelContenuto, PrimaDelContenuto, -DopoIlContenuto, -DopoIlContenuto);
}

// A picture fitted to the height of the room given, keeping its proportions.
QSize ImmagineAdattata(const QPixmap& immagine, const QSize& spazio)
{
    if (immagine.isNull() || spazio.width() <= 0 || spazio.height() <= 0) return {};
    return immagine.size().scaled(spazio, Qt::KeepAspectRatio);
}
} // namespace

BarraStato::BarraStato(QWidget* parent) : QWidget(parent)
{
    // The system's neutral face, whatever the window's colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setCarattere(QStringLiteral("Arial"), 12, true);
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
    carattere_ = QFont(famiglia);
    if (punti > 0) carattere_.setPointSizeF(punti);
    carattere_.setBold(grassetto);
    setFont(CarattereInScala(carattere_, std::min(sx_, sy_)));
    update();
}

void BarraStato::setScala(double sx, double sy)
{
    sx_ = sx;
    sy_ = sy;
    setFont(CarattereInScala(carattere_, std::min(sx_, sy_)));
    Aggancia();
}

int BarraStato::larghezzaTesto(const Pannello& p) const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(p.Text)));
}

int BarraStato::larghezzaNecessaria(const Pannello& p) const
{
    const int alto = std::max(0, height() - PrimaDelContenuto - DopoIlContenuto);
    const QSize immagine = ImmagineAdattata(p.Picture, QSize(QWIDGETSIZE_MAX, alto));
    return PrimaDelContenuto + (immagine.isEmpty() ? 0 : immagine.width() + Margine) + larghezzaTesto(p) + DopoIlContenuto;
}

QRect BarraStato::RettangoloPannello(int pannello) const
{
    if (pannello < 1 || pannello > NumeroPannelli() || !pannelli_[static_cast<size_t>(pannello - 1)].Visible)
        return {};
    // Each shown panel's width at the present scale, what its picture and text need, what its text
    // alone needs.
    const size_t n = pannelli_.size();
    std::vector<int> larghezze(n, 0), necessarie(n, 0), soloTesto(n, 0), nulla(n, 0);
    int ultimoVisibile = 0;
    for (size_t i = 0; i < n; ++i) {
        const Pannello& p = pannelli_[i];
        if (!p.Visible) continue;
        larghezze[i] = static_cast<int>(std::lround(twips::aPixel(std::max(p.Width, p.MinWidth)) * sx_));
        necessarie[i] = std::min(larghezze[i], larghezzaNecessaria(p));
        soloTesto[i] = std::min(necessarie[i], PrimaDelContenuto + larghezzaTesto(p) + DopoIlContenuto);
        ultimoVisibile = static_cast<int>(i) + 1;
    }
    // On a bar too narrow for them, the panels give up room in turn, each time in proportion to what
    // each can give: what lies beyond their pictures and texts, then their pictures' room, and only
    // on a bar too narrow for the texts, their texts' room too.
    for (const std::vector<int>* fino : {&necessarie, &soloTesto, &nulla}) {
        const int troppo = std::accumulate(larghezze.begin(), larghezze.end(), 0) - width();
        if (troppo <= 0) break;
        int cedibile = 0;
        for (size_t i = 0; i < n; ++i) cedibile += larghezze[i] - (*fino)[i];
        if (cedibile <= 0) continue;
        const int eccesso = std::min(cedibile, troppo);
        for (size_t i = 0; i < n; ++i) {
            const int cedibili = larghezze[i] - (*fino)[i];
            // Rounded up, so that the panels together fit the bar.
            const long long parte = (static_cast<long long>(eccesso) * cedibili + cedibile - 1) / cedibile;
            larghezze[i] -= static_cast<int>(std::min<long long>(cedibili, parte));
        }
    }
    int x = 0;
    for (int i = 1; i <= NumeroPannelli(); ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        if (!pannelli_[k].Visible) continue;
        int w = larghezze[k];
        // The last shown panel takes whatever room is left at the end of the bar.
        if (i == ultimoVisibile && x + w < width()) w = width() - x;
        if (i == pannello) return QRect(x, 0, w, height());
        x += w;
    }
    return {};
}

QRect BarraStato::RettangoloImmagine(int pannello) const
{
    const QRect interno = Interno(RettangoloPannello(pannello));
    if (interno.isEmpty()) return {};
    // The picture has what the text leaves it.
    const int accanto = interno.width() - larghezzaTesto(Panel(pannello)) - Margine;
    const QSize dim = ImmagineAdattata(Panel(pannello).Picture, QSize(accanto, interno.height()));
    if (dim.isEmpty()) return {};
    return QRect(interno.left(), interno.top() + (interno.height() - dim.height()) / 2, dim.width(), dim.height());
}

QRect BarraStato::RettangoloTesto(int pannello) const
{
    QRect interno = Interno(RettangoloPannello(pannello));
    const QRect immagine = RettangoloImmagine(pannello);
    if (!immagine.isEmpty()) interno.setLeft(immagine.right() + 1 + Margine);
    return interno;
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
    const double h = twips::aPixel(altezza_) * sy_;
    if (p) {
        // The top edge is scaled as the controls' edges are, so that nothing above it at the design
        // size comes under it at another.
        const int alto = static_cast<int>(std::lround(p->height() - h));
        setGeometry(0, alto, p->width(), p->height() - alto);
    } else {
        resize(width(), static_cast<int>(std::lround(h)));
    }
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
        const QRect cornice = r.adjusted(FuoriCornice, FuoriCornice, -DentroCornice, -DentroCornice);
        p.setPen(ombra);
        p.drawLine(cornice.topLeft(), cornice.topRight());
        p.drawLine(cornice.topLeft(), cornice.bottomLeft());
        p.setPen(luce);
        p.drawLine(cornice.bottomLeft(), cornice.bottomRight());
        p.drawLine(cornice.topRight(), cornice.bottomRight());

        p.save();
        p.setClipRect(Interno(r));
        if (const QRect immagine = RettangoloImmagine(i); !immagine.isEmpty()) p.drawPixmap(immagine, pan.Picture);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(RettangoloTesto(i), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pan.Text);
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
