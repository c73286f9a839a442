#include "registrotasti.h"

#include "controlli.h"
#include "ripetizionetasti.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// The physical key where the platform names it (negative: the server's key code), else the key's
// meaning.
qint64 Tasto(const QKeyEvent& k)
{
    return k.nativeScanCode() ? -qint64(k.nativeScanCode()) : qint64(k.key());
}

// The keys whose press activates what has the focus: a button, a message box's default button, a
// menu entry, a panel's "Chiudi".
bool Attiva(int tasto)
{
    switch (tasto) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

RegistroTasti::RegistroTasti(QApplication& applicazione, StatoServer server)
    : QObject(&applicazione), server_(server ? std::move(server) : StatoServer(TastiGiuSulServer))
{
    ChiediRipetizioneRilevabile();
    applicazione.installEventFilter(this);
    connect(&applicazione, &QGuiApplication::focusWindowChanged, this, &RegistroTasti::fuocoCambiato);
    connect(&applicazione, &QGuiApplication::applicationStateChanged, this, &RegistroTasti::fuocoCambiato);
}

RegistroTasti::~RegistroTasti()
{
    if (qApp) qApp->removeEventFilter(this);
}

RegistroTasti* RegistroTasti::Installato()
{
    return qApp ? qApp->findChild<RegistroTasti*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool RegistroTasti::Ripetuto(const QKeyEvent& e) const
{
    return &e == consegna_.evento ? consegna_.ripetuto : e.isAutoRepeat();
}

bool RegistroTasti::PremutoSu(const QKeyEvent& e, const QWidget* w) const
{
    return &e == consegna_.evento && consegna_.premutoQui && consegna_.destinatario == w;
}

void RegistroTasti::Verifica()
{
    const auto server = server_();
    if (!server) {
        Azzera();
        return;
    }
    for (auto t = giu_.begin(); t != giu_.end();) {
        const qint64 codice = -t.key();
        if (codice > 0 && codice < qint64(server->size()) && !(*server)[std::size_t(codice)])
            t = giu_.erase(t);
        else
            ++t;
    }
}

void RegistroTasti::Azzera()
{
    giu_.clear();
    consegna_ = {};
}

// The keys may have gone up where the program could not see them: when another program took the
// focus or gave it back, and, with a server to ask, whenever the focus moves between the program's
// own windows (a release sent while none had the focus is lost).
void RegistroTasti::fuocoCambiato()
{
    const bool fuori = !QGuiApplication::focusWindow() || QGuiApplication::applicationState() != Qt::ApplicationActive;
    if (fuori || server_()) Verifica();
}

bool RegistroTasti::eventFilter(QObject* destinatario, QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
    // The window's own pass of a new event: the widget's pass follows.
    if (!destinatario->isWidgetType()) {
        consegna_ = {};
        return false;
    }
    auto* w = static_cast<QWidget*>(destinatario);
    // A widget that leaves the key to its parent: the same press or release, decided once.
    if (e == consegna_.evento && consegna_.destinatario && w != consegna_.destinatario &&
        w->isAncestorOf(consegna_.destinatario)) {
        consegna_.destinatario = w;
        return consegna_.scartato;
    }
    const auto* k = static_cast<const QKeyEvent*>(e);
    const qint64 tasto = Tasto(*k);
    consegna_ = {e, w};
    if (e->type() == QEvent::KeyPress) {
        const auto giu = giu_.constFind(tasto);
        consegna_.ripetuto = k->isAutoRepeat() || giu != giu_.cend();
        // A key seen first as a repeat went down elsewhere.
        if (giu == giu_.cend()) giu_.insert(tasto, consegna_.ripetuto ? nullptr : w);
        consegna_.scartato = consegna_.ripetuto && Attiva(k->key()) && !qobject_cast<CasellaFuoco*>(w);
    } else if (k->isAutoRepeat()) {
        // The release half of the platform's release-and-press repeat: the key stays down.
        consegna_.scartato = true;
    } else {
        // A key whose press reached no window of the program has no release here either.
        const auto giu = giu_.constFind(tasto);
        consegna_.scartato = giu == giu_.cend();
        if (!consegna_.scartato) {
            consegna_.premutoQui = giu.value() == w;
            giu_.erase(giu);
        }
    }
    return consegna_.scartato;
}
