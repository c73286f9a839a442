// Every list shipped with the program, read with the program's own readers: the roles each
// exercise allows, the parts each line must hold, the number of lines, no line twice, the pair
// list's records, and the figures that keep the lists from being answered by position alone.
#include "exercises/pairs/finestracoppie.h"
#include "exercises/pairs/listacoppie.h"
#include "exercises/sentences/finestrafrase.h"
#include "exercises/sentences/rigafrase.h"
#include "frame/limitiliste.h"
#include "platform/file.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

#include <algorithm>

namespace {

const QString Cartella = QStringLiteral(FRASOLINO_CARTELLA_LISTE);

enum Regola {
    Nessuna = 0,
    SoggettoEPredicato = 1, // a shown or implied subject and a predicate
    SempreSottinteso = 2,   // an implied subject in every line
    UnaPartePerRuolo = 4,   // no role twice in a line
};

// What a line is counted for in the figures of a list.
enum Figura {
    RuoloInFondo,            // its last part has the role
    NonSoggettoVerboOggetto, // its parts are not just subject, predicate, object in this order
    ConRuolo,                // one of its parts has the role
    SoggettoDopo,            // a shown subject comes after a part of another role
};

bool Conta(Figura figura, int ruolo, const RigaFrase& r)
{
    auto ruoloDi = [](const ParteFrase& p) { return p.ruolo ? p.ruolo->toInt() : -1; };
    switch (figura) {
    case RuoloInFondo: return !r.parti.empty() && ruoloDi(r.parti.back()) == ruolo;
    case NonSoggettoVerboOggetto:
        return r.parti.size() != 3 || ruoloDi(r.parti[0]) != 0 || ruoloDi(r.parti[1]) != 1 || ruoloDi(r.parti[2]) != 2;
    case ConRuolo:
        return std::any_of(r.parti.begin(), r.parti.end(), [&](const ParteFrase& p) { return ruoloDi(p) == ruolo; });
    case SoggettoDopo: {
        bool altraPrima = false;
        for (const ParteFrase& p : r.parti) {
            if (ruoloDi(p) != 0) altraPrima = true;
            else if (!p.sottinteso && altraPrima) return true;
        }
        return false;
    }
    }
    return false;
}

QStringList RigheNonVuote(const QString& percorso)
{
    const std::optional<QStringList> righe = file::LeggiRighe(percorso, FinestraFrasi::MassimoRighe, ByteMassimiLista);
    if (!righe) return {};
    QStringList r;
    for (const QString& riga : *righe)
        if (!riga.trimmed().isEmpty()) r << riga;
    return r;
}

} // namespace

class TestListeSpedite : public QObject {
    Q_OBJECT
private slots:
    void ogniListaNelTest();
    void liste_data();
    void liste();
    void figure_data();
    void figure();
    void coppie();
    void formatoDeiFile();
};

// Every sentence list in the data folder has its row below.
void TestListeSpedite::ogniListaNelTest()
{
    QStringList trovate;
    for (const char* sotto : {"Riconoscisoggettopredicato", "complementi"})
        for (const QString& n : QDir(Cartella + "/" + QString(sotto)).entryList({"*.txt"}, QDir::Files))
            trovate << QString(sotto) + "/" + n;
    trovate.sort();
    QStringList attese;
    for (int i = 1; i <= 6; ++i) attese << QString("Riconoscisoggettopredicato/liv%1.txt").arg(i);
    attese << "Riconoscisoggettopredicato/sottinteso.txt";
    for (const char* n : {"oggetto", "specificazione", "termine", "causa", "mezzo", "compagnia", "luogo", "modo", "tempo"})
        attese << QString("complementi/%1.txt").arg(n);
    for (int i = 1; i <= 8; ++i) attese << QString("complementi/ripasso%1.txt").arg(i);
    attese.sort();
    QCOMPARE(trovate, attese);
}

void TestListeSpedite::liste_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("ruoloMassimo");
    QTest::addColumn<int>("ruoloRichiesto"); // -1: none
    QTest::addColumn<int>("regole");
    QTest::addColumn<int>("righeMinime");

    for (int i = 1; i <= 6; ++i)
        QTest::newRow(qPrintable(QString("liv%1").arg(i)))
            << QString("Riconoscisoggettopredicato/liv%1.txt").arg(i) << 10 << -1 << int(SoggettoEPredicato) << 30;
    QTest::newRow("sottinteso") << "Riconoscisoggettopredicato/sottinteso.txt" << 10 << -1
                                << int(SempreSottinteso | SoggettoEPredicato) << 40;
    QTest::newRow("oggetto") << "complementi/oggetto.txt" << 2 << 2 << int(UnaPartePerRuolo) << 40;
    const QList<std::pair<const char*, int>> complementi = {{"specificazione", 3}, {"termine", 4}, {"causa", 5},
                                                           {"mezzo", 6},          {"compagnia", 7}, {"luogo", 8},
                                                           {"modo", 9},           {"tempo", 10}};
    for (const auto& [nome, ruolo] : complementi)
        QTest::newRow(nome) << QString("complementi/%1.txt").arg(nome) << ruolo << ruolo << int(Nessuna) << 40;
    for (int i = 1; i <= 8; ++i)
        QTest::newRow(qPrintable(QString("ripasso%1").arg(i)))
            << QString("complementi/ripasso%1.txt").arg(i) << i + 2 << -1 << int(Nessuna) << 40;
}

