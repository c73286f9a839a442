// Twips and colours: the conversions every window relies on.
#include "platform/colore.h"
#include "platform/twips.h"
#include "suite.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestTwipsColore : public QObject {
    Q_OBJECT
private slots:
    void aPixel_data()
    {
        QTest::addColumn<int>("tw");
        QTest::addColumn<int>("px");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("below half") << 7 << 0;
        QTest::newRow("half rounds up") << 8 << 1;
        QTest::newRow("just below 1.5") << 22 << 1;
        QTest::newRow("1.5 rounds up") << 23 << 2;
        QTest::newRow("status bar 495") << 495 << 33;
        QTest::newRow("panel 3615") << 3615 << 241;
        QTest::newRow("negative half") << -8 << -1;
        QTest::newRow("negative") << -30 << -2;
        QTest::newRow("negative below half") << -7 << 0;
    }
    void aPixel()
    {
        QFETCH(int, tw);
        QFETCH(int, px);
        QCOMPARE(twips::aPixel(tw), px);
    }

    void andataRitorno()
    {
        for (int px = -50; px <= 2000; ++px) QCOMPARE(twips::aPixel(twips::daPixel(px)), px);
        QCOMPARE(twips::aPixel(150, 300, 1500, 495), QRect(10, 20, 100, 33));
    }

    void daPunti_data()
    {
        QTest::addColumn<double>("punti");
        QTest::addColumn<int>("tw");
        QTest::newRow("12") << 12.0 << 240;
        QTest::newRow("14.25") << 14.25 << 285;
        QTest::newRow("8.25") << 8.25 << 165;
    }
    void daPunti()
    {
        QFETCH(double, punti);
        QFETCH(int, tw);
        QCOMPARE(twips::daPunti(punti), tw);
    }

    void rgb_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<uint>("valore");
        QTest::newRow("red") << 255 << 0 << 0 << 0x0000FFu;
        QTest::newRow("green") << 0 << 255 << 0 << 0x00FF00u;
        QTest::newRow("blue") << 0 << 0 << 255 << 0xFF0000u;
        QTest::newRow("light green 80FF80") << 0x80 << 0xFF << 0x80 << 0x80FF80u;
        QTest::newRow("C0C0FF") << 0xFF << 0xC0 << 0xC0 << 0xC0C0FFu;
        QTest::newRow("menu yellow C0FFFF") << 0xFF << 0xFF << 0xC0 << 0xC0FFFFu;
    }
    void rgb()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(uint, valore);
        QCOMPARE(colore::Rgb(r, g, b), Colore(valore));
        const QColor q = colore::aQColor(valore);
        QCOMPARE(q.red(), r);
        QCOMPARE(q.green(), g);
        QCOMPARE(q.blue(), b);
        QCOMPARE(colore::daQColor(q), Colore(valore));
    }

    void daDouble_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<uint>("atteso");
        QTest::newRow("red") << 255.0 << 255u;
        QTest::newRow("round down") << 255.4 << 255u;
        QTest::newRow("round up") << 255.5 << 256u;
        QTest::newRow("white") << 16777215.0 << 0xFFFFFFu;
        QTest::newRow("above white") << 16777216.0 << 0xFFFFFFu;
        QTest::newRow("huge") << 1e300 << 0xFFFFFFu;
        QTest::newRow("negative") << -1.0 << 0u;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0u;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0xFFFFFFu;
        QTest::newRow("minus infinite") << -std::numeric_limits<double>::infinity() << 0u;
    }
    void daDouble()
    {
        QFETCH(double, valore);
        QFETCH(uint, atteso);
        QCOMPARE(colore::daDouble(valore), Colore(atteso));
    }

    void testoLeggibile()
    {
        QVERIFY(std::abs(colore::Contrasto(0x0000FF, 0x000000) - 5.252) < 0.001);
        QCOMPARE(colore::TestoLeggibile(0x0000FF), Colore(0x000000)); // black on red
        QCOMPARE(colore::TestoLeggibile(0xFF0000), Colore(0xFFFFFF)); // white on blue
        // A greyed caption on white: darker than the system's mid grey, which reads 3.9:1 there.
        QCOMPARE(colore::TestoGrigio(colore::Bianco), Colore(0x767676));
        for (int k = 0; k < 4096; ++k) { // every colour of 16 levels per channel
            const Colore c = colore::Rgb(k % 16 * 17, k / 16 % 16 * 17, k / 256 * 17);
            QVERIFY(colore::Contrasto(colore::TestoLeggibile(c), c) >= 4.5);
            const Colore grigio = colore::TestoGrigio(c);
            QVERIFY(colore::Contrasto(grigio, c) >= 4.5);
            QCOMPARE(grigio, colore::Rgb(grigio & 0xFF, grigio & 0xFF, grigio & 0xFF));
        }
    }
};
FRASOLINO_TEST(TestTwipsColore);

#include "test_basi.moc"
