#include "finestra.h"

#include "barrastato.h"
#include "twips.h"
#include "vocemenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// The window's widget and its client area

namespace {

class AreaClient : public QWidget {
public:
    AreaClient(Finestra* f, QWidget* parent) : QWidget(parent), finestra_(f) {}
    std::function<void()> quandoRidimensionata;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        if (quandoRidimensionata) quandoRidimensionata();
    }

private:
    QPointer<Finestra> finestra_;
};

} // namespace

class WidgetFinestra : public QMainWindow {
public:
    explicit WidgetFinestra(Finestra* f) : finestra_(f)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        auto* area = new AreaClient(f, this);
        area->setAutoFillBackground(true);
        area->quandoRidimensionata = [this] {
            if (finestra_ && finestra_->widget_ == this) finestra_->ridimensionata();
        };
        setCentralWidget(area);
        // F10 takes the keyboard to the menu bar, and back, as a tap of Alt does.
        auto* f10 = new QAction(this);
        f10->setShortcut(Qt::Key_F10);
        f10->setShortcutContext(Qt::WindowShortcut);
        addAction(f10);
        connect(f10, &QAction::triggered, this, &WidgetFinestra::toccaAlt);
    }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        e->accept();
        if (finestra_ && finestra_->widget_ == this) finestra_->chiusaDallUtente();
    }

private:
    // The menu bar's own keyboard navigation, entered and left as a tap of Alt does it: the bar
    // watches its window for the Alt key going down and coming up on its own.
    void toccaAlt()
    {
        const QWidget* barra = menuWidget();
        if (!barra || barra->isHidden() || barra->actions().isEmpty()) return;
        // The bar asks the Alt key's own event for Alt held alone; Qt 6 counts the key pressed
        // among the modifiers it reports, so the event is built to report exactly that.
        const Qt::KeyboardModifiers soloAlt =
            QKeyEvent(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier).modifiers() == Qt::AltModifier
                ? Qt::NoModifier
                : Qt::AltModifier;
        QKeyEvent giu(QEvent::ShortcutOverride, Qt::Key_Alt, soloAlt);
        QCoreApplication::sendEvent(this, &giu);
        QKeyEvent su(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &su);
    }

    QPointer<Finestra> finestra_;
};

// ---------------------------------------------------------------------------------------------
// Finestra

Finestra::Finestra(GestoreFinestre& gestore, QSize clientProgetto, QObject* parent)
    : QObject(parent), gestore_(gestore), clientProgetto_(clientProgetto)
{
    gestore_.Registra(this);
}

Finestra::~Finestra()
{
    gestore_.Rimuovi(this);
    if (widget_) {
        QMainWindow* w = widget_;
        widget_ = nullptr;
        delete w;
    }
}

QWidget* Finestra::client() const
{
    return widget_ ? widget_->centralWidget() : nullptr;
}

void Finestra::Carica()
{
    if (widget_) return;
    auto* w = new WidgetFinestra(this);
    widget_ = w;
    caricamentoCompleto_ = false;
    w->setWindowTitle(titolo_);
    setBackColor(sfondo_);

    CreaControlli();
    if (widget_ != w) return;

    // The design size is the client area's: the menu bar and the frame come on top of it.
    const QSize progetto(twips::aPixel(clientProgetto_.width()), twips::aPixel(clientProgetto_.height()));
    int barra = 0;
    if (QWidget* m = w->menuWidget(); m && !m->isHidden()) barra = m->sizeHint().height();
    w->resize(progetto.width(), progetto.height() + barra);
    if (QLayout* l = w->layout()) {
        l->invalidate();
        l->activate();
        const QSize scarto = progetto - client()->size();
        if (!scarto.isNull()) {
            w->resize(w->size() + scarto);
            l->invalidate();
            l->activate();
        }
    }

    Form_Load();
    if (widget_ == w) caricamentoCompleto_ = true;
}

void Finestra::Mostra()
{
    if (!widget_) Carica();
    QPointer<QMainWindow> w = widget_;
    if (!w) return;
    const bool eraVisibile = w->isVisible();
    w->show();
    w->raise();
    w->activateWindow();
    if (!eraVisibile && w && widget_ == w) Form_Activate();
}

