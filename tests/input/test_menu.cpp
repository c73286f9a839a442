// The menu's keys and scan, on a window built from the menu's controls: the arrow grid, manual and
// automatic scanning, the pause, the launch, the exit question, the focus.
#include "suite.h"
#include "finestraprovamenu.h"
#include "tastiera.h"

#include "core/programma.h"
#include "input/pilotamenu.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"
#include "servizifinti.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <memory>
#include <vector>

namespace {

struct Banco {
    explicit Banco(std::int16_t modo)
    {
        auto s = std::make_unique<ServiziFinti>();
        servizi = s.get();
        programma = std::make_unique<Programma>(std::move(s), QString(), QString());
        programma->ModalitaInput = modo;
        programma->ColoreScansione = 0x0000FF; // red
        finestra = new FinestraProvaMenu(*programma);
    }
    ~Banco() { delete finestra.data(), tastiera::LasciaTutti(); }

    // Puts the highlight on entry i as the keys would leave it.
    void Evidenzia(int i)
    {
        finestra->Label1(finestra->VoceEvidenziata).setBackColor(FinestraProvaMenu::ColoreFinestra);
        finestra->VoceEvidenziata = static_cast<std::int16_t>(i);
        finestra->Label1(i).setBackColor(programma->ColoreScansioneRgb());
    }

