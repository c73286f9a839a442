// The keys and the scan on the program's own menu window, as the launcher builds it: the load in
// each mode, the arrow grid, manual and automatic scanning, the exit question with the scan
// running, launching an exercise (the menu closes inside the key handler), the mouse.
#include "suite.h"
#include "tastiera.h"

#include "app/formmenu.h"
#include "core/programma.h"
#include "app/registro.h"
#include "input/pilotamenu.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"
#include "servizifinti.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr Colore Rosso = 0x000000FF;

struct Menu {
    explicit Menu(std::int16_t modo)
    {
        auto s = std::make_unique<ServiziFinti>();
        servizi = s.get();
        p = std::make_unique<Programma>(std::move(s), cartella.path(), radice.path());
        p->ModalitaInput = modo;
        p->ColoreScansione = Rosso;
        p->finestre().FineProgramma = [this] { ++fini; };
        registro = std::make_unique<RegistroFinestre>(*p);
    }
    ~Menu()
    {
        registro.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FormMenu& m() { return registro->Menu(); }

    std::vector<int> Evidenziate()
    {
        std::vector<int> v;
        for (int i = 0; i < m().Label1.Count(); ++i)
            if (m().Label1(i).BackColor() == p->ColoreScansioneRgb()) v.push_back(i);
        return v;
    }

    CasellaFuoco* Casella()
    {
        switch (p->ModalitaInput) {
        case ModoScansioneManuale: return m().controlli().PictureScansioneManuale;
        case ModoScansioneAutomatica: return m().controlli().PictureScansioneAutomatica;
        case ModoFrecce: return m().controlli().PictureFrecce;
        default: return nullptr;
        }
    }

    // Puts the highlight on entry i with the mode's own keys or ticks; false when it never gets
    // there.
    [[nodiscard]] bool Raggiungi(int i)
    {
        for (int volte = 0; m().VoceEvidenziata != i; ++volte) {
            if (volte > 2 * FormMenu::NumeroVoci) return false;
            if (p->ModalitaInput == ModoFrecce)
                QTest::keyClick(m().controlli().PictureFrecce, Qt::Key_Down);
            else if (p->ModalitaInput == ModoScansioneManuale)
                QTest::keyClick(m().controlli().PictureScansioneManuale, Qt::Key_Space);
            else
                m().controlli().Timer1->Scatta();
        }
        return true;
    }

    QTemporaryDir cartella, radice;
    ServiziFinti* servizi = nullptr;
    std::unique_ptr<Programma> p;
    std::unique_ptr<RegistroFinestre> registro;
    int fini = 0;
};

std::vector<int> Una(int i) { return {i}; }

void AggiungiModi()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("manuale") << 1;
    QTest::newRow("automatica") << 2;
    QTest::newRow("frecce") << 3;
}

} // namespace

