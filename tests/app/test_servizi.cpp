// The program-wide random generator and the shared services: sounds, random colours, the colour
// and file dialogs, opening a document.
#include "suite.h"
#include "ambiente.h"

#include "core/servizicomuni.h"
#include "platform/controlli.h"

#include <QSet>
#include <QTest>

#include <map>

class TestServizi : public QObject {
    Q_OBJECT

private slots:
    void rndNellIntervallo();
    void semeRiproduceLaSerie();
    void casuale_data();
    void casuale();
    void percorsoDati_data();
    void percorsoDati();
    void intervalloScansione_data();
    void intervalloScansione();
    void suoniSpentiNonToccanoNulla();
    void suonoGiustoSceglieTraIQuattro();
    void suonoSbagliato();
    void coloreCasualeDistribuzione();
    void scegliColore();
    void finestraFile_data();
    void finestraFile();
    void finestraFileNomeInizialeTroppoLungo();
    void apriDocumento();
};

void TestServizi::rndNellIntervallo()
{
    Ambiente a;
    double minimo = 1, massimo = 0, somma = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double r = a.p->Rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
        minimo = std::min(minimo, r);
        massimo = std::max(massimo, r);
        somma += r;
    }
    QVERIFY(minimo < 0.001);
    QVERIFY(massimo > 0.999);
    QVERIFY(std::abs(somma / n - 0.5) < 0.01);
}

void TestServizi::semeRiproduceLaSerie()
{
    Ambiente a, b;
    a.p->Semina(7);
    b.p->Semina(7);
    for (int i = 0; i < 50; ++i) QCOMPARE(a.p->Rnd(), b.p->Rnd());
    b.p->Semina(8);
    bool diversa = false;
    for (int i = 0; i < 5; ++i) diversa = diversa || a.p->Rnd() != b.p->Rnd();
    QVERIFY(diversa);
}

void TestServizi::casuale_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("uno") << 1;
    QTest::newRow("quattro") << 4;
    QTest::newRow("diciotto") << 18;
    QTest::newRow("mille") << 1000;
}

void TestServizi::casuale()
{
    QFETCH(int, n);
    Ambiente a;
    QSet<int> visti;
    for (int i = 0; i < 50 * n; ++i) {
        const int k = a.p->Casuale(n);
        QVERIFY(k >= 0 && k < n);
        visti.insert(k);
    }
    QCOMPARE(visti.size(), n);
    QCOMPARE(a.p->Casuale(0), 0);
    QCOMPARE(a.p->Casuale(-5), 0);
}