void Finestra::Scarica()
{
    if (!widget_ || inScaricamento_) return;
    inScaricamento_ = true;
    QMainWindow* w = widget_;
    // Unloaded from now on, even though the widget is deleted only when control returns to the
    // event loop (this may run inside one of its own handlers).
    widget_ = nullptr;
    caricamentoCompleto_ = false;
    DistruggiControlli();
    for (const auto& dimentica : allaScarica_) dimentica();
    w->hide();
    w->deleteLater();
    inScaricamento_ = false;
}

void Finestra::chiusaDallUtente()
{
    Scarica();
    if (!gestore_.QualcunaCaricata() && gestore_.FineProgramma) gestore_.FineProgramma();
}

void Finestra::ridimensionata()
{
    if (widget_ && caricamentoCompleto_) Form_Resize();
}

int Finestra::Width() const
{
    if (!widget_) return clientProgetto_.width();
    return twips::daPixel(widget_->frameGeometry().width());
}

int Finestra::Height() const
{
    if (!widget_) return clientProgetto_.height();
    return twips::daPixel(widget_->frameGeometry().height());
}

int Finestra::ScaleWidth() const
{
    if (!widget_) return clientProgetto_.width();
    return twips::daPixel(client()->width());
}

int Finestra::ScaleHeight() const
{
    if (!widget_) return clientProgetto_.height();
    return twips::daPixel(client()->height());
}

int Finestra::LarghezzaProgetto() const
{
    return clientProgetto_.width() + Width() - ScaleWidth();
}

QRect Finestra::RettangoloProgetto(const QWidget& controllo) const
{
    // The status bar docks itself along the bottom edge, whatever the size.
    if (const auto* barra = qobject_cast<const BarraStato*>(&controllo))
        return {0, clientProgetto_.height() - barra->Height(), clientProgetto_.width(), barra->Height()};
    const QRectF r = EssResizer1.AllaRegistrazione(controllo.geometry());
    const auto tw = [](double px) { return static_cast<int>(std::lround(px * twips::PerPixel)); };
    return {tw(r.left()), tw(r.top()), tw(r.width()), tw(r.height())};
}

void Finestra::setDimensioniEsterne(int larghezza, int altezza)
{
    if (!widget_) Carica();
    if (!widget_) return;
    const QSize cornice = widget_->frameGeometry().size() - widget_->size();
    widget_->resize(std::max(1, twips::aPixel(larghezza) - cornice.width()),
                    std::max(1, twips::aPixel(altezza) - cornice.height()));
}

void Finestra::setBackColor(Colore c)
{
    sfondo_ = c;
    if (QWidget* area = client()) {
        QPalette p = area->palette();
        p.setColor(QPalette::Window, colore::aQColor(c));
        area->setPalette(p);
        area->setAutoFillBackground(true);
    }
}

void Finestra::setCaption(const QString& titolo)
{
    titolo_ = titolo;
    if (widget_) widget_->setWindowTitle(titolo);
}

VoceMenu* Finestra::AggiungiMenu(const QString& caption, VoceMenu* sotto, bool conSottomenu)
{
    if (!widget_ || (sotto && !sotto->menu())) return nullptr;
    QMenuBar* barra = widget_->menuBar();
    barra->setNativeMenuBar(false);
    // The item the keyboard stands on is shown, also before its menu opens (the plain style marks
    // only an open menu's item).
    if (barra->styleSheet().isEmpty())
        barra->setStyleSheet(QStringLiteral("QMenuBar::item:selected { background-color: palette(highlight);"
                                            " color: palette(highlighted-text); }"));
    QAction* azione = nullptr;
    QMenu* menu = nullptr;
    if (sotto) {
        if (conSottomenu) {
            menu = sotto->menu()->addMenu(caption);
            azione = menu->menuAction();
        } else {
            azione = sotto->menu()->addAction(caption);
        }
    } else {
        if (conSottomenu) {
            menu = barra->addMenu(caption);
            azione = menu->menuAction();
        } else {
            azione = barra->addAction(caption);
        }
    }
    return new VoceMenu(azione, menu, widget_);
}
