// Windows: the re-layout of their controls and their life cycle.
#include "platform/barrastato.h"
#include "platform/controlli.h"
#include "platform/finestra.h"
#include "platform/griglia.h"
#include "platform/ridimensionatore.h"
#include "platform/twips.h"
#include "platform/vocemenu.h"
#include "suite.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class TestRidimensionatore : public QObject {
    Q_OBJECT
private slots:
    void raddoppia()
    {
        QWidget client;
        client.resize(400, 300);
        auto* a = new Etichetta(&client);
        a->setGeometry(10, 20, 100, 30);
        a->setCarattere(QStringLiteral("DejaVu Sans"), 12);
        auto* cornice = new Cornice(&client);
        cornice->setGeometry(200, 100, 150, 100);
        auto* dentro = new Bottone(cornice);
        dentro->setGeometry(5, 15, 40, 20);
        auto* griglia = new Griglia(&client);
        griglia->setGeometry(0, 0, 50, 50);
        auto* barra = new BarraStato(&client);
        auto* forma = new Forma(&client);
        forma->setBorderWidth(9);
        forma->setRettangolo(QRect(30, 150, 97, 1));
        client.show();
        const QRect barraPrima = barra->geometry();

        Ridimensionatore r;
        r.RecordLayout(&client);
        auto* dopo = new Etichetta(&client); // created after the record, at the recorded scale
        dopo->setGeometry(7, 7, 11, 11);
        dopo->setCarattere(QStringLiteral("DejaVu Sans"), 9);

        client.resize(800, 600);
        r.ApplyLayout();
        QCOMPARE(r.ScalaX(), 2.0);
        QCOMPARE(r.ScalaY(), 2.0);
        QCOMPARE(a->geometry(), QRect(20, 40, 200, 60));
        QCOMPARE(a->font().pointSizeF(), 24.0);
        QCOMPARE(cornice->geometry(), QRect(400, 200, 300, 200));
        QCOMPARE(dentro->geometry(), QRect(10, 30, 80, 40));
        QCOMPARE(griglia->geometry(), QRect(0, 0, 100, 100));
        // A shape scales its own rectangle; its outline keeps its thickness in pixels.
        QCOMPARE(forma->Rettangolo(), QRect(60, 300, 194, 2));
        QCOMPARE(forma->BorderWidth(), 9);
        QCOMPARE(dopo->geometry(), QRect(14, 14, 22, 22));
        QCOMPARE(dopo->font().pointSizeF(), 18.0);
        // One created at the doubled scale goes back to half its place and font with the window.
        auto* doppia = new Etichetta(&client);
        doppia->setGeometry(40, 60, 100, 20);
        doppia->setCarattere(QStringLiteral("DejaVu Sans"), 24);
        // The status bar docks itself, as high as the scale makes it.
        QCOMPARE(barra->geometry(), QRect(0, 600 - 2 * barraPrima.height(), 800, 2 * barraPrima.height()));

        // Back to the recorded size: back to the recorded layout.
        client.resize(400, 300);
        r.ApplyLayout();
        QCOMPARE(a->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(a->font().pointSizeF(), 12.0);
        QCOMPARE(forma->Rettangolo(), QRect(30, 150, 97, 1));
        QCOMPARE(dopo->geometry(), QRect(7, 7, 11, 11));
        QCOMPARE(doppia->geometry(), QRect(20, 30, 50, 10));
        QCOMPARE(doppia->font().pointSizeF(), 12.0);
    }

    void fontConLaScalaMinore()
    {
        QWidget client;
        client.resize(400, 300);
        auto* a = new Etichetta(&client);
        a->setGeometry(100, 100, 100, 100);
        a->setCarattere(QStringLiteral("DejaVu Sans"), 10);
        Ridimensionatore r;
        r.RecordLayout(&client);
        client.resize(1200, 150);
        r.ApplyLayout();
        QCOMPARE(a->geometry(), QRect(300, 50, 300, 50));
        QCOMPARE(a->font().pointSizeF(), 5.0);
        // Too small to read anything (no height at all, a few pixels): the layout stays as it was,
        // and a copy made meanwhile, as a sentence laid out then, is in its place at the next size.
        for (const QSize piccola : {QSize(1200, 0), QSize(4, 3)}) {
            client.resize(piccola);
            r.ApplyLayout();
            std::unique_ptr<Etichetta> copia(a->Clona());
            client.resize(400, 300);
            r.ApplyLayout();
            QCOMPARE(copia->geometry(), QRect(100, 100, 100, 100));
            QCOMPARE(copia->font().pointSizeF(), 10.0);
        }
    }

    void controlloDistrutto()
    {
        QWidget client;
        client.resize(100, 100);
        auto* a = new Etichetta(&client);
        auto* b = new Etichetta(&client);
        b->setGeometry(10, 10, 10, 10);
        Ridimensionatore r;
        r.RecordLayout(&client);
        delete a;
        client.resize(200, 200);
        r.ApplyLayout();
        QCOMPARE(b->geometry(), QRect(20, 20, 20, 20));
    }

    void spostatoDalProgramma()
    {
        QWidget client;
        client.resize(100, 100);
        auto* g = new Griglia(&client);
        g->setGeometry(10, 10, 10, 10);
        Ridimensionatore r;
        r.RecordLayout(&client);
        client.resize(200, 200);
        r.ApplyLayout();
        // The window places the grid over its whole inside at the present size.
        g->setGeometry(0, 0, 200, 200);
        client.resize(400, 400);
        r.ApplyLayout();
        QCOMPARE(g->geometry(), QRect(0, 0, 400, 400));
    }

    void senzaRegistrazione()
    {
        Ridimensionatore r;
        r.ApplyLayout();
        QCOMPARE(r.ScalaX(), 1.0);
        QCOMPARE(r.ScalaY(), 1.0);
    }
};
FRASOLINO_TEST(TestRidimensionatore);

