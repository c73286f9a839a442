// The timer, control arrays and menu items.
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"
#include "platform/vocemenu.h"
#include "suite.h"

#include <QElapsedTimer>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <vector>

class TestTemporizzatore : public QObject {
    Q_OBJECT
private slots:
    void fermoFinche_data()
    {
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<int>("intervallo");
        QTest::addColumn<bool>("scatta");
        QTest::newRow("off, no interval") << false << 0 << false;
        QTest::newRow("on, no interval") << true << 0 << false;
        QTest::newRow("off, interval") << false << 20 << false;
        QTest::newRow("on, interval") << true << 20 << true;
    }
    void fermoFinche()
    {
        QFETCH(bool, abilitato);
        QFETCH(int, intervallo);
        QFETCH(bool, scatta);
        Temporizzatore t;
        QSignalSpy tic(&t, &Temporizzatore::Timer);
        t.setInterval(intervallo);
        t.setEnabled(abilitato);
        QCOMPARE(t.Enabled(), abilitato);
        QCOMPARE(t.Interval(), intervallo);
        QTest::qWait(120);
        QCOMPARE(tic.count() > 0, scatta);
    }

    void spentoNonScatta()
    {
        Temporizzatore t;
        t.setInterval(10);
        t.setEnabled(true);
        QSignalSpy tic(&t, &Temporizzatore::Timer);
        QVERIFY(tic.wait(1000));
        t.setEnabled(false);
        const int n = tic.count();
        QTest::qWait(80);
        QCOMPARE(tic.count(), n);
        // On again: it ticks at the interval already set.
        t.setEnabled(true);
        QVERIFY(tic.wait(1000));
    }

    void riaccensioneRiparteDaCapo()
    {
        Temporizzatore t;
        QSignalSpy tic(&t, &Temporizzatore::Timer);
        t.setInterval(300);
        t.setEnabled(true);
        QTest::qWait(200);
        // Off and on again just before the tick: a full interval from now.
        t.setEnabled(false);
        t.setEnabled(true);
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY(tic.wait(2000));
        QVERIFY2(orologio.elapsed() >= 250, qPrintable(QString::number(orologio.elapsed())));
    }

    void nuovoIntervalloRiparteDaCapo()
    {
        Temporizzatore t;
        QSignalSpy tic(&t, &Temporizzatore::Timer);
        t.setInterval(300);
        t.setEnabled(true);
        QTest::qWait(200);
        t.setInterval(301);
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY(tic.wait(2000));
        QVERIFY2(orologio.elapsed() >= 250, qPrintable(QString::number(orologio.elapsed())));
        // A new interval while off does not start it.
        t.setEnabled(false);
        t.setInterval(10);
        const int n = tic.count();
        QTest::qWait(60);
        QCOMPARE(tic.count(), n);
        t.setInterval(-5);
        QCOMPARE(t.Interval(), 0);
    }

    void scatta()
    {
        Temporizzatore t;
        QSignalSpy tic(&t, &Temporizzatore::Timer);
        t.Scatta();
        QCOMPARE(tic.count(), 1);
    }
};
FRASOLINO_TEST(TestTemporizzatore);

