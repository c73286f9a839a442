// How long the highlight takes to answer: from a key event on the focus holder, or a tick of the
// scan timer, to the repainted entries, on the real widgets: the menu's entries, the bar under the
// words of the scanning pick-one windows on a sentence of twenty words, and the boxes of the
// complement window with the most boxes (Form14s) under a sentence of thirty parts, with how long
// such a sentence takes to be built and laid out. Run by hand:
//   QT_QPA_PLATFORM=offscreen bench_input [samples]
// Prints the median and the 99th percentile in milliseconds.
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

void Stampa(const char* nome, const Misura& m)
{
    std::printf("%-50s median %7.3f ms   p99 %7.3f ms   max %7.3f ms\n", nome, m.mediana, m.p99, m.massimo);
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
                   Riassumi(Campiona(campioni, [&s] { Batti(s.PictureFrecce(), Qt::Key_Right); }, caselle)));
            Stampa("Form14s arrow key -> window grabbed",
                   Riassumi(Campiona(campioni, [&s] { Batti(s.PictureFrecce(), Qt::Key_Right); },
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

    // The scanning pick-one windows on a sentence of twenty words (none of them the one sought, so
    // the bar keeps moving).
    QByteArray venti;
    for (int i = 1; i <= 20; ++i) venti += "parola" + QByteArray::number(i) + "#2#";
    for (const char* nome : {"Form2s", "Form4s"}) {
        for (std::int16_t modo : {ModoFrecce, ModoScansioneManuale, ModoScansioneAutomatica}) {
            Ambiente a;
            a.Scrivi(QStringLiteral("testifrasolino/Riconoscisoggettopredicato/liv1.txt"), venti + "\n");
            a.p->ModalitaInput = modo;
            auto* w = a.Apri<FinestraRiconosciScansione>(QString::fromLatin1(nome));
            if (!w || !QTest::qWaitForWindowExposed(w->widget())) return 1;
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
                Stampa(riga.toLatin1().constData(), Riassumi(Campiona(campioni, azione, ridisegna)));
            }
            w->Scarica();
        }
    }
    Complementi(campioni);
    return 0;
}
