// The settings file: bytes written, values read, every fault falling back to all defaults, the
// settings folders and their notice, and folders that cannot be written.
#include "suite.h"
#include "ambiente.h"

#include "core/impostazioni.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>

#include <cmath>
#include <utility>

#include <sys/stat.h>
#include <sys/sysmacros.h>

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void numeroScritto_data();
    void numeroScritto();
    void scrittura_data();
    void scrittura();
    void lettura_data();
    void lettura();
    void erroreDannoTutto_data();
    void erroreDannoTutto();
    void fileMancante();
    void andataERitorno_data();
    void andataERitorno();
    void primaEsecuzione();
    void sottocartellaMancante();
    void cartellaNonScrivibile();
    void fileImpostazioniOccupatoDaCartella();
    void discoPieno();
    void soloFileRegolari_data();
    void soloFileRegolari();
};

void TestImpostazioni::numeroScritto_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("quattro") << 4.0 << " 4 ";
    QTest::newRow("rosso") << 255.0 << " 255 ";
    QTest::newRow("negativo") << -3.0 << "-3 ";
    QTest::newRow("bianco") << 16777215.0 << " 16777215 ";
    QTest::newRow("mezzo") << 255.5 << " 255.5 ";
    QTest::newRow("decimo") << 0.1 << " 0.1 ";
    QTest::newRow("negativo con frazione") << -2.25 << "-2.25 ";
    QTest::newRow("meno zero") << -0.0 << " 0 ";
}

void TestImpostazioni::numeroScritto()
{
    QFETCH(double, valore);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroScritto(valore), atteso);
    // What is written reads back to the same value.
    bool ok = false;
    QCOMPARE(atteso.trimmed().toDouble(&ok), valore);
    QVERIFY(ok);
}

void TestImpostazioni::scrittura_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<bool>("cursore");
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<double>("colore");
    QTest::addColumn<QByteArray>("atteso");
    QTest::newRow("predefinite") << true << false << 0 << 4 << 255.0
                                 << QByteArray("True\r\nFalse\r\n 0 \r\n 4 \r\n 255 \r\n");
    QTest::newRow("modificate") << false << true << 2 << 60 << 16711680.0
                                << QByteArray("False\r\nTrue\r\n 2 \r\n 60 \r\n 16711680 \r\n");
    QTest::newRow("frecce nero") << true << true << 3 << 17 << 0.0
                                 << QByteArray("True\r\nTrue\r\n 3 \r\n 17 \r\n 0 \r\n");
    QTest::newRow("negativo") << false << false << -3 << 4 << 255.0
                              << QByteArray("False\r\nFalse\r\n-3 \r\n 4 \r\n 255 \r\n");
    QTest::newRow("colore con frazione") << true << false << 1 << 5 << 128.5
                                         << QByteArray("True\r\nFalse\r\n 1 \r\n 5 \r\n 128.5 \r\n");
}

void TestImpostazioni::scrittura()
{
    QFETCH(bool, suoni);
    QFETCH(bool, cursore);
    QFETCH(int, modo);
    QFETCH(int, velocita);
    QFETCH(double, colore);
    QFETCH(QByteArray, atteso);

    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    a.p->SuoniAttivati = suoni;
    a.p->CursoreDiSistema = cursore;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->VelocitaScansione = static_cast<std::int16_t>(velocita);
    a.p->ColoreScansione = colore;
    QVERIFY(SalvaImpostazioni(*a.p));
    QCOMPARE(a.FileImpostazioniLetto(), atteso);
    QVERIFY(a.servizi->messaggi.empty());
    // Saving again replaces the content, it does not add to it.
    QVERIFY(SalvaImpostazioni(*a.p));
    QCOMPARE(a.FileImpostazioniLetto(), atteso);
}