class TestArrayControlli : public QObject {
    Q_OBJECT
private slots:
    void caricaEScarica()
    {
        QWidget w;
        auto* zero = new Etichetta(&w);
        zero->setCaption(QStringLiteral("modello "));
        zero->setTag(QStringLiteral("3"));
        zero->Move(150, 150, 900, 300);
        w.show();
        ArrayControlli<Etichetta> a;
        std::vector<std::pair<int, Etichetta*>> collegati;
        a.Collega([&](int i, Etichetta* e) { collegati.emplace_back(i, e); });
        a.Progetta(0, zero);
        QCOMPARE(collegati.size(), size_t(1));
        QCOMPARE(a.Count(), 1);
        QCOMPARE(a.LBound(), 0);
        QCOMPARE(a.UBound(), 0);

        zero->setCaption(QStringLiteral("stato attuale "));
        Etichetta* uno = a.Load(1);
        QCOMPARE(&a(1), uno);
        QVERIFY(uno->isHidden());
        QCOMPARE(uno->Caption(), QStringLiteral("stato attuale "));
        QCOMPARE(uno->Tag(), QStringLiteral("3"));
        QCOMPARE(uno->parentWidget(), &w);
        QCOMPARE(collegati.size(), size_t(2));
        QCOMPARE(collegati.back(), std::make_pair(1, uno));
        a.Load(2);
        QCOMPARE(a.UBound(), 2);
        QCOMPARE(a.Count(), 3);
        auto indici = [&a] {
            std::vector<int> v;
            for (auto it = a.begin(); it != a.end(); ++it) v.push_back(it.indice());
            return v;
        };
        QCOMPARE(indici(), (std::vector<int>{0, 1, 2}));

        QPointer<Etichetta> guardia(uno);
        a.Unload(1);
        QVERIFY(!a.Esiste(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guardia.isNull());
        QCOMPARE(indici(), (std::vector<int>{0, 2}));
        // The designed element stays.
        a.Unload(0);
        QVERIFY(a.Esiste(0));
        a.UnloadCreati();
        QCOMPARE(a.Count(), 1);
        QCOMPARE(a.UBound(), 0);
        QCOMPARE(w.findChildren<Etichetta*>().size(), qsizetype(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A label's own click handler builds the row again, itself included: the label outlives its
    // event, out of the window and deaf, and its index holds the new label at once.
    void rigaRifattaDalProprioClic()
    {
        QWidget w;
        ArrayControlli<Etichetta> a;
        a.Progetta(0, new Etichetta(&w));
        int clic = 0;
        a.Collega([&](int, Etichetta* e) {
            QObject::connect(e, &Etichetta::Click, [&] { ++clic, a.UnloadCreati(), a.Load(1)->show(); });
        });
        a.Load(1)->show();
        w.show();
        QPointer<Etichetta> vecchia(&a(1));
        QTest::mouseClick(vecchia, Qt::LeftButton);
        QCOMPARE(clic, 1);
        QVERIFY(vecchia && vecchia != &a(1) && vecchia->isHidden() && !vecchia->parent());
        QTest::mouseClick(vecchia, Qt::LeftButton);
        QCOMPARE(clic, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!vecchia);
    }

    void collegaDopo()
    {
        QWidget w;
        ArrayControlli<Bottone> a;
        for (int i = 0; i < 3; ++i) a.Progetta(i, new Bottone(&w));
        std::vector<int> indici;
        a.Collega([&](int i, Bottone*) { indici.push_back(i); });
        QCOMPARE(indici, (std::vector<int>{0, 1, 2}));
    }

    void elementoDistruttoConLaFinestra()
    {
        ArrayControlli<Etichetta> a;
        {
            QWidget w;
            a.Progetta(0, new Etichetta(&w));
            a.Load(1);
        }
        QVERIFY(!a.Esiste(0));
        QVERIFY(!a.Esiste(1));
        a.UnloadCreati(); // nothing left to delete, and no crash
        a.Dimentica();
        QCOMPARE(a.Count(), 0);
    }
};
FRASOLINO_TEST(TestArrayControlli);

class TestVoceMenu : public QObject {
    Q_OBJECT
private slots:
    void utilizzabile_data()
    {
        QTest::addColumn<bool>("disponibile");
        QTest::addColumn<bool>("bloccato");
        QTest::addColumn<bool>("usabile");
        QTest::newRow("available") << true << false << true;
        QTest::newRow("available, locked") << true << true << false;
        QTest::newRow("unavailable") << false << false << false;
        QTest::newRow("unavailable, locked") << false << true << false;
    }
    void utilizzabile()
    {
        QFETCH(bool, disponibile);
        QFETCH(bool, bloccato);
        QFETCH(bool, usabile);
        QMenuBar barra;
        QMenu* m = barra.addMenu(QStringLiteral("Esercizio     "));
        VoceMenu menu(m->menuAction(), m);
        VoceMenu voce(m->addAction(QStringLiteral("livello 1")));
        for (VoceMenu* v : {&menu, &voce}) {
            v->setEnabled(disponibile);
            v->setBloccato(bloccato);
            QCOMPARE(v->Enabled(), disponibile);
            QCOMPARE(v->Bloccato(), bloccato);
            QCOMPARE(v->Utilizzabile(), usabile);
            QCOMPARE(v->azione()->isEnabled(), usabile);
        }
        QSignalSpy click(&voce, &VoceMenu::Click);
        voce.Scegli();
        QCOMPARE(click.count(), usabile ? 1 : 0);
        voce.azione()->trigger();
        QCOMPARE(click.count(), usabile ? 2 : 0);
        // The two flags are independent: undoing one leaves the other.
        voce.setBloccato(false);
        QCOMPARE(voce.Utilizzabile(), disponibile);
        voce.setEnabled(true);
        QVERIFY(voce.Utilizzabile());
    }

    void caption()
    {
        QMenuBar barra;
        VoceMenu v(barra.addAction(QStringLiteral("x")));
        v.setCaption(QStringLiteral("Utilità     "));
        QCOMPARE(v.Caption(), QStringLiteral("Utilità     "));
        QCOMPARE(v.azione()->text(), QStringLiteral("Utilità     "));
        QVERIFY(v.Visible());
        v.setVisible(false);
        QVERIFY(!v.Visible());
    }

    void spunta()
    {
        QMenu m;
        VoceMenu v(m.addAction(QStringLiteral("livello 1")));
        QVERIFY(!v.Checked());
        v.setChecked(true);
        QVERIFY(v.Checked());
        QVERIFY(v.azione()->isChecked());
        // A click does not move the check mark: the program does.
        int clicks = 0;
        QObject::connect(&v, &VoceMenu::Click, [&] { ++clicks; });
        v.azione()->trigger();
        QCOMPARE(clicks, 1);
        QVERIFY(v.Checked());
        QVERIFY(v.azione()->isChecked());
        v.setChecked(false);
        QVERIFY(!v.azione()->isChecked());
    }
};
FRASOLINO_TEST(TestVoceMenu);

#include "test_oggetti.moc"
