// Reading pair lists: the usual layout, predicate first, quoting, codes, faulty records.
#include "suite.h"
#include "exercises/pairs/listacoppie.h"

#include <QtTest>

class TestListaCoppie : public QObject {
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
};

using Atteso = QStringList; // per record: "text1|code1|text2|code2"
Q_DECLARE_METATYPE(LetturaCampi)

void TestListaCoppie::lettura_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<Atteso>("atteso");
    QTest::addColumn<LetturaCampi>("lettura");
    const QString buone = "\"il gatto\",0,\"miagola\",1\r\n\"il lupo\",0,\"ulula\",1\r\n";
    const Atteso lette{"il gatto|0|miagola|1", "il lupo|0|ulula|1"};

    QTest::newRow("usual layout") << QString("\"il cane\",0,\"abbaia\",1\r\n\"il gatto\",0,\"miagola\",1\r\n") << 1000
                                  << Atteso{"il cane|0|abbaia|1", "il gatto|0|miagola|1"} << LetturaCampi::Valore;
    QTest::newRow("predicate first") << QString("\"nitrisce\",1,\"il cavallo\",0\r\n") << 1000
                                     << Atteso{"nitrisce|1|il cavallo|0"} << LetturaCampi::Valore;
    QTest::newRow("last line without line end") << QString("\"a\",0,\"b\",1") << 1000 << Atteso{"a|0|b|1"} << LetturaCampi::Valore;
    QTest::newRow("LF and CR line ends") << QString("\"a\",0,\"b\",1\n\"c\",0,\"d\",1\r\"e\",0,\"f\",1") << 1000
                                         << Atteso{"a|0|b|1", "c|0|d|1", "e|0|f|1"} << LetturaCampi::Valore;
    QTest::newRow("quoted comma") << QString("\"io, e te\",0,\"giochiamo\",1\r\n") << 1000
                                  << Atteso{"io, e te|0|giochiamo|1"} << LetturaCampi::Valore;
    QTest::newRow("blanks before fields") << QString("  \"a\",  0,   \"b\" , 1\r\n") << 1000 << Atteso{"a|0|b|1"} << LetturaCampi::Valore;
    QTest::newRow("unquoted texts") << QString("il sole,0,splende,1\r\n") << 1000 << Atteso{"il sole|0|splende|1"} << LetturaCampi::Valore;
    QTest::newRow("fields over several lines") << QString("\"a\"\r\n0\r\n\"b\"\r\n1\r\n") << 1000 << Atteso{"a|0|b|1"} << LetturaCampi::Valore;
    QTest::newRow("quoted text over two lines") << "\"il cane\r\nnero\",0,\"abbaia\",1\r\n" + buone << 1000
                                                << Atteso{"il cane\r\nnero|0|abbaia|1"} + lette << LetturaCampi::Valore;
    QTest::newRow("two records on one line") << QString("\"a\",0,\"b\",1,\"c\",0,\"d\",1") << 1000
                                             << Atteso{"a|0|b|1", "c|0|d|1"} << LetturaCampi::Valore;
    QTest::newRow("record cut short is dropped") << QString("\"a\",0,\"b\",1\r\n\"c\",0\r\n") << 1000
                                                 << Atteso{"a|0|b|1"} << LetturaCampi::Valore;
    QTest::newRow("blank lines passed over") << QString("\r\n\"a\",0,\"b\",1\r\n\r\n\r\n\"c\",0,\"d\",1\r\n") << 1000
                                             << Atteso{"a|0|b|1", "c|0|d|1"} << LetturaCampi::Valore;
    QTest::newRow("code not a number") << QString("\"a\",x,\"b\",1\r\n") << 1000 << Atteso{} << LetturaCampi::Valore;
    QTest::newRow("other code kept as read") << QString("\"a\",2,\"b\",1\r\n") << 1000 << Atteso{"a|other|b|1"} << LetturaCampi::Valore;
    QTest::newRow("codes as numbers") << QString("a,-0,b,1.0\r\nc,1e10,d,nan\r\ne,0.5,f,1e400\r\ng,-inf,h,1E0") << 1000
                                      << Atteso{"a|0|b|1", "c|other|d|other", "e|other|f|other", "g|other|h|1"} << LetturaCampi::Valore;
    QTest::newRow("quoted code") << QString("\"a\",\"0\",\"b\",\"1\"") << 1000 << Atteso{"a|0|b|1"} << LetturaCampi::Valore;
    QTest::newRow("empty text") << QString() << 1000 << Atteso{} << LetturaCampi::Valore;
    QTest::newRow("stops at the maximum") << buone + buone << 3 << lette + Atteso{"il gatto|0|miagola|1"} << LetturaCampi::Valore;
    // A faulty record is dropped and reading starts again at the next line.
    QTest::newRow("quote closed inside the text") << "\"il cane,0,\"abbaia\",1\r\n" + buone << 1000 << lette << LetturaCampi::Valore;
    QTest::newRow("quote never closed") << "\"il cane,0,abbaia,1\r\nil gatto,0,miagola,1" << 1000
                                        << Atteso{"il gatto|0|miagola|1"} << LetturaCampi::Valore;
    QTest::newRow("field missing") << "\"il cane\",0,1\r\n" + buone << 1000 << lette << LetturaCampi::Valore;
    QTest::newRow("field too many") << "\"il cane\",0,\"abbaia\",1,\"x\"\r\n" + buone << 1000
                                    << Atteso{"il cane|0|abbaia|1"} + lette << LetturaCampi::Valore;
    QTest::newRow("empty code") << "\"il cane\",,\"abbaia\",1\r\n" + buone << 1000 << lette << LetturaCampi::Valore;
    QTest::newRow("text after a closing quote") << "\"il\" cane,0,\"abbaia\",1\r\n" + buone << 1000 << lette << LetturaCampi::Valore;
    QTest::newRow("bad record at the end") << buone + "\"il cane\",0,\"abbaia\"" << 1000 << lette << LetturaCampi::Valore;
    // The subject-predicate windows read a code as a whole number and a text as written.
    const QString misti = "a,0.4,b,1.49\r\nc,0.5,d,1.5\r\ne,2.5,f,-0.5\r\ng,32767.6,h,1\r\n007,0,\"1.50\",1\r\n";
    QTest::newRow("whole codes, texts as written")
        << misti << 1000 << Atteso{"a|0|b|1", "c|0|d|other", "e|other|f|0", "g|other|h|1", "007|0|1.50|1"}
        << LetturaCampi::InteroETesto;
    // The matching windows compare codes exactly and keep an unquoted number as its own text.
    QTest::newRow("exact codes, numbers as values")
        << misti << 1000 << Atteso{"a|other|b|other", "c|other|d|other", "e|other|f|other", "g|other|h|1", "7|0|1.50|1"}
        << LetturaCampi::Valore;
}

void TestListaCoppie::lettura()
{
    QFETCH(QString, testo);
    QFETCH(int, massimo);
    QFETCH(Atteso, atteso);
    QFETCH(LetturaCampi, lettura);
    const auto codice = [](CodiceCoppia c) {
        return c == CodiceCoppia::Soggetto ? QString("0") : c == CodiceCoppia::Predicato ? QString("1") : QString("other");
    };
    Atteso letto;
    for (const RecordCoppia& x : LeggiListaCoppie(testo, massimo, lettura))
        letto << x.primo.testo + '|' + codice(x.primo.codice) + '|' + x.secondo.testo + '|' + codice(x.secondo.codice);
    QCOMPARE(letto, atteso);
}

FRASOLINO_TEST(TestListaCoppie);
#include "tst_listacoppie.moc"
