// How long the highlight takes to answer: from a key event on the focus holder, or a tick of the
// scan timer, to the repainted entries, on the real widgets: the menu's entries, the bar under the
// words of the scanning pick-one windows on a sentence of twenty words, and the boxes of the
// complement window with the most boxes (Form14s) under the longest sentence it shows whole with
// all its boxes (up to thirty parts), with how long such a sentence takes to be built and laid out.
// Every window is measured only once its sentence is on screen, every word shown; else the bench
// stops with an error naming the window. Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_input [samples]
// Prints the median and the 99th percentile in milliseconds; ctest runs it with a few samples.
#include "ambiente.h"
#include "exercises/sentences/finestracomplementi.h"
#include "finestraprovamenu.h"

#include "exercises/sentences/finestrariconosci.h"

#include "core/programma.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"
#include "servizifinti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Misura {
    double mediana = 0;
    double p99 = 0;
    double massimo = 0;
};

Misura Riassumi(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    const auto at = [&](double q) {
        const auto i = static_cast<std::size_t>(q * static_cast<double>(ns.size() - 1) + 0.5);
        return static_cast<double>(ns[i]) / 1e6;
    };
    return {at(0.5), at(0.99), static_cast<double>(ns.back()) / 1e6};
}

// One sample: the action, then the repaint of what changed.
std::vector<qint64> Campiona(int campioni, const std::function<void()>& azione, const std::function<void()>& ridisegna)
{
    std::vector<qint64> ns;
    ns.reserve(static_cast<std::size_t>(campioni));
    QElapsedTimer t;
    for (int i = 0; i < campioni; ++i) {
        QCoreApplication::processEvents();
        t.start();
        azione();
        ridisegna();
        ns.push_back(t.nsecsElapsed());
    }
    return ns;
}

void Batti(QWidget* w, Qt::Key k, const QString& testo = QString())
{
    QKeyEvent giu(QEvent::KeyPress, k, Qt::NoModifier, testo);
    QApplication::sendEvent(w, &giu);
    QKeyEvent su(QEvent::KeyRelease, k, Qt::NoModifier, testo);
    QApplication::sendEvent(w, &su);
}

void Stampa(const QString& nome, const Misura& m)
{
    std::printf("%-50s median %7.3f ms   p99 %7.3f ms   max %7.3f ms\n", qPrintable(nome), m.mediana, m.p99, m.massimo);
}

// Whether the window shows a sentence of `parti` parts, every word on screen inside its client
// area; and, with `caselle`, that many role boxes shown too.
bool FraseInVista(FinestraFrase* f, int parti, int caselle = 0)
{
    if (!f || !f->Caricata() || !QTest::qWaitForWindowExposed(f->widget())) return false;
    if (!f->FraseInCorso() || f->Parole.Label3.Count() != parti) return false;
    const QRect area = f->client()->rect();
    for (const Etichetta& e : f->Parole.Label3)
        if (!e.isVisible() || e.Caption().isEmpty() || !area.contains(e.geometry())) return false;
    auto* c = dynamic_cast<FinestraComplementi*>(f);
    for (int i = 0; i < caselle; ++i)
        if (!c || !c->Caselle.Label4.Esiste(i) || !c->Caselle.Label4(i).isVisible()) return false;
    return true;
}

// A window that does not show its sentence stops the bench.
[[noreturn]] void Ferma(const QString& finestra, const QString& cosa)
{
    std::fflush(stdout);
    std::fprintf(stderr, "bench_input: %s does not show %s: nothing to measure\n", qPrintable(finestra), qPrintable(cosa));
    std::exit(1);
}

// A line of `parti` parts `parola`K with the roles 0, 1, ... `ruoli` - 1 in turn.
QByteArray Riga(const QByteArray& parola, int parti, int ruoli)
{
    QByteArray riga;
    for (int k = 0; k < parti; ++k) riga += parola + QByteArray::number(k) + "#" + QByteArray::number(k % ruoli) + "#";
    return riga;
}

constexpr int Ruoli = 11;
constexpr int PartiMassime = 30;

// Form14s opened on a line of `parti` parts that has every role.
FinestraComplementi* ApriForm14s(Ambiente& a, std::int16_t modo, int parti)
{
    a.p->ModalitaInput = modo;
    a.p->NumeroComplemento = 10;
    a.p->ColoreScansione = 255;
    a.p->FileEsercizio = a.Scrivi(QStringLiteral("testifrasolino/complementi/lunga.txt"), Riga("parola", parti, Ruoli) + "\n");
    return a.Apri<FinestraComplementi>(QStringLiteral("Form14s"));
}

// The longest line, up to thirty parts, that Form14s shows whole with all eleven boxes.
int PartiForm14s()
{
    for (int parti = PartiMassime; parti >= Ruoli; --parti) {
        Ambiente a;
        if (FraseInVista(ApriForm14s(a, ModoFrecce, parti), parti, Ruoli)) return parti;
    }
    Ferma(QStringLiteral("Form14s"), QStringLiteral("any sentence with all eleven boxes"));
}