namespace {

// A window with a label, a menu and a counter field that must survive unloading.
class FinestraProva : public Finestra {
public:
    using Finestra::Finestra;

    struct Controlli {
        Etichetta* Label1 = nullptr;
        VoceMenu* mnuEsci = nullptr;
        VoceMenu* mnuFile = nullptr;
        VoceMenu* mnuApri = nullptr;
    } c;

    int Campo = 0;
    int caricamenti = 0, attivazioni = 0, ridimensionamenti = 0, distruzioni = 0;
    std::function<void()> allAttivazione;

protected:
    void CreaControlli() override
    {
        c.Label1 = new Etichetta(client());
        c.Label1->Move(150, 150, 1500, 300);
        c.Label1->setCaption(QStringLiteral("progetto"));
        c.mnuFile = AggiungiMenu(QStringLiteral("File"), nullptr, true);
        c.mnuApri = AggiungiMenu(QStringLiteral("Apri"), c.mnuFile);
        c.mnuEsci = AggiungiMenu(QStringLiteral("Esci"));
    }
    void DistruggiControlli() override
    {
        ++distruzioni;
        c = {};
    }
    void Form_Load() override
    {
        EssResizer1.RecordLayout(client());
        ++caricamenti;
    }
    void Form_Activate() override
    {
        ++attivazioni;
        if (allAttivazione) allAttivazione();
    }
    void Form_Resize() override
    {
        ++ridimensionamenti;
        Finestra::Form_Resize();
    }
};

// Two focus boxes; the load gives the focus to the second.
class FinestraFuoco : public Finestra {
public:
    using Finestra::Finestra;
    CasellaFuoco* prima = nullptr;
    CasellaFuoco* seconda = nullptr;

protected:
    void CreaControlli() override
    {
        prima = new CasellaFuoco(client());
        seconda = new CasellaFuoco(client());
        prima->Move(0, 0, 150, 150);
        seconda->Move(300, 0, 150, 150);
        AggiungiMenu(QStringLiteral("Esci"));
    }
    void DistruggiControlli() override { prima = seconda = nullptr; }
    void Form_Load() override { seconda->SetFocus(); }
};

// A focus holder with the focus, a submenu and a command with a mnemonic.
class FinestraMenuTastiera : public Finestra {
public:
    using Finestra::Finestra;
    CasellaFuoco* casella = nullptr;
    QStringList scelte;

protected:
    void CreaControlli() override
    {
        casella = new CasellaFuoco(client());
        casella->Move(0, 0, 150, 150);
        VoceMenu* file = AggiungiMenu(QStringLiteral("File"), nullptr, true);
        for (VoceMenu* v : {AggiungiMenu(QStringLiteral("Apri"), file), AggiungiMenu(QStringLiteral("&Esci"))})
            QObject::connect(v, &VoceMenu::Click, this, [this, v] { scelte << v->Caption(); });
    }
    void DistruggiControlli() override { casella = nullptr; }
    void Form_Load() override { casella->SetFocus(); }
};

} // namespace

