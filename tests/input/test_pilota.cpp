// The driver every scanning window shares, on a test set of items: the keys of each holder in each
// mode, the tick, the pause of automatic scanning, the finished state, and the focus.
#include "suite.h"
#include "tastiera.h"

#include "core/programma.h"
#include "input/pilotascansione.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"
#include "servizifinti.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A window's items as the driver sees them, recording what the driver asks of the window.
class ElementiFinti : public ElementiScansione {
public:
    std::vector<bool> sceglibili;
    int cursore = 0;
    bool finito = false;
    std::vector<int> selezioni; // the cursor at each selection
    int prossimi = 0;
    int disegni = 0;
    std::function<void()> allaSelezione;

    int Numero() const override { return static_cast<int>(sceglibili.size()); }
    bool Sceglibile(int i) const override { return sceglibili.at(static_cast<std::size_t>(i)); }
    int Cursore() const override { return cursore; }
    void setCursore(int c) override { cursore = c; }
    void Evidenzia(int) override { ++disegni; }
    void Seleziona() override
    {
        selezioni.push_back(cursore);
        if (allaSelezione) allaSelezione();
    }
    bool Finito() const override { return finito; }
    void Prossimo() override
    {
        ++prossimi;
        finito = false;
        cursore = 0;
    }
};

// A scanning window reduced to what the driver works on.
struct Banco {
    explicit Banco(std::int16_t modo, RegoleScansione regole = {})
        : programma(std::make_unique<ServiziFinti>(), QString(), QString())
    {
        tastiera::LasciaTutti();
        programma.ModalitaInput = modo;
        finestra = new QWidget;
        finestra->resize(300, 200);
        frecce = new CasellaFuoco(finestra);
        manuale = new CasellaFuoco(finestra);
        automatica = new CasellaFuoco(finestra);
        frecce->setGeometry(10, 10, 33, 33);
        manuale->setGeometry(50, 10, 41, 33);
        automatica->setGeometry(100, 10, 33, 33);
        altro = new QLineEdit(finestra);
        altro->setGeometry(10, 100, 200, 30);
        timer = new Temporizzatore(finestra);
        timer->setInterval(100);
        pilota = new PilotaScansione(programma, elementi, *frecce, *manuale, *automatica, *timer, regole, finestra);
    }
    ~Banco() { delete finestra.data(), tastiera::LasciaTutti(); }

    QWidget* Casella(QChar c) const
    {
        if (c == u'F') return frecce;
        if (c == u'M') return manuale;
        return automatica;
    }

    Programma programma;
    ElementiFinti elementi;
    QPointer<QWidget> finestra;
    CasellaFuoco* frecce = nullptr;
    CasellaFuoco* manuale = nullptr;
    CasellaFuoco* automatica = nullptr;
    QLineEdit* altro = nullptr;
    Temporizzatore* timer = nullptr;
    PilotaScansione* pilota = nullptr;
};

Qt::Key Tasto(QChar c)
{
    switch (c.unicode()) {
    case 'S': return Qt::Key_Space;
    case 'E': return Qt::Key_Return;
    case 'L': return Qt::Key_Left;
    case 'R': return Qt::Key_Right;
    case 'U': return Qt::Key_Up;
    case 'D': return Qt::Key_Down;
    case 'X': return Qt::Key_A;
    case 'K': return Qt::Key_Escape;
    case 'Z': return Qt::Key_Shift;
    default: return Qt::Key_unknown;
    }
}

// Plays a script on the bench. Tokens, separated by blanks: "T" one tick; otherwise holder (F
// arrows, M manual, A automatic), action (+ down, - up, * down and up, ^ down and up with Shift,
// ~ an auto-repeat up/down pair of a held key) and key (S Space, E Enter, L R U D arrows, X a
// letter, K Escape, Z Shift).
void Recita(Banco& b, const QString& copione)
{
    for (const QString& t : copione.split(u' ', Qt::SkipEmptyParts)) {
        if (t == QLatin1String("T")) {
            b.timer->Scatta();
            continue;
        }
        QVERIFY2(t.size() == 3, qPrintable(t));
        QWidget* w = b.Casella(t[0]);
        const Qt::Key k = Tasto(t[2]);
        switch (t[1].unicode()) {
        case '+': tastiera::Premi(w, k); break;
        case '-': tastiera::Rilascia(w, k); break;
        case '*': tastiera::Batti(w, k); break;
        case '^': tastiera::Batti(w, k, Qt::ShiftModifier); break;
        case '~':
            tastiera::Rilascia(w, k, true);
            tastiera::Premi(w, k, true);
            break;
        default: QFAIL(qPrintable(t));
        }
    }
}

