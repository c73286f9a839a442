// Where the scan shapes go: the bar under the word being judged and the frame around a label.
#include "input/disegnoscansione.h"
#include "suite.h"

#include <QTest>

class TestDisegnoScansione : public QObject {
    Q_OBJECT
private slots:
    void barraSotto_data()
    {
        QTest::addColumn<QRect>("parola");
        QTest::addColumn<int>("spazio");
        QTest::addColumn<QRect>("barra");
        QTest::newRow("height 480") << QRect(300, 1200, 1000, 480) << 135 << QRect(300, 1748, 865, 15);
        QTest::newRow("height 375") << QRect(120, 1320, 1050, 375) << 150 << QRect(120, 1748, 900, 15);
        QTest::newRow("6 high: right under it") << QRect(0, 100, 500, 6) << 150 << QRect(0, 106, 350, 15);
        QTest::newRow("7 high") << QRect(0, 100, 500, 7) << 150 << QRect(0, 108, 350, 15);
    }
    void barraSotto()
    {
        QFETCH(QRect, parola);
        QFETCH(int, spazio);
        QTEST(BarraSotto(parola, spazio, 15), "barra");
    }

    void corniceIntorno_data()
    {
        QTest::addColumn<QRect>("etichetta");
        QTest::addColumn<int>("bordo");
        QTest::addColumn<QRect>("cornice");
        QTest::newRow("border 9") << QRect(1200, 1320, 900, 375) << 9 << QRect(1191, 1311, 918, 393);
        QTest::newRow("border 12") << QRect(360, 840, 3255, 855) << 12 << QRect(348, 828, 3279, 879);
        QTest::newRow("no border") << QRect(10, 20, 30, 40) << 0 << QRect(10, 20, 30, 40);
    }
    void corniceIntorno()
    {
        QFETCH(QRect, etichetta);
        QFETCH(int, bordo);
        QTEST(CorniceIntorno(etichetta, bordo), "cornice");
    }
};

FRASOLINO_TEST(TestDisegnoScansione);
#include "tst_disegnoscansione.moc"