    ServiziFinti* servizi = nullptr;
    std::unique_ptr<Programma> programma;
    QPointer<FinestraProvaMenu> finestra;
};

// Entry, Up, Down, Left, Right: where each arrow leads from each entry.
struct Mosse {
    int voce, su, giu, sinistra, destra;
};
const Mosse Griglia[] = {
    {0, 22, 1, 16, 8},   {1, 0, 2, 17, 9},    {2, 1, 3, 18, 10},   {3, 2, 4, 19, 11},   {4, 3, 5, 20, 12},
    {5, 4, 6, 21, 13},   {6, 5, 7, 22, 14},   {7, 6, 8, 22, 15},   {8, 7, 9, 0, 16},    {9, 8, 10, 1, 17},
    {10, 9, 11, 2, 18},  {11, 10, 12, 3, 19}, {12, 11, 13, 4, 20}, {13, 12, 14, 5, 21}, {14, 13, 15, 6, 22},
    {15, 14, 16, 7, 22}, {16, 15, 17, 8, 0},  {17, 16, 18, 9, 1},  {18, 17, 19, 10, 2}, {19, 18, 20, 11, 3},
    {20, 19, 21, 12, 4}, {21, 20, 22, 13, 5}, {22, 21, 0, 14, 6},
};

std::vector<int> Una(int i) { return {i}; }

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void frecce_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("attesa");
        const std::pair<const char*, Qt::Key> nomi[] = {
            {"su", Qt::Key_Up}, {"giu'", Qt::Key_Down}, {"sinistra", Qt::Key_Left}, {"destra", Qt::Key_Right}};
        for (const Mosse& m : Griglia) {
            const int mete[] = {m.su, m.giu, m.sinistra, m.destra};
            for (int k = 0; k < 4; ++k)
                QTest::addRow("%d %s", m.voce, nomi[k].first) << m.voce << int(nomi[k].second) << mete[k];
        }
    }

    // Every one of the 23 x 4 arrow moves, through the real key events on the arrow holder.
    void frecce()
    {
        QFETCH(int, voce);
        QFETCH(int, tasto);
        QFETCH(int, attesa);
        QCOMPARE(menu::VoceDopoFreccia(CasellaFuoco::CodiceTasto(tasto), voce, 23), attesa);

        Banco b(ModoFrecce);
        b.finestra->Avvia();
        b.Evidenzia(voce);
        tastiera::Batti(b.finestra->PictureFrecce, static_cast<Qt::Key>(tasto));
        QCOMPARE(int(b.finestra->VoceEvidenziata), attesa);
        QCOMPARE(b.finestra->VociEvidenziate(), Una(attesa));
        QVERIFY(b.finestra->lanciate.empty());
    }

    // Keys the grid does not know leave the highlight where it is.
    void frecceAltriTasti()
    {
        for (int tasto : {0, 13, 32, 27, 65, 36, 41})
            for (int voce : {0, 7, 22})
                QCOMPARE(menu::VoceDopoFreccia(tasto, voce, 23), voce);
    }

    void frecceLanciano_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("lancia");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter del tastierino") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("lettera") << int(Qt::Key_A) << false;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
        QTest::newRow("Maiuscole") << int(Qt::Key_Shift) << false;
    }

    void frecceLanciano()
    {
        QFETCH(int, tasto);
        QFETCH(bool, lancia);
        Banco b(ModoFrecce);
        b.finestra->Avvia();
        b.Evidenzia(13);
        tastiera::Batti(b.finestra->PictureFrecce, static_cast<Qt::Key>(tasto));
        QCOMPARE(b.finestra->lanciate, lancia ? Una(13) : std::vector<int>{});
        QCOMPARE(int(b.finestra->VoceEvidenziata), 13);
        QCOMPARE(b.finestra->VociEvidenziate(), Una(13));
    }

    // Manual scanning: 23 Spaces come back to the start, one entry on at a time; Enter launches.
    void manuale_data()
    {
        QTest::addColumn<int>("inizio");
        QTest::newRow("dalla prima") << 0;
        QTest::newRow("da ripasso 1") << 7;
        QTest::newRow("da Esci") << 22;
    }

    void manuale()
    {
        QFETCH(int, inizio);
        Banco b(ModoScansioneManuale);
        b.finestra->Avvia();
        b.Evidenzia(inizio);
        for (int k = 1; k <= 23; ++k) {
            tastiera::Batti(b.finestra->PictureScansioneManuale, Qt::Key_Space);
            QCOMPARE(int(b.finestra->VoceEvidenziata), (inizio + k) % 23);
            QCOMPARE(b.finestra->VociEvidenziate(), Una((inizio + k) % 23));
        }
        QCOMPARE(int(b.finestra->VoceEvidenziata), inizio);
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A})
            tastiera::Batti(b.finestra->PictureScansioneManuale, k);
        QCOMPARE(int(b.finestra->VoceEvidenziata), inizio);
        QVERIFY(b.finestra->lanciate.empty());
        if (inizio != 22) {
            tastiera::Batti(b.finestra->PictureScansioneManuale, Qt::Key_Return);
            QCOMPARE(b.finestra->lanciate, Una(inizio));
        }
    }

    // Automatic scanning: each tick moves one entry on and takes the focus to the automatic
    // holder; 23 ticks come back.
    void automaticaTick()
    {
        Banco b(ModoScansioneAutomatica);
        b.finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(b.finestra));
        b.finestra->Avvia();
        QCOMPARE(b.finestra->VociEvidenziate(), Una(0));
        for (int k = 1; k <= 23; ++k) {
            b.finestra->altroControllo->setFocus();
            b.finestra->Timer1->Scatta();
            QCOMPARE(int(b.finestra->VoceEvidenziata), k % 23);
            QCOMPARE(b.finestra->VociEvidenziate(), Una(k % 23));
            QCOMPARE(QApplication::focusWidget(), b.finestra->PictureScansioneAutomatica);
        }
        QVERIFY(b.finestra->lanciate.empty());
    }

    // A key held down on the automatic holder (with the keyboard's auto-repeat) pauses the scan;
    // its release resumes it, and launches the entry that was on when the key went down only for
    // Space.
    void automaticaTasto_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("lancia");
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("sinistra") << int(Qt::Key_Left) << false;
        QTest::newRow("su") << int(Qt::Key_Up) << false;
        QTest::newRow("destra") << int(Qt::Key_Right) << false;
        QTest::newRow("giu'") << int(Qt::Key_Down) << false;
        QTest::newRow("Maiuscole") << int(Qt::Key_Shift) << false;
        QTest::newRow("lettera") << int(Qt::Key_A) << false;
    }

    void automaticaTasto()
    {
        QFETCH(int, tasto);
        QFETCH(bool, lancia);
        const auto k = static_cast<Qt::Key>(tasto);
        Banco b(ModoScansioneAutomatica);
        b.finestra->Avvia();
        for (int i = 0; i < 5; ++i) b.finestra->Timer1->Scatta();
        QCOMPARE(int(b.finestra->VoceEvidenziata), 5);
        tastiera::Tieni(b.finestra->PictureScansioneAutomatica, k, 10);
        QVERIFY(!b.finestra->Timer1->Enabled());
        QVERIFY(b.finestra->lanciate.empty());
        tastiera::Rilascia(b.finestra->PictureScansioneAutomatica, k);
        QVERIFY(b.finestra->Timer1->Enabled());
        QCOMPARE(b.finestra->lanciate, lancia ? Una(5) : std::vector<int>{});
        QCOMPARE(b.finestra->VociEvidenziate(), Una(5));
    }

    // The same on the real clock: no step while Space is held, then the launch of the entry that
    // was on when it went down; after another key's release the scan goes on.
    void automaticaConIlTimerVero()
    {
        Banco b(ModoScansioneAutomatica);
        b.finestra->Avvia();
        b.finestra->Timer1->setInterval(20);
        QTRY_VERIFY(b.finestra->VoceEvidenziata >= 2);
        tastiera::Premi(b.finestra->PictureScansioneAutomatica, Qt::Key_Return);
        const int fermo = b.finestra->VoceEvidenziata;
        QTest::qWait(120);
        QCOMPARE(int(b.finestra->VoceEvidenziata), fermo);
        tastiera::Rilascia(b.finestra->PictureScansioneAutomatica, Qt::Key_Return);
        QTRY_VERIFY(b.finestra->VoceEvidenziata != fermo);

        tastiera::Premi(b.finestra->PictureScansioneAutomatica, Qt::Key_Space);
        const int scelta = b.finestra->VoceEvidenziata;
        for (int i = 0; i < 6; ++i) {
            QTest::qWait(20);
            tastiera::Rilascia(b.finestra->PictureScansioneAutomatica, Qt::Key_Space, true);
            tastiera::Premi(b.finestra->PictureScansioneAutomatica, Qt::Key_Space, true);
        }
        QCOMPARE(int(b.finestra->VoceEvidenziata), scelta);
        QVERIFY(b.finestra->lanciate.empty());
        tastiera::Rilascia(b.finestra->PictureScansioneAutomatica, Qt::Key_Space);
        QCOMPARE(b.finestra->lanciate, Una(scelta));
    }

    // Outside automatic scanning the automatic holder's Space launches nothing, and its release
    // never leaves the scan timer, which keeps the focus, switched off.
    void automaticaFuoriModo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manuale") << 1;
        QTest::newRow("frecce") << 3;
    }

    void automaticaFuoriModo()
    {
        QFETCH(int, modo);
        Banco b(static_cast<std::int16_t>(modo));
        b.finestra->Avvia();
        tastiera::Premi(b.finestra->PictureScansioneAutomatica, Qt::Key_Space);
        QVERIFY(!b.finestra->Timer1->Enabled());
        tastiera::Rilascia(b.finestra->PictureScansioneAutomatica, Qt::Key_Space);
        QVERIFY(b.finestra->Timer1->Enabled());
        QVERIFY(b.finestra->lanciate.empty());
    }

    // The highlight takes the scan colour of the moment and gives back the window's colour.
    void colori()
    {
        Banco b(ModoScansioneManuale);
        b.programma->ColoreScansione = 0x00FF8000;
        b.finestra->Avvia();
        QCOMPARE(b.finestra->Label1(0).BackColor(), Colore(0x00FF8000));
        tastiera::Batti(b.finestra->PictureScansioneManuale, Qt::Key_Space);
        QCOMPARE(b.finestra->Label1(0).BackColor(), FinestraProvaMenu::ColoreFinestra);
        QCOMPARE(b.finestra->Label1(1).BackColor(), Colore(0x00FF8000));
        QCOMPARE(b.finestra->Check1->BackColor(), FinestraProvaMenu::ColoreFinestra);
    }

    // The tick in each mode takes the keys back from a click elsewhere.
    void tickRidaIlFuoco_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manuale") << 1;
        QTest::newRow("automatica") << 2;
        QTest::newRow("frecce") << 3;
    }

    void tickRidaIlFuoco()
    {
        QFETCH(int, modo);
        Banco b(static_cast<std::int16_t>(modo));
        b.finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(b.finestra));
        b.finestra->Avvia();
        QTest::mouseClick(b.finestra->altroControllo, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), b.finestra->altroControllo);
        b.finestra->Timer1->Scatta();
        CasellaFuoco* attesa = modo == 1   ? b.finestra->PictureScansioneManuale
                               : modo == 2 ? b.finestra->PictureScansioneAutomatica
                                           : b.finestra->PictureFrecce;
        QCOMPARE(QApplication::focusWidget(), attesa);
    }

    // "Esci" answered No, reached and chosen in each mode: the question is asked with the timer
    // running (its ticks during the question move the automatic scan on), and afterwards the menu
    // is still there with the scan going.
    void esciNo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manuale") << 1;
        QTest::newRow("automatica") << 2;
        QTest::newRow("frecce") << 3;
    }

    void esciNo()
    {
        QFETCH(int, modo);
        Banco b(static_cast<std::int16_t>(modo));
        b.finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(b.finestra));
        b.finestra->Avvia();
        auto* f = b.finestra.data();
        if (modo == 1) {
            for (int i = 0; i < 22; ++i) QTest::keyClick(f->PictureScansioneManuale, Qt::Key_Space);
        } else if (modo == 2) {
            for (int i = 0; i < 22; ++i) f->Timer1->Scatta();
        } else {
            QTest::keyClick(f->PictureFrecce, Qt::Key_Up);
        }
        QCOMPARE(int(f->VoceEvidenziata), 22);

        bool timerDuranteLaDomanda = false;
        b.servizi->risposte.push_back(msg::RispostaNo);
        b.servizi->mentreMessaggio = [&](const ServiziFinti::Messaggio&) {
            timerDuranteLaDomanda = f->Timer1->Enabled();
            f->altroControllo->setFocus();
            for (int i = 0; i < 3; ++i) f->Timer1->Scatta();
        };
        if (modo == 1) {
            QTest::keyClick(f->PictureScansioneManuale, Qt::Key_Return);
        } else if (modo == 2) {
            QTest::keyClick(f->PictureScansioneAutomatica, Qt::Key_Space);
        } else {
            QTest::keyClick(f->PictureFrecce, Qt::Key_Return);
        }
        QCOMPARE(b.servizi->messaggi.size(), std::size_t(1));
        QCOMPARE(b.servizi->messaggi[0].testo, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(b.servizi->messaggi[0].stile, 36);
        QCOMPARE(b.servizi->messaggi[0].titolo, QStringLiteral("Frasolino - 1°"));
        QVERIFY(timerDuranteLaDomanda);

        QVERIFY(!b.finestra.isNull());
        QVERIFY(f->lanciate.empty());
        QVERIFY(f->Timer1->Enabled());
        const int dopo = modo == 2 ? 2 : 22;
        QCOMPARE(int(f->VoceEvidenziata), dopo);
        QCOMPARE(f->VociEvidenziate(), Una(dopo));
        CasellaFuoco* casella = modo == 1   ? f->PictureScansioneManuale
                                : modo == 2 ? f->PictureScansioneAutomatica
                                            : f->PictureFrecce;
        QCOMPARE(QApplication::focusWidget(), casella);
        // The keys go on working.
        if (modo == 2) {
            f->Timer1->Scatta();
            QCOMPARE(int(f->VoceEvidenziata), 3);
        } else if (modo == 1) {
            QTest::keyClick(casella, Qt::Key_Space);
            QCOMPARE(int(f->VoceEvidenziata), 0);
        } else {
            QTest::keyClick(casella, Qt::Key_Left);
            QCOMPARE(int(f->VoceEvidenziata), 14);
        }
    }

    // A launch that closes the menu inside the key handler leaves nothing dangling.
    void lancioCheChiudeIlMenu_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manuale") << 1;
        QTest::newRow("automatica") << 2;
        QTest::newRow("frecce") << 3;
    }

    void lancioCheChiudeIlMenu()
    {
        QFETCH(int, modo);
        Banco b(static_cast<std::int16_t>(modo));
        b.finestra->Avvia();
        b.Evidenzia(5);
        std::vector<int> lanciate;
        b.finestra->dopoLancio = [&](int k) {
            lanciate = b.finestra->lanciate;
            (void)k;
            delete b.finestra.data();
        };
        QPointer<CasellaFuoco> c = modo == 1   ? b.finestra->PictureScansioneManuale
                                   : modo == 2 ? b.finestra->PictureScansioneAutomatica
                                               : b.finestra->PictureFrecce;
        const Qt::Key k = modo == 2 ? Qt::Key_Space : Qt::Key_Return;
        tastiera::Premi(c, k);
        if (c) tastiera::Rilascia(c, k);
        QVERIFY(b.finestra.isNull());
        QCOMPARE(lanciate, Una(5));
    }
};

FRASOLINO_TEST(TestMenu);

#include "test_menu.moc"
