// How long the highlight takes to answer: from a key event on the focus holder, or a tick of the
// scan timer, to the repainted entries, on the real widgets: the menu's entries, and the boxes of
// the complement window with the most boxes (Form14s) under a sentence of thirty parts, with how
// long such a sentence takes to be built and laid out. Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_input [samples]
// Prints the median and the 99th percentile in milliseconds.
#include "ambiente.h"
#include "exercises/sentences/finestracomplementi.h"
#include "finestraprovamenu.h"

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

// One sample: the action, then the repaint of the entries that changed (or of the whole window).
std::vector<qint64> Campiona(FinestraProvaMenu& f, int campioni, bool finestraIntera,
                             const std::function<void()>& azione)
{
    std::vector<qint64> ns;
    ns.reserve(static_cast<std::size_t>(campioni));
    QElapsedTimer t;
    for (int i = 0; i < campioni; ++i) {
        QCoreApplication::processEvents();
        const int prima = f.VoceEvidenziata;
        t.start();
        azione();
        if (finestraIntera) {
            (void)f.grab();
        } else {
            f.Label1(prima).repaint();
            f.Label1(f.VoceEvidenziata).repaint();
        }
        ns.push_back(t.nsecsElapsed());
    }
    return ns;
}

void Stampa(const char* nome, const Misura& m)
{
    std::printf("%-46s median %7.3f ms   p99 %7.3f ms   max %7.3f ms\n", nome, m.mediana, m.p99, m.massimo);
}

// Samples of an action followed by what it shows being painted.
std::vector<qint64> Campiona(int campioni, const std::function<void()>& azione, const std::function<void()>& dipingi)
{
    std::vector<qint64> ns;
    ns.reserve(static_cast<std::size_t>(campioni));
    QElapsedTimer t;
    for (int i = 0; i < campioni; ++i) {
        QCoreApplication::processEvents();
        t.start();
        azione();
        dipingi();
        ns.push_back(t.nsecsElapsed());
    }
    return ns;
}

void Premi(QWidget* casella, Qt::Key tasto, const QString& testo = QString())
{
    QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(casella, &giu);
    QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(casella, &su);
}

// Form14s on a sentence of thirty parts that has every role, so that all eleven boxes are shown.
void Complementi(int campioni)
{
    QByteArray riga;
    for (int k = 0; k < 30; ++k) riga += "parola" + QByteArray::number(k) + "#" + QByteArray::number(k % 11) + "#";
    for (std::int16_t modo : {ModoFrecce, ModoScansioneAutomatica}) {
        Ambiente a;
        a.p->ModalitaInput = modo;
        a.p->NumeroComplemento = 10;
        a.p->ColoreScansione = 255;
        a.p->FileEsercizio = a.Scrivi(QStringLiteral("testifrasolino/complementi/lunga.txt"), riga + "\n");
        auto* f = a.Apri<FinestraComplementi>(QStringLiteral("Form14s"));
        if (!f || !QTest::qWaitForWindowExposed(f->widget())) return;
        ScansioneFinestra& s = *f->cornice().Scansione;
        s.Timer1()->setEnabled(false);
        const auto caselle = [f] {
            for (Etichetta& c : f->Caselle.Label4) c.repaint();
        };
        if (modo == ModoFrecce) {
            Stampa("Form14s arrow key -> boxes repainted",
                   Riassumi(Campiona(campioni, [&s] { Premi(s.PictureFrecce(), Qt::Key_Right); }, caselle)));
            Stampa("Form14s arrow key -> window grabbed",
                   Riassumi(Campiona(campioni, [&s] { Premi(s.PictureFrecce(), Qt::Key_Right); },
                                     [f] { (void)f->widget()->grab(); })));
            Stampa("Form14s 30-part sentence built and laid out",
                   Riassumi(Campiona(campioni / 10, [f] { f->ProssimoElemento(); }, [] {})));
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
    const int campioni = argc > 1 ? std::max(100, std::atoi(argv[1])) : 2000;

    auto s = std::make_unique<ServiziFinti>();
    Programma programma(std::move(s), QString(), QString());
    programma.ColoreScansione = 255;
    FinestraProvaMenu f(programma);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) return 1;

    std::printf("%d samples each\n", campioni);
    for (bool intera : {false, true}) {
        programma.ModalitaInput = ModoFrecce;
        f.Avvia();
        const auto tasto = [&f] {
            QKeyEvent giu(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(f.PictureFrecce, &giu);
            QKeyEvent su(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(f.PictureFrecce, &su);
        };
        Stampa(intera ? "arrow key -> window grabbed" : "arrow key -> entries repainted",
               Riassumi(Campiona(f, campioni, intera, tasto)));

        programma.ModalitaInput = ModoScansioneManuale;
        f.Avvia();
        const auto spazio = [&f] {
            QKeyEvent giu(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(f.PictureScansioneManuale, &giu);
            QKeyEvent su(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(f.PictureScansioneManuale, &su);
        };
        Stampa(intera ? "Space (manual) -> window grabbed" : "Space (manual) -> entries repainted",
               Riassumi(Campiona(f, campioni, intera, spazio)));

        programma.ModalitaInput = ModoScansioneAutomatica;
        f.Avvia();
        f.Timer1->setEnabled(false);
        Stampa(intera ? "tick (automatic) -> window grabbed" : "tick (automatic) -> entries repainted",
               Riassumi(Campiona(f, campioni, intera, [&f] { f.Timer1->Scatta(); })));
    }
    Complementi(campioni);
    return 0;
}
