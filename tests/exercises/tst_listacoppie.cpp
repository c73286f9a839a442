// Reading pair lists: the usual layout, predicate first, quoting, codes, faulty records.
#include "exercises/pairs/listacoppie.h"

#include <QtTest>

class TestListaCoppie : public QObject {
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
};

using Atteso = QStringList; // per record: "text1|code1|text2|code2"

void TestListaCoppie::lettura_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<Atteso>("atteso");
    const QString buone = "\"il gatto\",0,\"miagola\",1\r\n\"il lupo\",0,\"ulula\",1\r\n";
    const Atteso lette{"il gatto|0|miagola|1", "il lupo|0|ulula|1"};

    QTest::newRow("usual layout") << QString("\"il cane\",0,\"abbaia\",1\r\n\"il gatto\",0,\"miagola\",1\r\n") << 1000
                                  << Atteso{"il cane|0|abbaia|1", "il gatto|0|miagola|1"};
    QTest::newRow("predicate first") << QString("\"nitrisce\",1,\"il cavallo\",0\r\n") << 1000
                                     << Atteso{"nitrisce|1|il cavallo|0"};
    QTest::newRow("last line without line end") << QString("\"a\",0,\"b\",1") << 1000 << Atteso{"a|0|b|1"};
    QTest::newRow("LF and CR line ends") << QString("\"a\",0,\"b\",1\n\"c\",0,\"d\",1\r\"e\",0,\"f\",1") << 1000
                                         << Atteso{"a|0|b|1", "c|0|d|1", "e|0|f|1"};
    QTest::newRow("quoted comma") << QString("\"io, e te\",0,\"giochiamo\",1\r\n") << 1000
                                  << Atteso{"io, e te|0|giochiamo|1"};
    QTest::newRow("blanks before fields") << QString("  \"a\",  0,   \"b\" , 1\r\n") << 1000 << Atteso{"a|0|b|1"};
    QTest::newRow("unquoted texts") << QString("il sole,0,splende,1\r\n") << 1000 << Atteso{"il sole|0|splende|1"};
    QTest::newRow("fields over several lines") << QString("\"a\"\r\n0\r\n\"b\"\r\n1\r\n") << 1000 << Atteso{"a|0|b|1"};
    QTest::newRow("quoted text over two lines") << "\"il cane\r\nnero\",0,\"abbaia\",1\r\n" + buone << 1000
                                                << Atteso{"il cane\r\nnero|0|abbaia|1"} + lette;
    QTest::newRow("two records on one line") << QString("\"a\",0,\"b\",1,\"c\",0,\"d\",1") << 1000
                                             << Atteso{"a|0|b|1", "c|0|d|1"};
    QTest::newRow("record cut short is dropped") << QString("\"a\",0,\"b\",1\r\n\"c\",0\r\n") << 1000
                                                 << Atteso{"a|0|b|1"};
    QTest::newRow("blank lines passed over") << QString("\r\n\"a\",0,\"b\",1\r\n\r\n\r\n\"c\",0,\"d\",1\r\n") << 1000
                                             << Atteso{"a|0|b|1", "c|0|d|1"};
    QTest::newRow("code not a number") << QString("\"a\",x,\"b\",1\r\n") << 1000 << Atteso{};
    QTest::newRow("other code kept as read") << QString("\"a\",2,\"b\",1\r\n") << 1000 << Atteso{"a|other|b|1"};
    QTest::newRow("codes as numbers") << QString("a,-0,b,1.0\r\nc,1e10,d,nan\r\ne,0.5,f,1e400\r\ng,-inf,h,1E0") << 1000
                                      << Atteso{"a|0|b|1", "c|other|d|other", "e|other|f|other", "g|other|h|1"};
    QTest::newRow("quoted code") << QString("\"a\",\"0\",\"b\",\"1\"") << 1000 << Atteso{"a|0|b|1"};
    QTest::newRow("empty text") << QString() << 1000 << Atteso{};
    QTest::newRow("stops at the maximum") << buone + buone << 3 << lette + Atteso{"il gatto|0|miagola|1"};
    // A faulty record is dropped and reading starts again at the next line.
    QTest::newRow("quote closed inside the text") << "\"il cane,0,\"abbaia\",1\r\n" + buone << 1000 << lette;
    QTest::newRow("quote never closed") << "\"il cane,0,abbaia,1\r\nil gatto,0,miagola,1" << 1000
                                        << Atteso{"il gatto|0|miagola|1"};
    QTest::newRow("field missing") << "\"il cane\",0,1\r\n" + buone << 1000 << lette;
    QTest::newRow("field too many") << "\"il cane\",0,\"abbaia\",1,\"x\"\r\n" + buone << 1000
                                    << Atteso{"il cane|0|abbaia|1"} + lette;
    QTest::newRow("empty code") << "\"il cane\",,\"abbaia\",1\r\n" + buone << 1000 << lette;
    QTest::newRow("text after a closing quote") << "\"il\" cane,0,\"abbaia\",1\r\n" + buone << 1000 << lette;
    QTest::newRow("bad record at the end") << buone + "\"il cane\",0,\"abbaia\"" << 1000 << lette;
}

void TestListaCoppie::lettura()
{
    QFETCH(QString, testo);
    QFETCH(int, massimo);
    QFETCH(Atteso, atteso);
    const auto codice = [](CodiceCoppia c) {
        return c == CodiceCoppia::Soggetto ? QString("0") : c == CodiceCoppia::Predicato ? QString("1") : QString("other");
    };
    Atteso letto;
    for (const RecordCoppia& x : LeggiListaCoppie(testo, massimo))
        letto << x.primo.testo + '|' + codice(x.primo.codice) + '|' + x.secondo.testo + '|' + codice(x.secondo.codice);
    QCOMPARE(letto, atteso);
}

QTEST_APPLESS_MAIN(TestListaCoppie)
#include "tst_listacoppie.moc"
