// The step rules over a row of items, and the automatic scan's interval.
#include "suite.h"
#include "core/programma.h"
#include "input/passi.h"

#include <QTest>

#include <memory>
#include <set>
#include <vector>

namespace {

std::vector<bool> Maschera(const QString& s)
{
    std::vector<bool> v;
    for (QChar c : s) v.push_back(c == u'1');
    return v;
}

} // namespace

class TestPassi : public QObject {
    Q_OBJECT
private slots:
    void passo_data()
    {
        QTest::addColumn<bool>("avanti");
        QTest::addColumn<QString>("sceglibili"); // one digit per item: 1 can be chosen
        QTest::addColumn<int>("cursore");
        QTest::addColumn<int>("atteso");

        QTest::newRow("avanti: dall'ultimo al primo") << true << "1111" << 3 << 0;
        QTest::newRow("indietro: dal primo all'ultimo") << false << "1111" << 0 << 3;
        QTest::newRow("avanti: uno") << true << "1111" << 1 << 2;
        QTest::newRow("indietro: uno") << false << "1111" << 2 << 1;
        QTest::newRow("avanti: salta 1 e 2") << true << "1001" << 0 << 3;
        QTest::newRow("indietro: salta 2 e 1") << false << "1001" << 3 << 0;
        QTest::newRow("avanti: salta oltre la fine") << true << "01000" << 3 << 1;
        QTest::newRow("indietro: salta oltre l'inizio") << false << "00010" << 1 << 3;
        QTest::newRow("avanti: solo il corrente") << true << "00100" << 2 << 2;
        QTest::newRow("indietro: solo il corrente") << false << "00100" << 2 << 2;
        QTest::newRow("avanti: nessuno") << true << "00000" << 3 << 3;
        QTest::newRow("indietro: nessuno") << false << "00000" << 3 << 3;
        QTest::newRow("avanti: n = 1") << true << "1" << 0 << 0;
        QTest::newRow("indietro: n = 1") << false << "1" << 0 << 0;
        QTest::newRow("avanti: n = 1, non sceglibile") << true << "0" << 0 << 0;
        QTest::newRow("avanti: due posti, 1 -> 2") << true << "11" << 0 << 1;
        QTest::newRow("avanti: due posti, 2 -> 1") << true << "11" << 1 << 0;
        QTest::newRow("indietro: due posti, 1 -> 2") << false << "11" << 0 << 1;
        QTest::newRow("avanti: caselle nascoste oltre l'ultima visibile") << true << "11111100000" << 5 << 0;
        QTest::newRow("indietro: dalla prima alla visibile piu' alta") << false << "11111100000" << 0 << 5;
        QTest::newRow("avanti: cursore su una casella nascosta") << true << "01111" << 0 << 1;
        QTest::newRow("avanti: torna sull'unica vuota") << true << "010" << 1 << 1;
        QTest::newRow("avanti: bottoni 1 e 2 disabilitati") << true << "100111" << 0 << 3;
        QTest::newRow("indietro: bottoni 1 e 2 disabilitati") << false << "100111" << 3 << 0;
        QTest::newRow("avanti: cursore oltre la fine") << true << "111" << 7 << 0;
        QTest::newRow("indietro: cursore oltre la fine") << false << "111" << 7 << 2;
        QTest::newRow("avanti: cursore negativo") << true << "111" << -2 << 0;
        QTest::newRow("indietro: cursore negativo") << false << "111" << -1 << 2;
        QTest::newRow("avanti: nessun elemento") << true << "" << 0 << 0;
        QTest::newRow("indietro: nessun elemento") << false << "" << 0 << 0;
    }

    void passo()
    {
        QFETCH(bool, avanti);
        QFETCH(QString, sceglibili);
        QFETCH(int, cursore);
        QFETCH(int, atteso);
        const auto m = Maschera(sceglibili);
        const int n = static_cast<int>(m.size());
        std::vector<int> esaminati;
        const auto sceglibile = [&](int i) {
            esaminati.push_back(i);
            return i >= 0 && i < n && m[static_cast<std::size_t>(i)];
        };
        const int c = avanti ? scansione::PassoAvanti(cursore, n, sceglibile)
                             : scansione::PassoIndietro(cursore, n, sceglibile);
        QCOMPARE(c, atteso);
        // A step looks at each other item at most once and never loops on for ever.
        QVERIFY(static_cast<int>(esaminati.size()) <= std::max(n - 1, 0));
        QCOMPARE(std::set<int>(esaminati.begin(), esaminati.end()).size(), esaminati.size());
        for (int i : esaminati) QVERIFY(i >= 0 && i < n);
    }

    // Without a test every item can be chosen.
    void passoSenzaTest()
    {
        QCOMPARE(scansione::PassoAvanti(22, 23), 0);
        QCOMPARE(scansione::PassoIndietro(0, 23), 22);
        int c = 5;
        for (int i = 0; i < 23; ++i) c = scansione::PassoAvanti(c, 23);
        QCOMPARE(c, 5);
    }

    // A full round, either way, visits every item that can be chosen once, in index order.
    void giroCompleto()
    {
        const auto m = Maschera(QStringLiteral("1101001110"));
        const int n = static_cast<int>(m.size());
        const auto sceglibile = [&](int i) { return bool(m[static_cast<std::size_t>(i)]); };
        std::vector<int> avanti, indietro;
        int c = 0;
        do {
            c = scansione::PassoAvanti(c, n, sceglibile);
            avanti.push_back(c);
        } while (c != 0);
        do {
            c = scansione::PassoIndietro(c, n, sceglibile);
            indietro.push_back(c);
        } while (c != 0);
        QCOMPARE(avanti, (std::vector<int>{1, 3, 6, 7, 8, 0}));
        QCOMPARE(indietro, (std::vector<int>{8, 7, 6, 3, 1, 0}));
    }

    void intervallo_data()
    {
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("atteso");
        QTest::newRow("4: il piu' veloce offerto") << 4 << 1000;
        QTest::newRow("60: il piu' lento offerto") << 60 << 15000;
        QTest::newRow("131: l'ultimo in 16 bit") << 131 << 32750;
        QTest::newRow("132: oltre i 16 bit") << 132 << 32767;
        QTest::newRow("32767") << 32767 << 32767;
        QTest::newRow("1") << 1 << 250;
        QTest::newRow("0: mai fermo") << 0 << 250;
        QTest::newRow("-1") << -1 << 250;
        QTest::newRow("-32768") << -32768 << 250;
    }

    void intervallo()
    {
        QFETCH(int, velocita);
        QFETCH(int, atteso);
        const int ms = IntervalloScansione(static_cast<std::int16_t>(velocita));
        QCOMPARE(ms, atteso);
        QVERIFY(ms > 0);
        QVERIFY(ms <= 32767);
    }
};

FRASOLINO_TEST(TestPassi);

#include "test_passi.moc"
