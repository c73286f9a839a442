// The band an outline covers: its thickness lies across the shape's edges.
#include "platform/contorno.h"
#include "suite.h"

#include <QTest>

class TestContorno : public QObject {
    Q_OBJECT
private slots:
    void banda_data()
    {
        QTest::addColumn<QRect>("rettangolo");
        QTest::addColumn<int>("spessore");
        QTest::addColumn<QRect>("esterno");
        QTest::addColumn<QRect>("interno");
        // The underline bar: 1455 x 15 twips is 97 x 1 pixels; a 9-pixel outline makes it a bar
        // 9 pixels thick, centred on the shape.
        QTest::newRow("bar 97x1, 9") << QRect(10, 40, 97, 1) << 9 << QRect(6, 36, 105, 9) << QRect();
        QTest::newRow("frame 60x30, 9") << QRect(10, 10, 60, 30) << 9 << QRect(6, 6, 68, 38) << QRect(15, 15, 50, 20);
        QTest::newRow("thin line, 1") << QRect(0, 0, 100, 100) << 1 << QRect(0, 0, 100, 100) << QRect(1, 1, 98, 98);
        QTest::newRow("even, 2") << QRect(0, 0, 10, 10) << 2 << QRect(-1, -1, 12, 12) << QRect(1, 1, 8, 8);
        QTest::newRow("outline fills the shape") << QRect(0, 0, 10, 10) << 11 << QRect(-5, -5, 20, 20) << QRect();
        QTest::newRow("no outline") << QRect(0, 0, 10, 10) << 0 << QRect() << QRect();
        QTest::newRow("negative size") << QRect(0, 0, -3, 10) << 9 << QRect() << QRect();
    }
    void banda()
    {
        QFETCH(QRect, rettangolo);
        QFETCH(int, spessore);
        QFETCH(QRect, esterno);
        const BandaContorno b = Contorno(rettangolo, spessore);
        QCOMPARE(b.esterno, esterno);
        QTEST(b.interno, "interno");
        if (!esterno.isNull()) QCOMPARE(MargineContorno(spessore), rettangolo.x() - esterno.x());
    }
};

FRASOLINO_TEST(TestContorno);
#include "test_contorno.moc"