// Form14s on the longest sentence that has every role and shows whole, so that all eleven boxes
// are shown.
void Complementi(int campioni)
{
    const int parti = PartiForm14s();
    for (std::int16_t modo : {ModoFrecce, ModoScansioneAutomatica}) {
        Ambiente a;
        auto* f = ApriForm14s(a, modo, parti);
        if (!FraseInVista(f, parti, Ruoli)) Ferma(QStringLiteral("Form14s"), QStringLiteral("its sentence"));
        ScansioneFinestra& s = *f->cornice().Scansione;
        s.Timer1()->setEnabled(false);
        const auto caselle = [f] {
            for (Etichetta& c : f->Caselle.Label4) c.repaint();
        };
        if (modo == ModoFrecce) {
            Stampa("Form14s arrow key -> boxes repainted",
                   Riassumi(Campiona(campioni, [&s] { Batti(s.PictureFrecce(), Qt::Key_Right); }, caselle)));
            Stampa("Form14s arrow key -> window grabbed",
                   Riassumi(Campiona(campioni, [&s] { Batti(s.PictureFrecce(), Qt::Key_Right); },
                                     [f] { (void)f->widget()->grab(); })));
            Stampa(QStringLiteral("Form14s %1-part sentence built and laid out").arg(parti),
                   Riassumi(Campiona(std::max(1, campioni / 10), [f] { f->ProssimoElemento(); }, [] {})));
        } else {
            Stampa("Form14s tick (automatic) -> boxes repainted",
                   Riassumi(Campiona(campioni, [&s] { s.Timer1()->Scatta(); }, caselle)));
        }
        f->Scarica();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int campioni = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;

    auto s = std::make_unique<ServiziFinti>();
    Programma programma(std::move(s), QString(), QString());
    programma.ColoreScansione = 255;
    FinestraProvaMenu f(programma);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) return 1;

    std::printf("%d samples each\n", campioni);
    for (bool intera : {false, true}) {
        // The entries that changed, or the whole window.
        int prima = 0;
        const auto azione = [&](const std::function<void()>& a) {
            return [&, a] {
                prima = f.VoceEvidenziata;
                a();
            };
        };
        const auto ridisegna = [&] {
            if (intera) {
                (void)f.grab();
            } else {
                f.Label1(prima).repaint();
                f.Label1(f.VoceEvidenziata).repaint();
            }
        };
        programma.ModalitaInput = ModoFrecce;
        f.Avvia();
        Stampa(intera ? "menu: arrow key -> window grabbed" : "menu: arrow key -> entries repainted",
               Riassumi(Campiona(campioni, azione([&f] { Batti(f.PictureFrecce, Qt::Key_Down); }), ridisegna)));

        programma.ModalitaInput = ModoScansioneManuale;
        f.Avvia();
        Stampa(intera ? "menu: Space (manual) -> window grabbed" : "menu: Space (manual) -> entries repainted",
               Riassumi(Campiona(campioni, azione([&f] { Batti(f.PictureScansioneManuale, Qt::Key_Space, " "); }), ridisegna)));

        programma.ModalitaInput = ModoScansioneAutomatica;
        f.Avvia();
        f.Timer1->setEnabled(false);
        Stampa(intera ? "menu: tick (automatic) -> window grabbed" : "menu: tick (automatic) -> entries repainted",
               Riassumi(Campiona(campioni, azione([&f] { f.Timer1->Scatta(); }), ridisegna)));
    }
    f.hide();

    // The scanning pick-one windows on a sentence of twenty short words, with a subject and a
    // predicate among them (the steps never judge, so the bar keeps moving).
    constexpr int Venti = 20;
    for (const char* nome : {"Form2s", "Form4s"}) {
        for (std::int16_t modo : {ModoFrecce, ModoScansioneManuale, ModoScansioneAutomatica}) {
            Ambiente a;
            a.Scrivi(QStringLiteral("testifrasolino/Riconoscisoggettopredicato/liv1.txt"), Riga("p", Venti, 3) + "\n");
            a.p->ModalitaInput = modo;
            auto* w = a.Apri<FinestraRiconosciScansione>(QString::fromLatin1(nome));
            if (!FraseInVista(w, Venti)) Ferma(QString::fromLatin1(nome), QStringLiteral("its sentence of twenty words"));
            ScansioneFinestra& s = *w->cornice().Scansione;
            s.Ferma();
            std::function<void()> passo;
            const char* cosa = "";
            switch (modo) {
            case ModoFrecce:
                passo = [&s] { Batti(s.PictureFrecce(), Qt::Key_Right); };
                cosa = "arrow key";
                break;
            case ModoScansioneManuale:
                passo = [&s] { Batti(s.PictureScansioneManuale(), Qt::Key_Space, " "); };
                cosa = "Space (manual)";
                break;
            default:
                passo = [&s] { s.Timer1()->Scatta(); };
                cosa = "tick (automatic)";
                break;
            }
            for (bool intera : {false, true}) {
                // The places the bar left and took, or the whole window.
                QRect prima;
                const auto azione = [&] {
                    prima = w->Shape1()->geometry();
                    passo();
                };
                const auto ridisegna = [&] {
                    if (intera)
                        (void)w->widget()->grab();
                    else
                        w->client()->repaint(QRegion(prima) + QRegion(w->Shape1()->geometry()));
                };
                const QString riga = QStringLiteral("%1: %2 -> %3").arg(nome, cosa, intera ? "window grabbed" : "bar repainted");
                Stampa(riga, Riassumi(Campiona(campioni, azione, ridisegna)));
            }
            w->Scarica();
        }
    }
    Complementi(campioni);
    return 0;
}
