// Reading pair lists: the usual layout, predicate first, quoting, malformed records.
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
    QTest::addColumn<Atteso>("atteso");

    QTest::newRow("usual layout") << QString("\"il cane\",0,\"abbaia\",1\r\n\"il gatto\",0,\"miagola\",1\r\n")
                                  << Atteso{"il cane|0|abbaia|1", "il gatto|0|miagola|1"};
    QTest::newRow("predicate first") << QString("\"nitrisce\",1,\"il cavallo\",0\r\n")
                                     << Atteso{"nitrisce|1|il cavallo|0"};
    QTest::newRow("last line without line end") << QString("\"a\",0,\"b\",1") << Atteso{"a|0|b|1"};
    QTest::newRow("LF and CR line ends") << QString("\"a\",0,\"b\",1\n\"c\",0,\"d\",1\r\"e\",0,\"f\",1")
                                         << Atteso{"a|0|b|1", "c|0|d|1", "e|0|f|1"};
    QTest::newRow("quoted comma") << QString("\"io, e te\",0,\"giochiamo\",1\r\n") << Atteso{"io, e te|0|giochiamo|1"};
    QTest::newRow("blanks before fields") << QString("  \"a\",  0,   \"b\" , 1\r\n") << Atteso{"a|0|b|1"};
    QTest::newRow("unquoted texts") << QString("il sole,0,splende,1\r\n") << Atteso{"il sole|0|splende|1"};
    QTest::newRow("fields over several lines") << QString("\"a\"\r\n0\r\n\"b\"\r\n1\r\n") << Atteso{"a|0|b|1"};
    QTest::newRow("record cut short is dropped") << QString("\"a\",0,\"b\",1\r\n\"c\",0\r\n") << Atteso{"a|0|b|1"};
    QTest::newRow("blank lines passed over") << QString("\r\n\"a\",0,\"b\",1\r\n\r\n\r\n\"c\",0,\"d\",1\r\n")
                                             << Atteso{"a|0|b|1", "c|0|d|1"};
    QTest::newRow("code not a number") << QString("\"a\",x,\"b\",1\r\n") << Atteso{"a|-1|b|1"};
    QTest::newRow("other code kept as read") << QString("\"a\",2,\"b\",1\r\n") << Atteso{"a|2|b|1"};
    QTest::newRow("empty text") << QString() << Atteso{};
}

void TestListaCoppie::lettura()
{
    QFETCH(QString, testo);
    QFETCH(Atteso, atteso);
    const std::vector<RecordCoppia> r = LeggiListaCoppie(testo);
    Atteso letto;
    for (const RecordCoppia& x : r)
        letto << QStringLiteral("%1|%2|%3|%4").arg(x.primo.testo).arg(x.primo.codice).arg(x.secondo.testo).arg(x.secondo.codice);
    QCOMPARE(letto, atteso);
}

QTEST_APPLESS_MAIN(TestListaCoppie)
#include "tst_listacoppie.moc"