class TestFormMenu : public QObject {
    Q_OBJECT
private slots:
    // Each load: entry 0 on (and only it) in the keyboard modes, the timer at the mode's
    // interval, the keys on the mode's holder from the start.
    void caricamento_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<bool>("acceso");
        QTest::addColumn<int>("intervallo");
        QTest::newRow("mouse") << 0 << 4 << false << 100;
        QTest::newRow("manuale") << 1 << 4 << true << 100;
        QTest::newRow("automatica 4") << 2 << 4 << true << 1000;
        QTest::newRow("automatica 60") << 2 << 60 << true << 15000;
        QTest::newRow("automatica 0") << 2 << 0 << true << 250;
        QTest::newRow("automatica 200") << 2 << 200 << true << 32767;
        QTest::newRow("frecce") << 3 << 4 << true << 100;
    }

    void caricamento()
    {
        QFETCH(int, modo);
        QFETCH(int, velocita);
        Menu a(static_cast<std::int16_t>(modo));
        a.p->VelocitaScansione = static_cast<std::int16_t>(velocita);
        a.m().VoceEvidenziata = 9;
        a.m().Mostra();
        QVERIFY(QTest::qWaitForWindowActive(a.m().widget()));
        QTEST(a.m().controlli().Timer1->Enabled(), "acceso");
        QTEST(a.m().controlli().Timer1->Interval(), "intervallo");
        if (modo == 0) {
            QVERIFY(a.Evidenziate().empty());
        } else {
            QCOMPARE(int(a.m().VoceEvidenziata), 0);
            QCOMPARE(a.Evidenziate(), Una(0));
            QCOMPARE(QApplication::focusWidget(), a.Casella());
        }
    }

    // Back on the menu after an exercise, the highlight starts on entry 0 again.
    void ricaricamento_data() { AggiungiModi(); }

    void ricaricamento()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Mostra();
        QVERIFY(a.Raggiungi(4));
        QCOMPARE(a.Evidenziate(), Una(4));
        a.m().Scarica();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        a.m().Mostra();
        QCOMPARE(int(a.m().VoceEvidenziata), 0);
        QCOMPARE(a.Evidenziate(), Una(0));
        QVERIFY(a.Raggiungi(2));
        QCOMPARE(a.Evidenziate(), Una(2));
    }

    // The grid on the real window; one move per entry and arrow.
    void frecce_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("tasto");
        const std::pair<const char*, Qt::Key> nomi[] = {
            {"su", Qt::Key_Up}, {"giu'", Qt::Key_Down}, {"sinistra", Qt::Key_Left}, {"destra", Qt::Key_Right}};
        for (int v = 0; v < 23; ++v)
            for (const auto& [nome, tasto] : nomi) QTest::addRow("%d %s", v, nome) << v << int(tasto);
    }

    void frecce()
    {
        QFETCH(int, voce);
        QFETCH(int, tasto);
        Menu a(ModoFrecce);
        a.m().Carica();
        QVERIFY(a.Raggiungi(voce));
        const int attesa = menu::VoceDopoFreccia(CasellaFuoco::CodiceTasto(tasto), voce, 23);
        QTest::keyClick(a.m().controlli().PictureFrecce, static_cast<Qt::Key>(tasto));
        QCOMPARE(int(a.m().VoceEvidenziata), attesa);
        QCOMPARE(a.Evidenziate(), Una(attesa));
        QCOMPARE(a.m().controlli().Check1->BackColor(), FormMenu::ColoreFinestra);
        QVERIFY(a.m().Caricata());
    }

    // However the keys or the scan go round, exactly one entry is on and the sounds check box
    // never is.
    void casellaSuoniMaiEvidenziata_data() { AggiungiModi(); }

    void casellaSuoniMaiEvidenziata()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Carica();
        for (int k = 0; k < 3 * 23; ++k) {
            if (modo == ModoFrecce) {
                const Qt::Key tasti[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up};
                QTest::keyClick(a.m().controlli().PictureFrecce, tasti[k % 5]);
            } else if (modo == ModoScansioneManuale) {
                QTest::keyClick(a.m().controlli().PictureScansioneManuale, Qt::Key_Space);
            } else {
                a.m().controlli().Timer1->Scatta();
            }
            QCOMPARE(a.Evidenziate(), Una(a.m().VoceEvidenziata));
            QCOMPARE(a.m().controlli().Check1->BackColor(), FormMenu::ColoreFinestra);
        }
    }

    // 23 Spaces of manual scanning, or 23 ticks of automatic scanning, come back to the start.
    void giroCompleto_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manuale") << 1;
        QTest::newRow("automatica") << 2;
    }

    void giroCompleto()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Carica();
        for (int k = 1; k <= 23; ++k) {
            if (modo == ModoScansioneManuale)
                QTest::keyClick(a.m().controlli().PictureScansioneManuale, Qt::Key_Space);
            else
                a.m().controlli().Timer1->Scatta();
            QCOMPARE(int(a.m().VoceEvidenziata), k % 23);
        }
    }

    // Automatic scanning: a held key pauses; releasing Space launches the entry that was on when
    // it went down; releasing Enter or an arrow only resumes.
    void automaticaTenuto_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("lancia");
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("sinistra") << int(Qt::Key_Left) << false;
        QTest::newRow("giu'") << int(Qt::Key_Down) << false;
    }

    void automaticaTenuto()
    {
        QFETCH(int, tasto);
        QFETCH(bool, lancia);
        const auto k = static_cast<Qt::Key>(tasto);
        Menu a(ModoScansioneAutomatica);
        a.m().Mostra();
        QVERIFY(a.Raggiungi(3));
        QPointer<CasellaFuoco> c = a.m().controlli().PictureScansioneAutomatica;
        tastiera::Tieni(c, k, 10);
        QVERIFY(!a.m().controlli().Timer1->Enabled());
        QCOMPARE(int(a.m().VoceEvidenziata), 3);
        tastiera::Rilascia(c, k);
        if (lancia) {
            // "riconosci il soggetto" opens its scanning window and the menu closes.
            QVERIFY(!a.m().Caricata());
            QVERIFY(a.registro->EsercizioCreato(QStringLiteral("Form4s")));
            QVERIFY(a.registro->EsercizioCreato(QStringLiteral("Form4s"))->Caricata());
        } else {
            QVERIFY(a.m().Caricata());
            QVERIFY(a.m().controlli().Timer1->Enabled());
            QCOMPARE(a.Evidenziate(), Una(3));
        }
    }

    // The select key of each mode opens the highlighted exercise and closes the menu from inside
    // the key handler.
    void lancio_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("tasto");
        QTest::newRow("manuale, Enter") << 1 << int(Qt::Key_Return);
        QTest::newRow("automatica, Space") << 2 << int(Qt::Key_Space);
        QTest::newRow("frecce, Enter") << 3 << int(Qt::Key_Return);
        QTest::newRow("frecce, Space") << 3 << int(Qt::Key_Space);
    }

    void lancio()
    {
        QFETCH(int, modo);
        QFETCH(int, tasto);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Mostra();
        QVERIFY(a.Raggiungi(12));
        QPointer<CasellaFuoco> c = a.Casella();
        QPointer<Temporizzatore> timer = a.m().controlli().Timer1;
        tastiera::Premi(c, static_cast<Qt::Key>(tasto));
        if (c) tastiera::Rilascia(c, static_cast<Qt::Key>(tasto));
        // The unloaded menu's timer is off before its widgets are gone: no tick reaches it.
        QVERIFY(!timer || !timer->Enabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!a.m().Caricata());
        Finestra* f = a.registro->EsercizioCreato(QStringLiteral("Form11s"));
        QVERIFY(f && f->Caricata());
        QCOMPARE(a.p->NumeroComplemento, std::int16_t(6));
        QVERIFY(a.p->FileEsercizio.endsWith(QStringLiteral("/testifrasolino/complementi/mezzo.txt")));
    }

    // "Esci" answered No: the question comes with the scan running (the ticks during it move the
    // automatic highlight and take the focus back), and the menu stays with the scan going.
    void esciNo_data() { AggiungiModi(); }

    void esciNo()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        FormMenu& m = a.m();
        m.Mostra();
        QVERIFY(QTest::qWaitForWindowActive(m.widget()));
        QVERIFY(a.Raggiungi(22));
        bool timerAcceso = false;
        a.servizi->risposte.push_back(msg::RispostaNo);
        a.servizi->mentreMessaggio = [&](const ServiziFinti::Messaggio&) {
            timerAcceso = m.controlli().Timer1->Enabled();
            m.controlli().Check1->setFocus();
            for (int i = 0; i < 2; ++i) m.controlli().Timer1->Scatta();
        };
        QTest::keyClick(a.Casella(), modo == ModoScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
        QCOMPARE(a.servizi->TestiMessaggi(), QStringList{QStringLiteral("Vuoi uscire dal programma?")});
        QVERIFY(timerAcceso);
        QCOMPARE(a.fini, 0);
        QVERIFY(m.Caricata());
        QVERIFY(m.controlli().Timer1->Enabled());
        const int dopo = modo == ModoScansioneAutomatica ? 1 : 22;
        QCOMPARE(int(m.VoceEvidenziata), dopo);
        QCOMPARE(a.Evidenziate(), Una(dopo));
        QCOMPARE(QApplication::focusWidget(), a.Casella());
        // The scan and the keys go on.
        if (modo == ModoScansioneAutomatica) {
            m.controlli().Timer1->Scatta();
            QCOMPARE(int(m.VoceEvidenziata), 2);
        } else {
            QTest::keyClick(a.Casella(), modo == ModoFrecce ? Qt::Key_Down : Qt::Key_Space);
            QCOMPARE(int(m.VoceEvidenziata), 0);
        }
    }

    // "Esci" answered Yes ends the program.
    void esciSi()
    {
        Menu a(ModoFrecce);
        a.m().Mostra();
        QTest::keyClick(a.m().controlli().PictureFrecce, Qt::Key_Up);
        QCOMPARE(int(a.m().VoceEvidenziata), 22);
        QTest::keyClick(a.m().controlli().PictureFrecce, Qt::Key_Return);
        QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
        QCOMPARE(a.fini, 1);
    }

    // After a click elsewhere the next tick gives the keys back to the mode's holder.
    void tickRidaIlFuoco_data() { AggiungiModi(); }

    void tickRidaIlFuoco()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Mostra();
        QVERIFY(QTest::qWaitForWindowActive(a.m().widget()));
        a.m().controlli().Check1->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), a.m().controlli().Check1);
        a.m().controlli().Timer1->Scatta();
        QCOMPARE(QApplication::focusWidget(), a.Casella());
    }

    // A mouse click on an entry launches it in every mode, and does not move the highlight first.
    void clicLancia_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("mouse") << 0;
        QTest::newRow("manuale") << 1;
        QTest::newRow("automatica") << 2;
        QTest::newRow("frecce") << 3;
    }

    void clicLancia()
    {
        QFETCH(int, modo);
        Menu a(static_cast<std::int16_t>(modo));
        a.m().Mostra();
        QVERIFY(QTest::qWaitForWindowExposed(a.m().widget()));
        QTest::mouseClick(&a.m().Label1(2), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!a.m().Caricata());
        const QString nome = modo == ModoMouse ? QStringLiteral("Form2") : QStringLiteral("Form2s");
        Finestra* f = a.registro->EsercizioCreato(nome);
        QVERIFY(f && f->Caricata());
    }
};

FRASOLINO_TEST(TestFormMenu);

#include "test_formmenu.moc"