void TestImpostazioni::lettura_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<bool>("cursore");
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<double>("colore");

    QTest::newRow("predefinite") << QByteArray("True\r\nFalse\r\n 0 \r\n 4 \r\n 255 \r\n") << true << false << 0 << 4
                                 << 255.0;
    QTest::newRow("tutte diverse") << QByteArray("False\r\nTrue\r\n 2 \r\n 60 \r\n 65280 \r\n") << false << true << 2
                                   << 60 << 65280.0;
    QTest::newRow("True dopo spazi") << QByteArray("  True\r\nFalse\r\n 1 \r\n 4 \r\n 255 \r\n") << true << false << 1
                                     << 4 << 255.0;
    QTest::newRow("Tx vale vero") << QByteArray("Tx\r\nTx\r\n 3 \r\n 4 \r\n 255 \r\n") << true << true << 3 << 4
                                  << 255.0;
    QTest::newRow("true minuscolo vale falso")
        << QByteArray("true\r\ntrue\r\n 0 \r\n 4 \r\n 255 \r\n") << false << false << 0 << 4 << 255.0;
    QTest::newRow("riga vuota vale falso") << QByteArray("\r\n\r\n 0 \r\n 4 \r\n 255 \r\n") << false << false << 0 << 4
                                           << 255.0;
    QTest::newRow("cifra vale falso") << QByteArray("-1\r\n1\r\n 0 \r\n 4 \r\n 255 \r\n") << false << false << 0 << 4
                                      << 255.0;
    QTest::newRow("numeri senza spazi") << QByteArray("False\r\nFalse\r\n3\r\n8\r\n16711935\r\n") << false << false
                                        << 3 << 8 << 16711935.0;
    QTest::newRow("virgola chiude il campo")
        << QByteArray("True,False\r\nFalse\r\n 2 , 9\r\n 7,x\r\n 255,0 \r\n") << true << false << 2 << 7 << 255.0;
    QTest::newRow("solo a capo") << QByteArray("False\nTrue\n 1 \n 5 \n 12 \n") << false << true << 1 << 5 << 12.0;
    QTest::newRow("senza a capo finale") << QByteArray("False\r\nTrue\r\n 1 \r\n 5 \r\n 12") << false << true << 1
                                         << 5 << 12.0;
    QTest::newRow("righe in piu ignorate")
        << QByteArray("False\r\nTrue\r\n 1 \r\n 5 \r\n 12 \r\nqualcosa\r\n") << false << true << 1 << 5 << 12.0;
    QTest::newRow("colore con frazione") << QByteArray("True\r\nFalse\r\n 0 \r\n 4 \r\n 128.5 \r\n") << true << false
                                         << 0 << 4 << 128.5;
    QTest::newRow("segno piu") << QByteArray("True\r\nFalse\r\n +2 \r\n +6 \r\n +9 \r\n") << true << false << 2 << 6
                               << 9.0;
}

void TestImpostazioni::lettura()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, suoni);
    QFETCH(bool, cursore);
    QFETCH(int, modo);
    QFETCH(int, velocita);
    QFETCH(double, colore);

    Ambiente a;
    a.ScriviImpostazioni(file);
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->SuoniAttivati, suoni);
    QCOMPARE(a.p->CursoreDiSistema, cursore);
    QCOMPARE(int(a.p->ModalitaInput), modo);
    QCOMPARE(int(a.p->VelocitaScansione), velocita);
    QCOMPARE(a.p->ColoreScansione, colore);
    QVERIFY(a.servizi->messaggi.empty());
}

void TestImpostazioni::erroreDannoTutto_data()
{
    // Each file starts with values other than the defaults, so that the values read before the
    // fault must be dropped as well.
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("vuoto") << QByteArray();
    QTest::newRow("quattro righe") << QByteArray("False\r\nTrue\r\n 2 \r\n 9 \r\n");
    QTest::newRow("velocita 40000") << QByteArray("False\r\nTrue\r\n 2 \r\n 40000 \r\n 65280 \r\n");
    QTest::newRow("testo nella riga 3") << QByteArray("False\r\nTrue\r\n due \r\n 9 \r\n 65280 \r\n");
    QTest::newRow("testo nella riga 4") << QByteArray("False\r\nTrue\r\n 2 \r\n9x\r\n 65280 \r\n");
    QTest::newRow("testo nella riga 5") << QByteArray("False\r\nTrue\r\n 2 \r\n 9 \r\n rosso \r\n");
    QTest::newRow("riga 3 vuota") << QByteArray("False\r\nTrue\r\n\r\n 9 \r\n 65280 \r\n");
    QTest::newRow("modo con frazione") << QByteArray("False\r\nTrue\r\n 1.5 \r\n 9 \r\n 65280 \r\n");
    QTest::newRow("modo sotto -32768") << QByteArray("False\r\nTrue\r\n-32769 \r\n 9 \r\n 65280 \r\n");
    QTest::newRow("modo 4") << QByteArray("False\r\nTrue\r\n 4 \r\n 9 \r\n 65280 \r\n");
    QTest::newRow("modo negativo") << QByteArray("False\r\nTrue\r\n-1 \r\n 9 \r\n 65280 \r\n");
    QTest::newRow("velocita 0") << QByteArray("False\r\nTrue\r\n 2 \r\n 0 \r\n 65280 \r\n");
    QTest::newRow("velocita 3") << QByteArray("False\r\nTrue\r\n 2 \r\n 3 \r\n 65280 \r\n");
    QTest::newRow("velocita 61") << QByteArray("False\r\nTrue\r\n 2 \r\n 61 \r\n 65280 \r\n");
    QTest::newRow("velocita 132") << QByteArray("False\r\nTrue\r\n 2 \r\n 132 \r\n 65280 \r\n");
    QTest::newRow("colore negativo") << QByteArray("False\r\nTrue\r\n 2 \r\n 9 \r\n-1 \r\n");
    QTest::newRow("colore oltre il bianco") << QByteArray("False\r\nTrue\r\n 2 \r\n 9 \r\n 16777216 \r\n");
    QTest::newRow("colore infinito") << QByteArray("False\r\nTrue\r\n 2 \r\n 9 \r\n inf \r\n");
}