void TestListeSpedite::liste()
{
    QFETCH(QString, file);
    QFETCH(int, ruoloMassimo);
    QFETCH(int, ruoloRichiesto);
    QFETCH(int, regole);
    QFETCH(int, righeMinime);

    const QString percorso = Cartella + "/" + file;
    QVERIFY2(QFile::exists(percorso), qPrintable(percorso));
    const QStringList righe = RigheNonVuote(percorso);
    QVERIFY2(righe.size() >= righeMinime, qPrintable(QString("%1 lines").arg(righe.size())));
    QVERIFY(righe.size() <= 1000);

    QSet<QString> viste;
    for (const QString& riga : righe) {
        const QString dove = file + ": " + riga;
        const QString chiave = riga.trimmed().toLower();
        QVERIFY2(!viste.contains(chiave), qPrintable("line twice: " + dove));
        viste.insert(chiave);
        QVERIFY2(riga.trimmed().endsWith('#'), qPrintable("text after the last #: " + dove));

        const RigaFrase r = LeggiRigaFrase(riga);
        bool visibile = false, soggetto = false, predicato = false, richiesto = ruoloRichiesto < 0;
        QSet<int> ruoli;
        bool ripetuto = false;
        for (const ParteFrase& p : r.parti) {
            QVERIFY2(p.ruolo.has_value(), qPrintable("role not closed: " + dove));
            bool ok = false;
            const int ruolo = p.ruolo->toInt(&ok);
            QVERIFY2(ok && ruolo >= 0 && ruolo <= 10, qPrintable("role not 0-10: " + dove));
            QVERIFY2(ruolo <= ruoloMassimo, qPrintable(QString("role %1 not allowed: ").arg(ruolo) + dove));
            if (ruoli.contains(ruolo)) ripetuto = true;
            ruoli.insert(ruolo);
            if (p.sottinteso) {
                QVERIFY2(ruolo == 0, qPrintable("implied part that is not the subject: " + dove));
                bool gruppo = false;
                for (int persona = 1; persona <= 6; ++persona)
                    gruppo = gruppo || PannelloPronomi::PronomeDellaPersona(p.pronome, persona);
                QVERIFY2(gruppo, qPrintable("implied subject no button names: " + dove));
            } else {
                QVERIFY2(!p.testo.isEmpty(), qPrintable("empty part: " + dove));
                visibile = true;
            }
            if (ruolo == 0) soggetto = true;
            if (ruolo == 1) predicato = true;
            if (ruolo == ruoloRichiesto) richiesto = true;
        }
        QVERIFY2(visibile, qPrintable("no visible part: " + dove));
        QVERIFY2(richiesto, qPrintable(QString("no part of role %1: ").arg(ruoloRichiesto) + dove));
        if (regole & SoggettoEPredicato) {
            QVERIFY2(soggetto, qPrintable("no subject: " + dove));
            QVERIFY2(predicato, qPrintable("no predicate: " + dove));
        }
        if (regole & SempreSottinteso) QVERIFY2(r.ConSottinteso, qPrintable("no implied subject: " + dove));
        if (regole & UnaPartePerRuolo) QVERIFY2(!ripetuto, qPrintable("a role twice: " + dove));
    }
}

// Shares of lines: the file's own complement last in at most half of its lines, the object
// exercise not always subject-predicate-object, the reviews reviewing every complement seen so
// far, and the subject not always first from level 4 on.
void TestListeSpedite::figure_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("figura");
    QTest::addColumn<int>("ruolo");
    QTest::addColumn<int>("percentualeMinima");
    QTest::addColumn<int>("percentualeMassima");
    QTest::addColumn<int>("righeMinime");

    const char* complementi[] = {"specificazione", "termine", "causa", "mezzo", "compagnia", "luogo", "modo", "tempo"};
    for (int ruolo = 3; ruolo <= 10; ++ruolo)
        QTest::newRow(qPrintable(QString("%1 last").arg(complementi[ruolo - 3])))
            << QString("complementi/%1.txt").arg(complementi[ruolo - 3]) << int(RuoloInFondo) << ruolo << 0 << 50 << 0;
    QTest::newRow("oggetto not S-V-O") << "complementi/oggetto.txt" << int(NonSoggettoVerboOggetto) << -1 << 20 << 100
                                       << 0;
    for (int i = 1; i <= 8; ++i) {
        const QString file = QString("complementi/ripasso%1.txt").arg(i);
        QTest::newRow(qPrintable(QString("ripasso%1 newest").arg(i))) << file << int(ConRuolo) << i + 2 << 0 << 60 << 0;
        for (int ruolo = 2; ruolo < i + 2; ++ruolo)
            QTest::newRow(qPrintable(QString("ripasso%1 role %2").arg(i).arg(ruolo)))
                << file << int(ConRuolo) << ruolo << 0 << 100 << 5;
    }
    for (int i = 4; i <= 6; ++i)
        QTest::newRow(qPrintable(QString("liv%1 subject later").arg(i)))
            << QString("Riconoscisoggettopredicato/liv%1.txt").arg(i) << int(SoggettoDopo) << 0 << 25 << 100 << 0;
}