void TestServizi::percorsoDati_data()
{
    QTest::addColumn<QString>("cartella");
    QTest::addColumn<QString>("relativo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("semplice") << "/opt/f" << "suoni/no.wav" << "/opt/f/suoni/no.wav";
    QTest::newRow("barra finale") << "/opt/f/" << "frasolino1.pdf" << "/opt/f/frasolino1.pdf";
    QTest::newRow("barra iniziale") << "/opt/f" << "/suoni/si1.wav" << "/opt/f/suoni/si1.wav";
    QTest::newRow("barra rovescia iniziale") << "/opt/f" << "\\testifrasolino/complementi/modo.txt"
                                             << "/opt/f/testifrasolino/complementi/modo.txt";
}

void TestServizi::percorsoDati()
{
    QFETCH(QString, cartella);
    QFETCH(QString, relativo);
    QFETCH(QString, atteso);
    Programma p(std::make_unique<ServiziFinti>(), cartella, QStringLiteral("/tmp"));
    QCOMPARE(p.PercorsoDati(relativo), atteso);
}

void TestServizi::intervalloScansione_data()
{
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("atteso");
    QTest::newRow("minima") << 4 << 1000;
    QTest::newRow("cinque") << 5 << 1250;
    QTest::newRow("massima offerta") << 60 << 15000;
    QTest::newRow("massima in 16 bit") << 131 << 32750;
    QTest::newRow("oltre 16 bit") << 132 << 32767;
    QTest::newRow("massimo intero") << 32767 << 32767;
    QTest::newRow("uno") << 1 << 250;
    QTest::newRow("zero") << 0 << 250;
    QTest::newRow("negativa") << -4 << 250;
}

void TestServizi::intervalloScansione()
{
    QFETCH(int, velocita);
    QFETCH(int, atteso);
    QCOMPARE(IntervalloScansione(static_cast<std::int16_t>(velocita)), atteso);
}

void TestServizi::suoniSpentiNonToccanoNulla()
{
    Ambiente a, riferimento;
    a.p->SuoniAttivati = false;
    a.p->Semina(99);
    riferimento.p->Semina(99);
    for (int i = 0; i < 20; ++i) {
        SuonoGiusto(*a.p);
        SuonoSbagliato(*a.p);
    }
    QVERIFY(a.servizi->suoni.isEmpty());
    // Not even a random number was drawn.
    QCOMPARE(a.p->Rnd(), riferimento.p->Rnd());
}

void TestServizi::suonoGiustoSceglieTraIQuattro()
{
    Ambiente a;
    const int n = 800;
    for (int i = 0; i < n; ++i) SuonoGiusto(*a.p);
    QCOMPARE(a.servizi->suoni.size(), n);
    std::map<QString, int> conta;
    for (const QString& s : a.servizi->suoni) ++conta[s];
    QCOMPARE(conta.size(), std::size_t(4));
    for (int k = 1; k <= 4; ++k) {
        const QString atteso = QDir(a.cartellaProgramma.path()).filePath(QStringLiteral("suoni/si%1.wav").arg(k));
        QVERIFY2(conta.count(atteso), qPrintable(atteso));
        QVERIFY(conta[atteso] > n / 4 - 80 && conta[atteso] < n / 4 + 80);
    }
}

void TestServizi::suonoSbagliato()
{
    Ambiente a;
    SuonoSbagliato(*a.p);
    QCOMPARE(a.servizi->suoni, QStringList{QDir(a.cartellaProgramma.path()).filePath("suoni/no.wav")});
}

void TestServizi::coloreCasualeDistribuzione()
{
    // How many times each colour stands in the table of eighteen.
    const std::map<Colore, int> volte = {
        {0xC0C0FF, 1}, {0x8080FF, 2}, {0x80C0FF, 2}, {0x0080FF, 2}, {0xC0FFFF, 1}, {0x00FFFF, 1}, {0x0040C0, 1},
        {0xFFC0C0, 2}, {0x00C000, 1}, {0xFFC0FF, 3}, {0xE0E0E0, 1}, {0xFF00FF, 1},
    };
    Ambiente a;
    const int n = 36000;
    std::map<Colore, int> conta;
    for (int i = 0; i < n; ++i) ++conta[ColoreCasuale(*a.p)];
    QCOMPARE(conta.count(0), std::size_t(0));
    QCOMPARE(conta.size(), volte.size());
    for (const auto& [c, v] : volte) {
        const double atteso = double(n) * v / 18;
        QVERIFY2(std::abs(conta[c] - atteso) < 0.1 * atteso, qPrintable(QString::number(c, 16)));
    }
}

void TestServizi::scegliColore()
{
    Ambiente a;
    Etichetta bersaglio;
    bersaglio.setForeColor(0x123456);
    a.servizi->coloriScelti = {std::nullopt, Colore(0x00FF00)};
    QVERIFY(!ScegliColore(*a.p, nullptr, bersaglio));
    QCOMPARE(bersaglio.ForeColor(), Colore(0x123456));
    QVERIFY(ScegliColore(*a.p, nullptr, bersaglio));
    QCOMPARE(bersaglio.ForeColor(), Colore(0x00FF00));
    QCOMPARE(a.servizi->richiesteColore, 2);
}

void TestServizi::finestraFile_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QString>("scelto");
    QTest::addColumn<bool>("apri");
    QTest::addColumn<QString>("filtroPassato");
    QTest::addColumn<QString>("atteso");
    const QString corto = QStringLiteral("/dati/lista.txt");
    const QString lungo249 = u'/' + QString(248, u'a');
    const QString lungo250 = u'/' + QString(249, u'a');
    QTest::newRow("apri") << 1 << "Testo|*.txt" << corto << true << "Testo|*.txt" << corto;
    QTest::newRow("salva con 0") << 0 << "Testo|*.txt" << corto << false << "Testo|*.txt" << corto;
    QTest::newRow("salva con 2") << 2 << "Testo|*.txt" << corto << false << "Testo|*.txt" << corto;
    QTest::newRow("annullato") << 1 << "Testo|*.txt" << QString() << true << "Testo|*.txt" << QString();
    QTest::newRow("filtro con NUL") << 1 << QString::fromUtf16(u"Testo\0*.txt\0\0", 13) << corto << true
                                    << "Testo|*.txt" << corto;
    QTest::newRow("249 caratteri") << 1 << "Testo|*.txt" << lungo249 << true << "Testo|*.txt" << lungo249;
    QTest::newRow("250 caratteri") << 1 << "Testo|*.txt" << lungo250 << true << "Testo|*.txt" << QString();
    QTest::newRow("300 caratteri") << 0 << "Testo|*.txt" << QString(300, u'b') << false << "Testo|*.txt" << QString();
}

void TestServizi::finestraFile()
{
    QFETCH(int, modo);
    QFETCH(QString, filtro);
    QFETCH(QString, scelto);
    QFETCH(bool, apri);
    QFETCH(QString, filtroPassato);
    QFETCH(QString, atteso);
    Ambiente a;
    a.servizi->fileScelti = {scelto};
    const QString r = FinestraFile(*a.p, nullptr, static_cast<std::int16_t>(modo), QStringLiteral("Apri"),
                                   QStringLiteral("x.txt"), filtro, QStringLiteral("/dati"), QStringLiteral("txt"));
    QCOMPARE(r, atteso);
    QCOMPARE(a.servizi->richiesteFile.size(), std::size_t(1));
    const auto& q = a.servizi->richiesteFile.front();
    QCOMPARE(q.apri, apri);
    QCOMPARE(q.titolo, QStringLiteral("Apri"));
    QCOMPARE(q.nomeIniziale, QStringLiteral("x.txt"));
    QCOMPARE(q.filtro, filtroPassato);
    QCOMPARE(q.cartellaIniziale, QStringLiteral("/dati"));
    QCOMPARE(q.estensione, QStringLiteral("txt"));
}

void TestServizi::finestraFileNomeInizialeTroppoLungo()
{
    Ambiente a;
    a.servizi->fileScelti = {QStringLiteral("/x.txt"), QStringLiteral("/y.txt")};
    QCOMPARE(FinestraFile(*a.p, nullptr, 1, "Apri", QString(251, u'n'), "Testo|*.txt", "/", "txt"), QString());
    QVERIFY(a.servizi->richiesteFile.empty());
    QCOMPARE(FinestraFile(*a.p, nullptr, 1, "Apri", QString(250, u'n'), "Testo|*.txt", "/", "txt"),
             QStringLiteral("/x.txt"));
}

void TestServizi::apriDocumento()
{
    Ambiente a;
    ApriDocumento(*a.p, nullptr, QStringLiteral("/non/esiste.pdf"));
    QCOMPARE(a.servizi->documenti, QStringList{QStringLiteral("/non/esiste.pdf")});
}

#include "test_servizi.moc"

FRASOLINO_TEST(TestServizi);