void TestImpostazioni::erroreDannoTutto()
{
    QFETCH(QByteArray, file);
    Ambiente a;
    a.ScriviImpostazioni(file);
    a.p->impostazioni = Impostazioni{false, true, 3, 30, 123.0};
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    QVERIFY(a.servizi->messaggi.empty());
    // The file is not rewritten by reading.
    QCOMPARE(a.FileImpostazioniLetto(), file);
}

void TestImpostazioni::fileMancante()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    a.p->impostazioni = Impostazioni{false, true, 3, 30, 123.0};
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
}

void TestImpostazioni::andataERitorno_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<bool>("cursore");
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<double>("colore");
    for (int modo = 0; modo <= 3; ++modo)
        for (int velocita : {4, 31, 60})
            QTest::addRow("modo %d velocita %d", modo, velocita)
                << (modo % 2 == 0) << (velocita > 30) << modo << velocita << double(0x102030 * (modo + 1));
}

void TestImpostazioni::andataERitorno()
{
    QFETCH(bool, suoni);
    QFETCH(bool, cursore);
    QFETCH(int, modo);
    QFETCH(int, velocita);
    QFETCH(double, colore);
    const Impostazioni scritte{suoni, cursore, static_cast<std::int16_t>(modo), static_cast<std::int16_t>(velocita),
                               colore};
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    a.p->impostazioni = scritte;
    QVERIFY(SalvaImpostazioni(*a.p));
    ImpostazioniPredefinite(*a.p);
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, scritte);
}

void TestImpostazioni::primaEsecuzione()
{
    Ambiente a;
    const QString radice = CartellaRadiceImpostazioni(*a.p);
    QVERIFY(!EsisteCartella(radice));
    CreaCartelleImpostazioni(*a.p);
    QVERIFY(EsisteCartella(radice));
    QVERIFY(EsisteCartella(CartellaImpostazioni(*a.p)));
    QCOMPARE(QDir::cleanPath(radice), QDir(a.radice.path()).filePath("ImpostazioniProgrammiVelmora"));
    QCOMPARE(QFileInfo(FileImpostazioni(*a.p)).fileName(), QStringLiteral("frasolino-1.INI"));
    QCOMPARE(QFileInfo(FileImpostazioni(*a.p)).dir().dirName(), QStringLiteral("frasolino"));

    const QByteArray leggimi = Ambiente::Leggi(QDir(radice).filePath("leggimi.txt"));
    const QList<QByteArray> righe = leggimi.split('\n');
    QCOMPARE(righe.size(), 6); // five lines and what follows the last line end
    QVERIFY(righe.last().isEmpty());
    for (int i = 0; i < 5; ++i) QVERIFY2(righe[i].endsWith('\r'), righe[i].constData());
    QVERIFY(righe[0].startsWith("Questa cartella contiene i files di impostazione dei programmi presenti nel sito "));
    QVERIFY(righe[0].endsWith(".\r"));
    QVERIFY(righe[0].contains(IndirizzoSito.toLatin1()));
    QCOMPARE(righe[1], QByteArray(" \r"));
    QCOMPARE(righe[2], QByteArray("Se qualche programma presenta problemi di funzionamento pu\xF2 essere utile cancellare "
                                  "il file *.ini relativo al programma in quata cartella.\r"));
    QCOMPARE(righe[3], QByteArray(" \r"));
    QCOMPARE(righe[4], QByteArray("Non cancellare questo file.\r"));
    QCOMPARE(leggimi, TestoLeggimi());

    // No settings file yet: the program runs on the defaults.
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
    a.p->impostazioni = Impostazioni{false, true, 3, 30, 123.0};
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    QVERIFY(a.servizi->messaggi.empty());
}

void TestImpostazioni::sottocartellaMancante()
{
    Ambiente a;
    QVERIFY(QDir().mkpath(CartellaRadiceImpostazioni(*a.p)));
    const QString leggimi = FileLeggimi(*a.p);
    QVERIFY(!QFileInfo::exists(leggimi));
    CreaCartelleImpostazioni(*a.p);
    QVERIFY(EsisteCartella(CartellaImpostazioni(*a.p)));
    // Making the subfolder writes the notice in the root folder.
    QCOMPARE(Ambiente::Leggi(leggimi), TestoLeggimi());

    // With both folders present nothing is written again.
    QFile::remove(leggimi);
    CreaCartelleImpostazioni(*a.p);
    QVERIFY(!QFileInfo::exists(leggimi));
}