void TestListeSpedite::figure()
{
    QFETCH(QString, file);
    QFETCH(int, figura);
    QFETCH(int, ruolo);
    QFETCH(int, percentualeMinima);
    QFETCH(int, percentualeMassima);
    QFETCH(int, righeMinime);

    const QStringList righe = RigheNonVuote(Cartella + "/" + file);
    QVERIFY(!righe.isEmpty());
    qsizetype contate = 0;
    for (const QString& riga : righe)
        if (Conta(Figura(figura), ruolo, LeggiRigaFrase(riga))) ++contate;
    const QString misura = QString("%1 of %2 lines").arg(contate).arg(righe.size());
    QVERIFY2(contate * 100 >= righe.size() * percentualeMinima, qPrintable(misura));
    QVERIFY2(contate * 100 <= righe.size() * percentualeMassima, qPrintable(misura));
    QVERIFY2(contate >= righeMinime, qPrintable(misura));
}

void TestListeSpedite::coppie()
{
    QFile f(Cartella + "/soggettopredicato/lista.txt");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const std::vector<RecordCoppia> record = LeggiListaCoppie(QString::fromUtf8(f.readAll()), FinestraCoppie::MassimoCoppie);
    QVERIFY2(record.size() >= 80, qPrintable(QString("%1 pairs").arg(record.size())));
    QSet<QString> soggetti;
    for (const RecordCoppia& r : record) {
        const QString dove = r.primo.testo + " / " + r.secondo.testo;
        QVERIFY2(!r.primo.testo.trimmed().isEmpty() && !r.secondo.testo.trimmed().isEmpty(), qPrintable(dove));
        QVERIFY2((r.primo.codice == CodiceCoppia::Soggetto && r.secondo.codice == CodiceCoppia::Predicato) ||
                     (r.primo.codice == CodiceCoppia::Predicato && r.secondo.codice == CodiceCoppia::Soggetto),
                 qPrintable("codes: " + dove));
        const QString soggetto = (r.primo.codice == CodiceCoppia::Soggetto ? r.primo.testo : r.secondo.testo).trimmed().toLower();
        QVERIFY2(!soggetti.contains(soggetto), qPrintable("subject twice: " + dove));
        soggetti.insert(soggetto);
    }
}

// The files as bytes: UTF-8, one line per sentence ended by LF, no blank line, no "#" at the end of
// a text that would leave a role unclosed.
void TestListeSpedite::formatoDeiFile()
{
    QStringList file;
    for (const char* sotto : {"Riconoscisoggettopredicato", "complementi", "soggettopredicato"})
        for (const QString& n : QDir(Cartella + "/" + QString(sotto)).entryList({"*.txt"}, QDir::Files))
            file << QString(sotto) + "/" + n;
    QVERIFY(file.size() >= 25);
    for (const QString& nome : file) {
        QFile f(Cartella + "/" + nome);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(nome));
        const QByteArray byte = f.readAll();
        QVERIFY2(!byte.isEmpty() && byte.endsWith('\n'), qPrintable(nome + ": no final line end"));
        QVERIFY2(!byte.contains('\r'), qPrintable(nome + ": CR in the line ends"));
        QVERIFY2(!byte.startsWith("\xEF\xBB\xBF"), qPrintable(nome + ": byte order mark"));
        auto decodifica = QStringDecoder(QStringDecoder::Utf8);
        const QString testo = decodifica(byte);
        QVERIFY2(!decodifica.hasError(), qPrintable(nome + ": not UTF-8"));
        const QStringList righe = testo.split(u'\n');
        for (int i = 0; i + 1 < righe.size(); ++i)
            QVERIFY2(!righe[i].trimmed().isEmpty(), qPrintable(QString("%1: blank line %2").arg(nome).arg(i + 1)));
    }
}

QTEST_GUILESS_MAIN(TestListeSpedite)
#include "tst_listespedite.moc"
