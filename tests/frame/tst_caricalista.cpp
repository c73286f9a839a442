// Loading a sentence list into a window's table, and a pair list into a pair window's tables.
#include "suite.h"
#include "ambientecornice.h"
#include "frame/limitiliste.h"

#include <QtTest>

class TestCaricaLista : public QObject {
    Q_OBJECT
private slots:
    void righe_data();
    void righe();
    void piuCortaDopoPiuLunga();
    void oltreMilleRighe();
    void coppie_data();
    void coppie();
    void coppieDopoListaPiuLunga();
};

void TestCaricaLista::righe_data()
{
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QStringList>("attese"); // entries 1..NumeroFrasi
    QTest::newRow("blank line in the middle") << QByteArray("A#0#\r\n\r\nB#1#\r\n") << QStringList{"A#0#", "", "B#1#"};
    QTest::newRow("blanks kept around a line") << QByteArray("  A#0#  \r\n") << QStringList{"  A#0#  "};
    QTest::newRow("line of blanks is blank") << QByteArray("A\r\n    \r\nB") << QStringList{"A", "", "B"};
    QTest::newRow("one final line end: no extra line") << QByteArray("A\r\nB\r\n") << QStringList{"A", "B"};
    QTest::newRow("two final line ends: one empty line") << QByteArray("A\r\nB\r\n\r\n") << QStringList{"A", "B", ""};
    QTest::newRow("last line without line end") << QByteArray("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("CR only") << QByteArray("A\rB\rC\r") << QStringList{"A", "B", "C"};
    QTest::newRow("LF only") << QByteArray("A\nB\n\nC\n") << QStringList{"A", "B", "", "C"};
    QTest::newRow("Windows-1252 bytes") << QByteArray("Lui#0#\xe8 buono#1#\r\nPerch\xe9\r\n")
                                        << QStringList{QString::fromUtf8("Lui#0#è buono#1#"), QString::fromUtf8("Perché")};
    QTest::newRow("UTF-8") << QByteArray("Lui#0#\xc3\xa8 buono#1#\n") << QStringList{QString::fromUtf8("Lui#0#è buono#1#")};
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFEL\0u\0i\0#\0\x30\0#\0\xE8\0#\0\x31\0#\0\r\0\n\0", 26)
                               << QStringList{QString::fromUtf8("Lui#0#è#1#")};
    QTest::newRow("a line past the first 4 MiB left out")
        << QByteArray("A\r\n") + QByteArray(ByteMassimiLista, 'x') + "#0#\r\nB\r\n" << QStringList{"A"};
}

void TestCaricaLista::righe()
{
    QFETCH(QByteArray, byte);
    QFETCH(QStringList, attese);
    AmbienteProva a;
    a.p->FileEsercizio = a.Scrivi("lista.txt", byte);
    auto f = CreaFinestra(*a.p, "Form7");
    auto& frasi = dynamic_cast<FinestraFrasi&>(*f);
    f->Mostra();
    QCOMPARE(frasi.NumeroFrasi, attese.size());
    for (int i = 0; i < attese.size(); ++i) QCOMPARE(frasi.Frasi[i + 1], attese[i]);
    QCOMPARE(frasi.Frasi[0], QString());
    QCOMPARE(frasi.Frasi[attese.size() + 1], QString());
    QVERIFY(a.servizi->messaggi.empty());
    f->Scarica();
}

void TestCaricaLista::piuCortaDopoPiuLunga()
{
    AmbienteProva a;
    const QString lunga = a.Scrivi("lunga.txt", "A\r\nB\r\nC\r\nD\r\n");
    const QString corta = a.Scrivi("corta.txt", "X\r\n\r\n");
    a.p->FileEsercizio = lunga;
    auto f = CreaFinestra(*a.p, "Form11s");
    auto& frasi = dynamic_cast<FinestraFrasi&>(*f);
    a.p->ModalitaInput = ModoScansioneManuale;
    f->Mostra();
    QCOMPARE(frasi.NumeroFrasi, 4);
    a.servizi->fileScelti = {corta};
    f->cornice().mnuCambia->Scegli();
    // "X", then one empty last line; nothing of the longer list is left.
    QCOMPARE(frasi.NumeroFrasi, 2);
    QCOMPARE(frasi.Frasi[1], QString("X"));
    for (int i = 2; i <= 4; ++i) QCOMPARE(frasi.Frasi[i], QString());
    f->Scarica();
}

void TestCaricaLista::oltreMilleRighe()
{
    AmbienteProva a;
    QByteArray byte;
    for (int i = 1; i <= 1001; ++i) byte += "Riga" + QByteArray::number(i) + "#0#\r\n";
    a.p->FileEsercizio = a.Scrivi("grande.txt", byte);
    auto f = CreaFinestra(*a.p, "Form14");
    auto& frasi = dynamic_cast<FinestraFrasi&>(*f);
    f->Mostra();
    QCOMPARE(frasi.NumeroFrasi, 1000);
    QCOMPARE(frasi.Frasi[1000], QString("Riga1000#0#"));
    QVERIFY(a.servizi->messaggi.empty());
    f->Scarica();
}

void TestCaricaLista::coppie_data()
{
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QStringList>("soggetti");
    QTest::addColumn<QStringList>("predicati");
    QTest::newRow("usual") << QByteArray("\"il cane\",0,\"abbaia\",1\r\n\"il lupo\",0,\"ulula\",1\r\n") << 2
                           << QStringList{"il cane", "il lupo"} << QStringList{"abbaia", "ulula"};
    QTest::newRow("predicate first") << QByteArray("\"nitrisce\",1,\"il cavallo\",0\r\n") << 1
                                     << QStringList{"il cavallo"} << QStringList{"nitrisce"};
    QTest::newRow("both code 1: second kept") << QByteArray("\"a\",1,\"b\",1\r\n") << 1 << QStringList{""}
                                              << QStringList{"b"};
    QTest::newRow("code 2 dropped, record counts") << QByteArray("\"a\",2,\"b\",1\r\n\"c\",0,\"d\",1\r\n") << 2
                                                   << QStringList{"", "c"} << QStringList{"b", "d"};
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList{} << QStringList{};
    QTest::newRow("a faulty line shifts nothing") << QByteArray("\"il cane,0,\"abbaia\",1\r\n\"il lupo\",0,\"ulula\",1\r\n")
                                                  << 1 << QStringList{"il lupo"} << QStringList{"ulula"};
    QTest::newRow("records past the first 4 MiB left out")
        << QByteArray("\"a\",0,\"b\",1\r\n") + QByteArray(ByteMassimiLista, ' ') + "\"c\",0,\"d\",1\r\n" << 1
        << QStringList{"a"} << QStringList{"b"};
    QTest::newRow("Windows-1252") << QByteArray("\"il bamb\xf9\",0,\"\xe8 felice\",1\r\n") << 1
                                  << QStringList{QString::fromUtf8("il bambù")} << QStringList{QString::fromUtf8("è felice")};
}

void TestCaricaLista::coppie()
{
    QFETCH(QByteArray, byte);
    QFETCH(int, numero);
    QFETCH(QStringList, soggetti);
    QFETCH(QStringList, predicati);
    AmbienteProva a;
    for (const char* nome : {"Form1", "Form3s"}) {
        auto f = CreaFinestra(*a.p, nome);
        auto& c = dynamic_cast<FinestraCoppie&>(*f);
        c.PercorsoLista = a.Scrivi("coppie.txt", byte);
        f->Mostra();
        QCOMPARE(c.NumeroFrasi, numero);
        for (int i = 0; i < numero; ++i) {
            QCOMPARE(c.Soggetti[i + 1], soggetti[i]);
            QCOMPARE(c.Predicati[i + 1], predicati[i]);
        }
        QCOMPARE(c.Soggetti[0], QString());
        f->Scarica();
    }
}

void TestCaricaLista::coppieDopoListaPiuLunga()
{
    AmbienteProva a;
    QByteArray venti, cinque;
    for (int i = 1; i <= 20; ++i) venti += "\"s" + QByteArray::number(i) + "\",0,\"p" + QByteArray::number(i) + "\",1\r\n";
    for (int i = 1; i <= 5; ++i) cinque += "\"n" + QByteArray::number(i) + "\",0,\"q" + QByteArray::number(i) + "\",1\r\n";
    auto f = CreaFinestra(*a.p, "Form3");
    auto& c = dynamic_cast<FinestraCoppie&>(*f);
    c.PercorsoLista = a.Scrivi("venti.txt", venti);
    f->Mostra();
    QCOMPARE(c.NumeroFrasi, 20);
    a.servizi->fileScelti = {a.Scrivi("cinque.txt", cinque)};
    f->cornice().mnuCambia->Scegli();
    QCOMPARE(c.NumeroFrasi, 5);
    QCOMPARE(c.Soggetti[5], QString("n5"));
    QCOMPARE(c.Soggetti[6], QString("s6"));
    QCOMPARE(c.Predicati[20], QString("p20"));
    // A missing default list is said, and the window stays usable.
    f->Scarica();
    c.PercorsoLista.clear();
    QFile::remove(a.cartellaProgramma.filePath("testifrasolino/soggettopredicato/lista.txt"));
    a.servizi->messaggi.clear();
    f->Mostra();
    EliminaRimandati();
    QCOMPARE(c.NumeroFrasi, 0);
    QCOMPARE(a.servizi->messaggi.size(), size_t(1));
    QVERIFY(a.servizi->messaggi[0].testo.contains("lista.txt"));
    f->Scarica();
}

FRASOLINO_TEST(TestCaricaLista);
#include "tst_caricalista.moc"