void TestImpostazioni::cartellaNonScrivibile()
{
    // A settings root below an ordinary file cannot be created, whoever runs the test.
    QTemporaryFile bloccante;
    QVERIFY(bloccante.open());
    Ambiente a(bloccante.fileName() + QStringLiteral("/sotto"));
    a.p->impostazioni = Impostazioni{false, true, 2, 9, 77.0};
    CreaCartelleImpostazioni(*a.p);
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    QVERIFY(a.servizi->messaggi.empty()); // the start-up stays silent

    a.p->SuoniAttivati = false;
    QVERIFY(!SalvaImpostazioni(*a.p));
    QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
    const auto& m = a.servizi->messaggi.front();
    QCOMPARE(m.titolo, QStringLiteral("Frasolino - 1°"));
    QCOMPARE(m.stile, msg::Exclamation);
    QVERIFY(m.testo.startsWith(QStringLiteral("Impossibile salvare le impostazioni")));
    QVERIFY(m.testo.contains(QDir::toNativeSeparators(FileImpostazioni(*a.p))));
    // The settings stay in memory.
    QCOMPARE(a.p->SuoniAttivati, false);
}

void TestImpostazioni::fileImpostazioniOccupatoDaCartella()
{
    // A folder where the settings file should be: the save fails, says so, and harms nothing.
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    QVERIFY(QDir().mkpath(FileImpostazioni(*a.p)));
    QVERIFY(!SalvaImpostazioni(*a.p));
    QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
    QVERIFY(QFileInfo(FileImpostazioni(*a.p)).isDir());
    LeggiImpostazioni(*a.p);
    QCOMPARE(a.p->impostazioni, Impostazioni{});
}

// A disk full during a write: every file the program writes keeps its old bytes; the write fails.
void TestImpostazioni::discoPieno()
{
    Ambiente a;
    const QString pdf = a.radice.filePath(QStringLiteral("risultati.pdf"));
    const auto stampa = [&] { auto s = CreaStampanteQt(pdf, true); s->Stampa(QStringLiteral("Esatti 3")); return s->EndDoc(); };
    QVERIFY(SalvaImpostazioni(*a.p));
    QVERIFY(stampa());
    const QStringList file{FileImpostazioni(*a.p), FileLeggimi(*a.p), pdf};
    const auto contenuti = [&] { QByteArrayList c; for (const QString& f : file) c << Ambiente::Leggi(f); return c; };
    const QByteArrayList prima = contenuti();
    if (!suite::InCopia(*this, 12)) return;
    QVERIFY(!SalvaImpostazioni(*a.p));
    QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
    QVERIFY(!CreaCartella(*a.p, a.radice.path()));
    QVERIFY(!stampa());
    QCOMPARE(contenuti(), prima);
}

void TestImpostazioni::soloFileRegolari_data()
{
    QTest::addColumn<bool>("collegamento"); // the settings path is a link to the node
    QTest::addColumn<bool>("dispositivo");  // a character device, else a FIFO
    QTest::newRow("link to a device") << true << true;
    QTest::newRow("FIFO") << false << false;
    QTest::newRow("link to a FIFO") << true << false;
}

// A save replaces only a regular file: a device or a FIFO at the settings path stays what it is,
// and the save fails as on a full disk.
void TestImpostazioni::soloFileRegolari()
{
    QFETCH(bool, collegamento);
    QFETCH(bool, dispositivo);
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    const QByteArray percorso = QFile::encodeName(FileImpostazioni(*a.p));
    const QByteArray nodo = collegamento ? QFile::encodeName(a.radice.filePath("nodo")) : percorso;
    if (dispositivo && ::mknod(nodo.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) QSKIP("a device node needs root");
    if (!dispositivo) QCOMPARE(::mkfifo(nodo.constData(), 0600), 0);
    if (collegamento) QCOMPARE(::symlink(nodo.constData(), percorso.constData()), 0);
    const auto tipi = [&] {
        struct stat l {}, s {};
        ::lstat(percorso.constData(), &l);
        ::stat(percorso.constData(), &s);
        return std::pair(l.st_mode & S_IFMT, s.st_mode & S_IFMT);
    };
    const auto prima = tipi();
    LeggiImpostazioni(*a.p); // returns: nothing waits for a writer
    QVERIFY(!SalvaImpostazioni(*a.p));
    QCOMPARE(tipi(), prima);
    QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
    QVERIFY(a.servizi->messaggi.front().testo.startsWith(QStringLiteral("Impossibile salvare le impostazioni")));
}

#include "test_impostazioni.moc"

FRASOLINO_TEST(TestImpostazioni);