class TestFinestra : public QObject {
    Q_OBJECT
private slots:
    void dimensioniDiProgetto()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(8085, 4995));
        f.Mostra();
        QVERIFY(f.Caricata());
        QVERIFY(f.widget()->isVisible());
        // The client area has the design size; the menu bar comes on top of it.
        QCOMPARE(f.client()->size(), QSize(539, 333));
        QCOMPARE(f.ScaleWidth(), 8085);
        QCOMPARE(f.ScaleHeight(), 4995);
        QVERIFY(f.widget()->menuWidget()->height() > 0);
        QCOMPARE(f.Height(), twips::daPixel(f.widget()->frameGeometry().height()));
        QVERIFY(f.Height() > f.ScaleHeight());
        // The recorded layout is the design one.
        QCOMPARE(f.c.Label1->geometry(), QRect(10, 10, 100, 20));
    }

    void ridimensiona()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(6000, 4500));
        f.Mostra();
        const int prima = f.ridimensionamenti;
        const QSize esterno = f.widget()->size();
        const QSize conCornice = f.widget()->frameGeometry().size();
        f.widget()->resize(esterno + QSize(400, 300));
        QTRY_VERIFY(f.ridimensionamenti > prima);
        QCOMPARE(f.client()->size(), QSize(800, 600));
        QCOMPARE(f.c.Label1->geometry(), QRect(20, 20, 200, 40));
        // Outer size in twips.
        f.setDimensioniEsterne(twips::daPixel(conCornice.width()), twips::daPixel(conCornice.height()));
        QTRY_COMPARE(f.client()->size(), QSize(400, 300));
        QCOMPARE(f.Width(), twips::daPixel(conCornice.width()));
        QCOMPARE(f.Height(), twips::daPixel(conCornice.height()));
    }

    void cicloDiVita()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(6000, 4500));
        QVERIFY(!f.Caricata());
        QVERIFY(!g.QualcunaCaricata());
        f.Mostra();
        QCOMPARE(f.caricamenti, 1);
        QCOMPARE(f.attivazioni, 1);
        QVERIFY(g.QualcunaCaricata());
        QCOMPARE(g.Caricate(), std::vector<Finestra*>{&f});
        // Shown again while on screen: no second activation.
        f.Mostra();
        QCOMPARE(f.attivazioni, 1);
        // Qt's own activations (after a dialog, another program) are not Form_Activate.
        QEvent attiva(QEvent::WindowActivate);
        QApplication::sendEvent(f.widget(), &attiva);
        QCOMPARE(f.attivazioni, 1);

        f.Campo = 42;
        f.c.Label1->setCaption(QStringLiteral("cambiata"));
        QPointer<QMainWindow> vecchio = f.widget();
        QPointer<Etichetta> vecchiaEtichetta = f.c.Label1;
        f.Scarica();
        QVERIFY(!f.Caricata());
        QCOMPARE(f.distruzioni, 1);
        QVERIFY(f.c.Label1 == nullptr);
        QVERIFY(!g.QualcunaCaricata());
        QVERIFY(vecchio && vecchio->isHidden());
        QTRY_VERIFY(vecchio.isNull());
        QVERIFY(vecchiaEtichetta.isNull());

        // Opened again: fields kept, controls from the design.
        f.Mostra();
        QCOMPARE(f.Campo, 42);
        QCOMPARE(f.caricamenti, 2);
        QCOMPARE(f.attivazioni, 2);
        QCOMPARE(f.c.Label1->Caption(), QStringLiteral("progetto"));
        f.Scarica();
        f.Scarica(); // twice: nothing more
        QCOMPARE(f.distruzioni, 2);
    }

    void caricaSenzaMostrare()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(3000, 3000));
        f.Carica();
        QVERIFY(f.Caricata());
        QVERIFY(!f.widget()->isVisible());
        QCOMPARE(f.caricamenti, 1);
        QCOMPARE(f.attivazioni, 0);
        f.Mostra();
        QCOMPARE(f.caricamenti, 1);
        QCOMPARE(f.attivazioni, 1);
    }

    void menu()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(3000, 3000));
        f.Mostra();
        QVERIFY(f.c.mnuFile->menu() != nullptr);
        QCOMPARE(f.c.mnuApri->azione()->parent(), f.c.mnuFile->menu());
        QVERIFY(f.widget()->menuBar()->actions().contains(f.c.mnuEsci->azione()));
        QVERIFY(f.widget()->menuBar()->actions().contains(f.c.mnuFile->azione()));
        QCOMPARE(f.c.mnuEsci->Caption(), QStringLiteral("Esci"));
        QSignalSpy click(f.c.mnuEsci, &VoceMenu::Click);
        f.c.mnuEsci->azione()->trigger();
        QCOMPARE(click.count(), 1);
        QCOMPARE(f.AggiungiMenu(QStringLiteral("x"), f.c.mnuEsci), nullptr); // not a submenu
    }

    void chiusuraDellUltimaFinestra()
    {
        GestoreFinestre g;
        int fine = 0;
        g.FineProgramma = [&] { ++fine; };
        FinestraProva a(g, QSize(3000, 3000));
        FinestraProva b(g, QSize(3000, 3000));
        a.Mostra();
        b.Mostra();
        // Closing one of two: the other is still loaded.
        QVERIFY(b.widget()->close());
        QVERIFY(!b.Caricata());
        QCOMPARE(b.distruzioni, 1);
        QCOMPARE(fine, 0);
        QVERIFY(a.widget()->close());
        QVERIFY(!a.Caricata());
        QCOMPARE(fine, 1);
    }

    void scaricaNonTermina()
    {
        GestoreFinestre g;
        int fine = 0;
        g.FineProgramma = [&] { ++fine; };
        FinestraProva menu(g, QSize(3000, 3000));
        FinestraProva esercizio(g, QSize(3000, 3000));
        esercizio.Mostra();
        // "Esci": unload first, then show the menu.
        esercizio.Scarica();
        QVERIFY(!g.QualcunaCaricata());
        menu.Mostra();
        QCOMPARE(fine, 0);
        QVERIFY(menu.Caricata());
    }

    void scaricaDaDentroUnGestore()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(3000, 3000));
        f.Mostra();
        // The window unloads itself from a click on one of its own controls.
        QObject::connect(f.c.Label1, &Etichetta::Click, &f, [&] {
            f.Scarica();
            QVERIFY(!f.Caricata());
        });
        QTest::mouseClick(f.c.Label1, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!f.Caricata());
        QCOMPARE(f.distruzioni, 1);
        QTest::qWait(10);
        // And from its activation, during Mostra.
        f.allAttivazione = [&] { f.Scarica(); };
        f.Mostra();
        QVERIFY(!f.Caricata());
        QCOMPARE(f.distruzioni, 2);
        QTest::qWait(10);
    }

    void coloreETitolo()
    {
        GestoreFinestre g;
        FinestraProva f(g, QSize(3000, 3000));
        f.setBackColor(0xC0FFFF);
        f.setCaption(QStringLiteral("Frasolino - 1°"));
        f.Mostra();
        QCOMPARE(f.widget()->windowTitle(), QStringLiteral("Frasolino - 1°"));
        QCOMPARE(f.client()->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        const QImage img = f.client()->grab().toImage();
        QCOMPARE(img.pixelColor(150, 150), QColor(0xFF, 0xFF, 0xC0));
    }

    void fuocoDatoAlCaricamento()
    {
        GestoreFinestre g;
        FinestraFuoco f(g, QSize(3000, 3000));
        f.Mostra();
        QVERIFY(QTest::qWaitForWindowActive(f.widget()));
        QCOMPARE(QApplication::focusWidget(), f.seconda);
    }

    void menuDallaTastiera_data()
    {
        QTest::addColumn<QString>("tasti"); // "Tick": the scan gives the focus back to the holder
        QTest::addColumn<QStringList>("scelte");
        QTest::newRow("Alt, arrow, Enter") << "Alt Right Return" << QStringList{"&Esci"};
        QTest::newRow("F10, arrow, Enter") << "F10 Right Return" << QStringList{"&Esci"};
        QTest::newRow("Alt, Enter opens the menu") << "Alt Return Return" << QStringList{"Apri"};
        QTest::newRow("Alt, Down opens the menu") << "Alt Down Return" << QStringList{"Apri"};
        QTest::newRow("Alt and a mnemonic") << "Alt+E" << QStringList{"&Esci"};
        QTest::newRow("Escape leaves the bar") << "Alt Escape" << QStringList{};
        QTest::newRow("F10 again leaves the bar") << "F10 F10" << QStringList{};
        QTest::newRow("Escape closes the menu, then leaves") << "F10 Return Escape Escape" << QStringList{};
        QTest::newRow("a tick leaves the bar in use") << "Alt Tick Right Return" << QStringList{"&Esci"};
        QTest::newRow("a tick leaves the menu open") << "Alt Return Tick Return" << QStringList{"Apri"};
    }
    void menuDallaTastiera()
    {
        QFETCH(QString, tasti);
        QFETCH(QStringList, scelte);
        GestoreFinestre g;
        FinestraMenuTastiera f(g, QSize(3000, 3000));
        f.Mostra();
        QVERIFY(QTest::qWaitForWindowActive(f.widget()));
        QVERIFY(f.casella->HaFuoco());
        QList<int> allaCasella;
        QObject::connect(f.casella, &CasellaFuoco::KeyDown, f.casella, [&](int codice) { allaCasella << codice; });
        const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> nomi = {
            {"Alt", {Qt::Key_Alt, Qt::AltModifier}},  {"Alt+E", {Qt::Key_E, Qt::AltModifier}},
            {"F10", {Qt::Key_F10, Qt::NoModifier}},   {"Right", {Qt::Key_Right, Qt::NoModifier}},
            {"Down", {Qt::Key_Down, Qt::NoModifier}}, {"Return", {Qt::Key_Return, Qt::NoModifier}},
            {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
        };
        for (const QString& t : tasti.split(' ')) {
            if (t == "Tick") {
                f.casella->SetFocus();
                continue;
            }
            QWidget* a = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
            QVERIFY(a);
            QTest::keyClick(a, nomi.value(t).first, nomi.value(t).second);
        }
        QCOMPARE(f.scelte, scelte);
        // Out of the menu the keys are the holder's again, and none of those given to the menu
        // reached it (an Alt going down is a key like any other for the holder).
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(f.casella->HaFuoco());
        allaCasella.removeAll(0);
        QCOMPARE(allaCasella, QList<int>{});
    }

    void distruttoMentreCaricata()
    {
        GestoreFinestre g;
        QPointer<QMainWindow> w;
        {
            FinestraProva f(g, QSize(3000, 3000));
            f.Mostra();
            w = f.widget();
        }
        QVERIFY(w.isNull());
        QVERIFY(!g.QualcunaCaricata());
    }
};
FRASOLINO_TEST(TestFinestra);

#include "test_finestra.moc"
