// Files and folders: existence tests, decoding, lines, and the single-instance lock.
#include "platform/file.h"
#include "impostazionitemporanee.h"
#include "suite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestFile : public QObject {
    Q_OBJECT
private slots:
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("testo");
        QTest::newRow("ascii") << QByteArray("il cane") << QStringLiteral("il cane");
        QTest::newRow("utf-8") << QByteArray("perch\xC3\xA9 \xC3\xA8") << QStringLiteral("perché è");
        QTest::newRow("utf-8 euro") << QByteArray("\xE2\x82\xAC") << QStringLiteral("€");
        QTest::newRow("utf-8 BOM dropped") << QByteArray("\xEF\xBB\xBFmen\xC3\xB9") << QStringLiteral("menù");
        QTest::newRow("only the first BOM dropped") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QStringLiteral("\uFEFF");
        QTest::newRow("1252 e grave") << QByteArray("caff\xE8") << QStringLiteral("caffè");
        QTest::newRow("1252 euro") << QByteArray("\x80 5") << QStringLiteral("€ 5");
        QTest::newRow("1252 quotes") << QByteArray("\x93s\xEC\x94") << QStringLiteral("“sì”");
        QTest::newRow("1252 dash and oe") << QByteArray("\x96\x9C") << QStringLiteral("–œ");
        QTest::newRow("1252 degree") << QByteArray("1\xB0") << QStringLiteral("1°");
        QTest::newRow("1252 unassigned 0x81") << QByteArray("a\x81") << QStringLiteral("a\u0081");
        QTest::newRow("truncated utf-8 is 1252") << QByteArray("a\xC3") << QStringLiteral("aÃ");
        QTest::newRow("overlong is 1252") << QByteArray("\xC0\xAF") << QStringLiteral("À¯");
        QTest::newRow("surrogate is 1252") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
        QTest::newRow("utf-16 LE") << QByteArray("\xFF\xFEp\0e\0r\0c\0h\0\xE9\0", 14) << QStringLiteral("perché");
        QTest::newRow("utf-16 BE, a second mark kept") << QByteArray("\xFE\xFF\xFE\xFF\0\xE8\x20\xAC", 8)
                                                       << QStringLiteral("\uFEFFè€");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void decodifica()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, testo);
        QCOMPARE(file::Decodifica(byte), testo);
    }

    // One code page both ways: what the settings writer writes, the readers read back.
    void codificaAnsi_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("letto");
        QTest::newRow("ascii") << "Non cancellare" << QByteArray("Non cancellare") << "Non cancellare";
        QTest::newRow("o grave") << "può" << QByteArray("pu\xF2") << "può";
        QTest::newRow("e grave e u grave") << "è ù" << QByteArray("\xE8 \xF9") << "è ù";
        QTest::newRow("a grave") << "à" << QByteArray("\xE0") << "à";
        QTest::newRow("euro") << "€" << QByteArray("\x80") << "€";
        QTest::newRow("virgolette") << "“x”" << QByteArray("\x93x\x94") << "“x”";
        QTest::newRow("Y diaeresis") << "Ÿ" << QByteArray("\x9F") << "Ÿ";
        for (const int c : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
            const QString controllo(QChar(static_cast<char16_t>(c)));
            QTest::addRow("unassigned 0x%X", c) << controllo << QByteArray(1, static_cast<char>(c)) << controllo;
        }
        QTest::newRow("C1 control without a byte") << QString(QChar(0x80)) << QByteArray("?") << "?";
        QTest::newRow("outside the code page") << "ł" << QByteArray("?") << "?";
    }
    void codificaAnsi()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        QFETCH(QString, letto);
        QCOMPARE(file::CodificaAnsi(testo), byte);
        QCOMPARE(file::Decodifica(byte), letto);
    }

    void righe_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("righe");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("LF") << QStringLiteral("a\nb") << QStringList{"a", "b"};
        QTest::newRow("CR") << QStringLiteral("a\rb") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QStringLiteral("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("final CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("final LF") << QStringLiteral("a\n") << QStringList{"a"};
        QTest::newRow("empty lines kept") << QStringLiteral("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("only a line end") << QStringLiteral("\r\n") << QStringList{""};
        QTest::newRow("blanks kept") << QStringLiteral(" a  \r\n") << QStringList{" a  "};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void righe()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, righe);
        QCOMPARE(file::Righe(testo), righe);
    }

    void leggiRighe_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<int>("massimoRighe");
        QTest::addColumn<int>("massimoByte");
        QTest::addColumn<QStringList>("righe");
        const QByteArray lunga(65535, 'x'); // its CR LF straddles the first block read
        QTest::newRow("within both bounds") << QByteArray("Il gatto#0#\r\nperch\xE8#1#\r\n") << 10 << 100
                                            << QStringList{"Il gatto#0#", QString::fromUtf8("perchè#1#")};
        QTest::newRow("stops after the last line kept") << QByteArray("A\r\nB\r\nC\r\n") << 2 << 100
                                                        << QStringList{"A", "B"};
        QTest::newRow("last line without line end") << QByteArray("A\nB\nC") << 3 << 100 << QStringList{"A", "B", "C"};
        QTest::newRow("line after the bound not read") << QByteArray("A\nB\nC") << 2 << 100 << QStringList{"A", "B"};
        QTest::newRow("line ends as the lines count them") << QByteArray("A\n\rB\rC\r\n") << 3 << 100
                                                           << QStringList{"A", "", "B"};
        QTest::newRow("line cut by the byte bound left out") << QByteArray("AAAA\nBBBB\nCCCC") << 1000 << 12
                                                             << QStringList{"AAAA", "BBBB"};
        QTest::newRow("byte bound right after a line end") << QByteArray("AAAA\nBBBB\nCCCC\n") << 1000 << 10
                                                           << QStringList{"AAAA", "BBBB"};
        QTest::newRow("whole file as long as the byte bound") << QByteArray("AAAA\nBBBB") << 1000 << 9
                                                              << QStringList{"AAAA", "BBBB"};
        QTest::newRow("first line longer than the byte bound") << QByteArray("AAAAAAAA\nB") << 1000 << 4
                                                               << QStringList{};
        QTest::newRow("CR LF across blocks") << lunga + "\r\nB\r\nC" << 2 << 100000
                                             << QStringList{QString(lunga), "B"};
        QTest::newRow("no line asked") << QByteArray("A\n") << 0 << 100 << QStringList{};
        // U+010A is 0A 01 in UTF-16 LE: its first byte is no line end.
        QTest::newRow("UTF-16 LE, line ends in units") << QByteArray("\xFF\xFE\x0A\x01\r\0\n\0B\0\n\0C\0", 14) << 2 << 100
                                                       << QStringList{"Ċ", "B"};
        QTest::newRow("UTF-16 LE, cut by the byte bound") << QByteArray("\xFF\xFE" "A\0\n\0B\0B\0\n\0C\0", 14) << 9 << 12
                                                          << QStringList{"A", "BB"};
    }
    void leggiRighe()
    {
        QFETCH(QByteArray, byte);
        QFETCH(int, massimoRighe);
        QFETCH(int, massimoByte);
        QFETCH(QStringList, righe);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString p = dir.filePath("lista.txt");
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(byte);
        f.close();
        const auto r = file::LeggiRighe(p, massimoRighe, massimoByte);
        QVERIFY(r.has_value());
        QCOMPARE(*r, righe);
        QVERIFY(!file::LeggiRighe(dir.filePath("manca.txt"), 10, 10).has_value());
        QVERIFY(!file::LeggiRighe(dir.path(), 10, 10).has_value());
        QVERIFY(!file::LeggiRighe(QString(), 10, 10).has_value());
    }

    void esistenza_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("file");
        QTest::addColumn<bool>("cartella");
        QTest::newRow("file") << "lista.txt" << true << false;
        QTest::newRow("folder") << "cartella" << false << true;
        QTest::newRow("hidden file") << ".nascosto" << false << false;
        QTest::newRow("hidden folder") << ".cartella" << false << true;
        QTest::newRow("file inside a hidden folder") << ".cartella/frasolino-1.INI" << true << false;
        QTest::newRow("missing") << "manca.txt" << false << false;
        QTest::newRow("file inside missing folder") << "manca/lista.txt" << false << false;
        QTest::newRow("empty path") << "" << false << false;
    }
    void esistenza()
    {
        QFETCH(QString, nome);
        QFETCH(bool, file);
        QFETCH(bool, cartella);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* n : {"lista.txt", ".nascosto"}) {
            QFile f(dir.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir("cartella"));
        QVERIFY(QDir(dir.path()).mkdir(".cartella"));
        {
            QFile f(dir.filePath(".cartella/frasolino-1.INI"));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString p = nome.isEmpty() ? QString() : dir.filePath(nome);
        QCOMPARE(file::EsisteFile(p), file);
        QCOMPARE(file::EsisteCartella(p), cartella);
    }

    void cartelle()
    {
        QCOMPARE(file::CartellaProgramma(), QCoreApplication::applicationDirPath());
        ImpostazioniTemporanee tmp;
        QVERIFY(tmp.valida());
        QCOMPARE(QDir(file::RadiceImpostazioni()).canonicalPath(), QDir(tmp.Radice()).canonicalPath());
        QVERIFY(!file::CartellaDocumenti().isEmpty());
    }

    void bloccoDueVolte()
    {
        ImpostazioniTemporanee tmp;
        {
            BloccoIstanza primo(QStringLiteral("frasolino-prova"));
            QVERIFY(primo.Preso());
            QVERIFY(QFile::exists(QDir(tmp.Runtime()).filePath("frasolino-prova.lock")));
            BloccoIstanza secondo(QStringLiteral("frasolino-prova"));
            QVERIFY(!secondo.Preso());
            BloccoIstanza altro(QStringLiteral("altro-nome"));
            QVERIFY(altro.Preso());
        }
        // Released with the first holder.
        BloccoIstanza terzo(QStringLiteral("frasolino-prova"));
        QVERIFY(terzo.Preso());
    }

    void bloccoDiUnaCopiaUccisa()
    {
        ImpostazioniTemporanee tmp;
        const QString percorso = QDir(tmp.Runtime()).filePath("frasolino-ucciso.lock");
        QProcess copia;
        copia.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--helper-lock"), percorso});
        QVERIFY(copia.waitForStarted(10000));
        QVERIFY(copia.waitForReadyRead(20000));
        QCOMPARE(copia.readLine().trimmed(), QByteArray("locked"));
        {
            // While the other copy lives, the lock is its own.
            BloccoIstanza mentreVive(QStringLiteral("frasolino-ucciso"));
            QVERIFY(!mentreVive.Preso());
        }
        copia.kill();
        QVERIFY(copia.waitForFinished(10000));
        QVERIFY(QFile::exists(percorso)); // left behind
        BloccoIstanza dopo(QStringLiteral("frasolino-ucciso"));
        QVERIFY(dopo.Preso());
    }
};
FRASOLINO_TEST(TestFile);

#include "test_file.moc"