std::vector<bool> Maschera(const QString& s)
{
    std::vector<bool> v;
    for (QChar c : s) v.push_back(c == u'1');
    return v;
}

QString Elenco(const std::vector<int>& v)
{
    QStringList l;
    for (int i : v) l << QString::number(i);
    return l.join(u',');
}

} // namespace

class TestPilota : public QObject {
    Q_OBJECT
private slots:
    void tasti_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("alRilascio"); // the manual holder acts on key up
        QTest::addColumn<QString>("sceglibili");
        QTest::addColumn<int>("cursore");
        QTest::addColumn<bool>("finito");
        QTest::addColumn<QString>("copione");
        QTest::addColumn<int>("cursoreAtteso");
        QTest::addColumn<QString>("selezioni");
        QTest::addColumn<int>("prossimi");
        QTest::addColumn<int>("disegni");
        QTest::addColumn<bool>("timerAcceso");

        // Manual scanning.
        QTest::newRow("manuale: Space avanza") << 1 << false << "1111" << 0 << false << "M*S" << 1 << "" << 0 << 1 << true;
        QTest::newRow("manuale: 4 Space, giro completo") << 1 << false << "1111" << 0 << false << "M*S M*S M*S M*S" << 0 << "" << 0 << 4 << true;
        QTest::newRow("manuale: Space salta") << 1 << false << "1001" << 0 << false << "M*S" << 3 << "" << 0 << 1 << true;
        QTest::newRow("manuale: Space dall'ultimo") << 1 << false << "0110" << 2 << false << "M*S" << 1 << "" << 0 << 1 << true;
        QTest::newRow("manuale: Enter seleziona") << 1 << false << "1111" << 2 << false << "M*E" << 2 << "2" << 0 << 0 << true;
        QTest::newRow("manuale: frecce ignorate") << 1 << false << "1111" << 0 << false << "M*L M*R M*U M*D" << 0 << "" << 0 << 0 << true;
        QTest::newRow("manuale: altri tasti ignorati") << 1 << false << "1111" << 0 << false << "M*X M*K M*Z" << 0 << "" << 0 << 0 << true;
        QTest::newRow("manuale: Enter tenuto, una selezione") << 1 << false << "1111" << 2 << false << "M+E M~E M~E M-E" << 2 << "2" << 0 << 0 << true;
        QTest::newRow("manuale: Enter tenuto a fine frase, un solo avanti") << 1 << false << "1111" << 2 << true << "M+E M~E M~E M-E" << 0 << "" << 1 << 0 << true;
        QTest::newRow("manuale: Space tenuto ripete") << 1 << false << "1111" << 0 << false << "M+S M~S M~S M-S" << 3 << "" << 0 << 3 << true;
        // A display server that reports a held key's repeats as new presses (detectable auto-repeat).
        QTest::newRow("manuale: Enter ripremuto senza rilascio") << 1 << false << "1111" << 2 << false << "M+E M+E M+E M-E" << 2 << "2" << 0 << 0 << true;
        QTest::newRow("manuale: Space ripremuto senza rilascio") << 1 << false << "1111" << 0 << false << "M+S M+S M+S M-S" << 3 << "" << 0 << 3 << true;
        QTest::newRow("manuale: finito, Space") << 1 << false << "1111" << 2 << true << "M*S" << 0 << "" << 1 << 0 << true;
        QTest::newRow("manuale: finito, Enter") << 1 << false << "1111" << 2 << true << "M*E" << 0 << "" << 1 << 0 << true;
        QTest::newRow("manuale: casella delle frecce muta") << 1 << false << "1111" << 0 << false << "F*R F*E" << 0 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: giu' non avanza") << 1 << true << "1111" << 0 << false << "M+S" << 0 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: su avanza") << 1 << true << "1111" << 0 << false << "M+S M-S" << 1 << "" << 0 << 1 << true;
        QTest::newRow("manuale al rilascio: tenuto, un passo") << 1 << true << "1111" << 0 << false << "M+S M~S M~S M~S M-S" << 1 << "" << 0 << 1 << true;
        QTest::newRow("manuale al rilascio: Enter giu'") << 1 << true << "1111" << 1 << false << "M+E" << 1 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: Enter su") << 1 << true << "1111" << 1 << false << "M*E" << 1 << "1" << 0 << 0 << true;
        // A release whose key went down elsewhere (the Enter that opened the window) does nothing.
        QTest::newRow("manuale al rilascio: solo su, Enter") << 1 << true << "1111" << 1 << false << "M-E" << 1 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: solo su, Space") << 1 << true << "1111" << 1 << false << "M-S" << 1 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: finito") << 1 << true << "1111" << 3 << true << "M*S" << 0 << "" << 1 << 0 << true;
        // Two switches pressed overlapping: each key's press and release is its own action.
        QTest::newRow("manuale al rilascio: sovrapposti") << 1 << true << "1111" << 0 << false << "M+S M+E M-S M-E" << 1 << "1" << 0 << 1 << true;
        QTest::newRow("manuale al rilascio: sovrapposti, rilascio inverso") << 1 << true << "1111" << 0 << false << "M+E M+S M-S M-E" << 1 << "1" << 0 << 1 << true;
        QTest::newRow("manuale: sovrapposti") << 1 << false << "1111" << 0 << false << "M+S M+E M-S M-E" << 1 << "1" << 0 << 1 << true;
        QTest::newRow("automatica: Enter durante Space") << 2 << false << "1111" << 1 << false << "A+S A+E A-E A-S" << 1 << "1" << 0 << 0 << true;

        // Arrows.
        QTest::newRow("frecce: destra") << 3 << false << "1111" << 0 << false << "F*R" << 1 << "" << 0 << 1 << true;
        QTest::newRow("frecce: giu'") << 3 << false << "1111" << 0 << false << "F*D" << 1 << "" << 0 << 1 << true;
        QTest::newRow("frecce: sinistra dal primo") << 3 << false << "1111" << 0 << false << "F*L" << 3 << "" << 0 << 1 << true;
        QTest::newRow("frecce: su dal primo") << 3 << false << "1111" << 0 << false << "F*U" << 3 << "" << 0 << 1 << true;
        QTest::newRow("frecce: destra dall'ultimo") << 3 << false << "1111" << 3 << false << "F*R" << 0 << "" << 0 << 1 << true;
        QTest::newRow("frecce: destra salta") << 3 << false << "1001" << 0 << false << "F*R" << 3 << "" << 0 << 1 << true;
        QTest::newRow("frecce: sinistra salta") << 3 << false << "1001" << 3 << false << "F*L" << 0 << "" << 0 << 1 << true;
        QTest::newRow("frecce: solo il corrente") << 3 << false << "0100" << 1 << false << "F*R F*L F*D F*U" << 1 << "" << 0 << 4 << true;
        QTest::newRow("frecce: nessuno sceglibile") << 3 << false << "0000" << 2 << false << "F*R F*L" << 2 << "" << 0 << 2 << true;
        QTest::newRow("frecce: n = 1") << 3 << false << "1" << 0 << false << "F*R F*L F*U F*D" << 0 << "" << 0 << 4 << true;
        QTest::newRow("frecce: Maiuscole ignorate") << 3 << false << "1111" << 0 << false << "F^R F^R" << 2 << "" << 0 << 2 << true;
        QTest::newRow("frecce: Enter tenuto, una selezione") << 3 << false << "1111" << 1 << false << "F+E F~E F~E F-E" << 1 << "1" << 0 << 0 << true;
        QTest::newRow("frecce: Enter seleziona") << 3 << false << "1111" << 1 << false << "F*E" << 1 << "1" << 0 << 0 << true;
        QTest::newRow("frecce: Space non fa nulla") << 3 << false << "1111" << 1 << false << "F*S" << 1 << "" << 0 << 0 << true;
        QTest::newRow("frecce: altri tasti ignorati") << 3 << false << "1111" << 1 << false << "F*X F*K F*Z" << 1 << "" << 0 << 0 << true;
        QTest::newRow("frecce: finito, sinistra") << 3 << false << "1111" << 2 << true << "F*L" << 0 << "" << 1 << 0 << true;
        QTest::newRow("frecce: finito, destra") << 3 << false << "1111" << 2 << true << "F*R" << 0 << "" << 1 << 0 << true;
        QTest::newRow("frecce: finito, Enter") << 3 << false << "1111" << 2 << true << "F*E" << 0 << "" << 1 << 0 << true;
        QTest::newRow("frecce: finito, Space nulla") << 3 << false << "1111" << 2 << true << "F*S" << 2 << "" << 0 << 0 << true;
        QTest::newRow("frecce: casella manuale muta") << 3 << false << "1111" << 0 << false << "M*S M*E" << 0 << "" << 0 << 0 << true;

        // Automatic scanning.
        QTest::newRow("automatica: un tick") << 2 << false << "1111" << 0 << false << "T" << 1 << "" << 0 << 1 << true;
        QTest::newRow("automatica: 4 tick, giro") << 2 << false << "1111" << 0 << false << "T T T T" << 0 << "" << 0 << 4 << true;
        QTest::newRow("automatica: tick salta") << 2 << false << "0101" << 1 << false << "T" << 3 << "" << 0 << 1 << true;
        QTest::newRow("automatica: tick salta oltre la fine") << 2 << false << "0101" << 1 << false << "T T" << 1 << "" << 0 << 2 << true;
        QTest::newRow("automatica: nessuno sceglibile") << 2 << false << "0000" << 1 << false << "T T" << 1 << "" << 0 << 2 << true;
        QTest::newRow("automatica: finito, tick fermo") << 2 << false << "1111" << 2 << true << "T T" << 2 << "" << 0 << 0 << true;
        QTest::newRow("automatica: Space giu' ferma") << 2 << false << "1111" << 0 << false << "A+S" << 0 << "" << 0 << 0 << false;
        QTest::newRow("automatica: solo Space su, nessuna selezione") << 2 << false << "1111" << 0 << false << "A-S" << 0 << "" << 0 << 0 << true;
        QTest::newRow("automatica: Space su seleziona") << 2 << false << "1111" << 0 << false << "A*S" << 0 << "0" << 0 << 0 << true;
        QTest::newRow("automatica: Space tenuto, fermo") << 2 << false << "1111" << 1 << false << "A+S A~S A~S A~S" << 1 << "" << 0 << 0 << false;
        QTest::newRow("automatica: Space tenuto, una selezione") << 2 << false << "1111" << 1 << false << "A+S A~S A~S A-S" << 1 << "1" << 0 << 0 << true;
        // A key held down in the window that opened this one: only its repeats and release come here.
        QTest::newRow("automatica: Space tenuto da prima") << 2 << false << "1111" << 1 << false << "A~S A~S A-S" << 1 << "" << 0 << 0 << true;
        QTest::newRow("manuale al rilascio: Enter tenuto da prima") << 1 << true << "1111" << 1 << false << "M~E M-E" << 1 << "" << 0 << 0 << true;
        QTest::newRow("automatica: Enter ferma") << 2 << false << "1111" << 0 << false << "A+E" << 0 << "" << 0 << 0 << false;
        QTest::newRow("automatica: Enter riprende senza selezionare") << 2 << false << "1111" << 0 << false << "A*E" << 0 << "" << 0 << 0 << true;
        QTest::newRow("automatica: lettera ferma") << 2 << false << "1111" << 0 << false << "A+X" << 0 << "" << 0 << 0 << false;
        QTest::newRow("automatica: Esc ferma") << 2 << false << "1111" << 0 << false << "A+K" << 0 << "" << 0 << 0 << false;
        QTest::newRow("automatica: freccia non ferma") << 2 << false << "1111" << 0 << false << "A+R" << 0 << "" << 0 << 0 << true;
        QTest::newRow("automatica: freccia non seleziona") << 2 << false << "1111" << 0 << false << "A*R A*U" << 0 << "" << 0 << 0 << true;
        QTest::newRow("automatica: Maiuscole non ferma") << 2 << false << "1111" << 0 << false << "A+Z" << 0 << "" << 0 << 0 << true;
        QTest::newRow("automatica: tick, tick, Space, tick") << 2 << false << "1111" << 0 << false << "T T A*S T" << 3 << "2" << 0 << 3 << true;
        QTest::newRow("automatica: finito, Space") << 2 << false << "1111" << 2 << true << "A*S" << 0 << "" << 1 << 0 << true;
        QTest::newRow("automatica: finito, Enter") << 2 << false << "1111" << 2 << true << "A*E" << 2 << "" << 0 << 0 << true;
        QTest::newRow("automatica: altre caselle mute") << 2 << false << "1111" << 0 << false << "M*S F*R F*E" << 0 << "" << 0 << 0 << true;

        // Mouse: no holder acts but the automatic one, which tests no mode; the tick does nothing.
        QTest::newRow("mouse: tick e tasti") << 0 << false << "1111" << 0 << false << "T M*S F*R F*E" << 0 << "" << 0 << 0 << false;
    }

    void tasti()
    {
        QFETCH(int, modo);
        QFETCH(bool, alRilascio);
        QFETCH(QString, sceglibili);
        QFETCH(int, cursore);
        QFETCH(bool, finito);
        QFETCH(QString, copione);
        RegoleScansione regole;
        regole.ManualeAlRilascio = alRilascio;
        Banco b(static_cast<std::int16_t>(modo), regole);
        b.elementi.sceglibili = Maschera(sceglibili);
        b.elementi.cursore = cursore;
        b.elementi.finito = finito;
        b.pilota->Avvia();
        Recita(b, copione);
        QTEST(b.elementi.cursore, "cursoreAtteso");
        QTEST(Elenco(b.elementi.selezioni), "selezioni");
        QTEST(b.elementi.prossimi, "prossimi");
        QTEST(b.elementi.disegni, "disegni");
        QTEST(b.timer->Enabled(), "timerAcceso");
    }

    // The start: the timer by the mode, the interval from the speed in automatic scanning only,
    // the focus at once on the holder of the mode.
    void avvio_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<bool>("acceso");
        QTest::addColumn<int>("intervallo");
        QTest::addColumn<QChar>("casella");
        QTest::newRow("mouse") << 0 << 4 << false << 100 << QChar(u'-');
        QTest::newRow("manuale") << 1 << 4 << true << 100 << QChar(u'M');
        QTest::newRow("automatica 4") << 2 << 4 << true << 1000 << QChar(u'A');
        QTest::newRow("automatica 60") << 2 << 60 << true << 15000 << QChar(u'A');
        QTest::newRow("automatica 0") << 2 << 0 << true << 250 << QChar(u'A');
        QTest::newRow("automatica -1") << 2 << -1 << true << 250 << QChar(u'A');
        QTest::newRow("automatica 132") << 2 << 132 << true << 32767 << QChar(u'A');
        QTest::newRow("frecce") << 3 << 4 << true << 100 << QChar(u'F');
        QTest::newRow("modo sconosciuto") << 7 << 4 << false << 100 << QChar(u'-');
    }

    void avvio()
    {
        QFETCH(int, modo);
        QFETCH(int, velocita);
        QFETCH(QChar, casella);
        Banco b(static_cast<std::int16_t>(modo));
        b.programma.VelocitaScansione = static_cast<std::int16_t>(velocita);
        b.elementi.sceglibili = {true, true};
        b.finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(b.finestra));
        b.altro->setFocus();
        b.pilota->Avvia();
        QTEST(b.timer->Enabled(), "acceso");
        QTEST(b.timer->Interval(), "intervallo");
        if (casella == u'-') {
            QCOMPARE(b.pilota->CasellaDelModo(), nullptr);
            QCOMPARE(QApplication::focusWidget(), b.altro);
        } else {
            QCOMPARE(b.pilota->CasellaDelModo(), b.Casella(casella));
            QCOMPARE(QApplication::focusWidget(), b.Casella(casella));
        }
    }

    // After a click on another control the next tick gives the keys back to the mode's holder.
    void tickRidaIlFuoco_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QChar>("casella");
        QTest::newRow("manuale") << 1 << QChar(u'M');
        QTest::newRow("automatica") << 2 << QChar(u'A');
        QTest::newRow("frecce") << 3 << QChar(u'F');
    }

    void tickRidaIlFuoco()
    {
        QFETCH(int, modo);
        QFETCH(QChar, casella);
        Banco b(static_cast<std::int16_t>(modo));
        b.elementi.sceglibili = {true, true, true};
        b.finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(b.finestra));
        b.pilota->Avvia();
        QTest::mouseClick(b.altro, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), b.altro);
        b.timer->Scatta();
        QCOMPARE(QApplication::focusWidget(), b.Casella(casella));
        // and the keys reach it: Space steps in manual scanning, Right in arrow mode.
        if (modo != 2) {
            QTest::keyClick(QApplication::focusWidget(), modo == 1 ? Qt::Key_Space : Qt::Key_Right);
            QCOMPARE(b.elementi.cursore, 1);
        }
    }

    // The real clock: while Space is held no step comes; the release selects the item that was
    // highlighted when the key went down, and the steps come again afterwards.
    void pausaConIlTimerVero()
    {
        Banco b(ModoScansioneAutomatica);
        b.elementi.sceglibili = std::vector<bool>(5, true);
        b.pilota->Avvia();
        b.timer->setInterval(20);
        QTRY_VERIFY(b.elementi.cursore >= 1);
        tastiera::Premi(b.automatica, Qt::Key_Space);
        const int fermo = b.elementi.cursore;
        for (int i = 0; i < 8; ++i) {
            QTest::qWait(15);
            tastiera::Rilascia(b.automatica, Qt::Key_Space, true);
            tastiera::Premi(b.automatica, Qt::Key_Space, true);
        }
        QCOMPARE(b.elementi.cursore, fermo);
        QVERIFY(b.elementi.selezioni.empty());
        tastiera::Rilascia(b.automatica, Qt::Key_Space);
        QCOMPARE(b.elementi.selezioni, std::vector<int>{fermo});
        QVERIFY(b.timer->Enabled());
        QTRY_VERIFY(b.elementi.cursore != fermo);
    }

    // A selection may close the window, controls and driver included, before the handler returns.
    void selezioneCheChiudeLaFinestra_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QChar>("casella");
        QTest::addColumn<int>("tasto");
        QTest::newRow("manuale, Enter") << 1 << QChar(u'M') << int(Qt::Key_Return);
        QTest::newRow("automatica, Space") << 2 << QChar(u'A') << int(Qt::Key_Space);
        QTest::newRow("frecce, Enter") << 3 << QChar(u'F') << int(Qt::Key_Return);
    }

    void selezioneCheChiudeLaFinestra()
    {
        QFETCH(int, modo);
        QFETCH(QChar, casella);
        QFETCH(int, tasto);
        Banco b(static_cast<std::int16_t>(modo));
        b.elementi.sceglibili = {true, true};
        b.elementi.allaSelezione = [&b] { delete b.finestra.data(); };
        b.pilota->Avvia();
        QPointer<QWidget> w = b.Casella(casella);
        tastiera::Premi(w, static_cast<Qt::Key>(tasto));
        if (w) tastiera::Rilascia(w, static_cast<Qt::Key>(tasto));
        QCOMPARE(b.elementi.selezioni.size(), std::size_t(1));
        QVERIFY(b.finestra.isNull());
    }
};

FRASOLINO_TEST(TestPilota);

#include "test_pilota.moc"
