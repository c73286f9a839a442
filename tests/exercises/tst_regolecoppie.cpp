// The pair exercises' rules without windows: the draw of different items (always ending), the
// placement of boxes and words with their tags, the index read from the tags, the shuffle of the
// subjects among the rows and how a match is judged.
#include "exercises/pairs/regolecoppie.h"

#include "suite.h"

#include <QtTest>

#include <random>

using namespace coppie;

namespace {

// A generator that answers from a script; -1 stands for the last value, n - 1.
struct Copione {
    QList<int> valori;
    int Casuale(int n)
    {
        if (valori.isEmpty()) return 0;
        const int v = valori.takeFirst();
        return v < 0 ? n - 1 : v;
    }
    coppie::Casuale Funzione() { return [this](int n) { return Casuale(n); }; }
};

// A list written as "subject|predicate" entries, item 1 first.
struct Lista {
    QStringList voci;
    QString Soggetto(int i) const { return voci.value(i - 1).section('|', 0, 0); }
    QString Predicato(int i) const { return voci.value(i - 1).section('|', 1, 1); }
    Utilizzabile Usabile() const
    {
        return [this](int i) { return CoppiaUtilizzabile(Soggetto(i), Predicato(i)); };
    }
};

const QString S = TagSinistra;
const QString D = TagDestra;

} // namespace

using Interi = QList<int>;

class TestRegoleCoppie : public QObject {
    Q_OBJECT
private slots:
    void estraiCoppie_data()
    {
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<bool>("perTesto");
        QTest::addColumn<Interi>("copione");
        QTest::addColumn<Interi>("attese");

        const QStringList doppioni = {"il cane|abbaia", "il gatto|miagola", "il cane|corre", "Il cane|salta", "l'ape|vola"};
        QTest::newRow("same subject text never twice") << doppioni << true << Interi{} << Interi{1, 2, 4, 5};
        QTest::newRow("by number: same text allowed") << doppioni << false << Interi{} << Interi{1, 2, 3, 4, 5};
        QTest::newRow("from the end") << doppioni << true << Interi{-1, -1, -1, -1} << Interi{5, 4, 3, 2};
        QTest::newRow("unusable items skipped") << QStringList{"|abbaia", "il gatto|", "il gallo|canta"} << true
                                                << Interi{} << Interi{3};

        QStringList dodici;
        for (int i = 1; i <= 12; ++i) dodici << QString("soggetto %1|predicato %1").arg(i);
        QTest::newRow("nine of twelve") << dodici << true << Interi{11, 0, 9, 0, 0, 0, 0, 0, 0}
                                        << Interi{12, 1, 11, 2, 3, 4, 5, 6, 7};
    }
    void estraiCoppie()
    {
        QFETCH(QStringList, voci);
        QFETCH(bool, perTesto);
        QFETCH(Interi, copione);
        Lista lista{voci};
        Copione c{copione};
        auto chiave = [&](int i) { return perTesto ? lista.Soggetto(i) : QString::number(i); };
        const std::vector<int> estratte =
            EstraiCoppie(static_cast<int>(voci.size()), RigheMassime, lista.Usabile(), chiave, c.Funzione());
        QTEST(Interi(estratte.begin(), estratte.end()), "attese");
    }

    void scombiccheraPosti_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<Interi>("copione"); // box order (order 3 only), then word order
        QTest::addColumn<Posti>("prima");
        QTest::addColumn<Posti>("attesi");

        const Posti progetto{{315, 4200}, {}, {360, 4200}, {}};
        QTest::newRow("order 1, words under their boxes")
            << 1 << Interi{1} << progetto << Posti{{315, 4200}, {S, D}, {315, 4200}, {S, D}};
        QTest::newRow("order 1, crosswise") << 1 << Interi{0} << progetto << Posti{{315, 4200}, {S, D}, {4200, 315}, {D, S}};
        QTest::newRow("order 2, words under their boxes")
            << 2 << Interi{1} << progetto << Posti{{4200, 315}, {D, S}, {4200, 315}, {D, S}};
        QTest::newRow("order 2, crosswise") << 2 << Interi{0} << progetto << Posti{{4200, 315}, {D, S}, {315, 4200}, {S, D}};
        QTest::newRow("random: box order drawn first")
            << 3 << Interi{1, 0} << progetto << Posti{{4200, 315}, {D, S}, {315, 4200}, {S, D}};
        QTest::newRow("random: subject box on the left")
            << 3 << Interi{0, 1} << progetto << Posti{{315, 4200}, {S, D}, {315, 4200}, {S, D}};
        const Posti scambiati{{4200, 315}, {D, S}, {315, 4200}, {S, D}};
        QTest::newRow("another order leaves the boxes")
            << 0 << Interi{1} << scambiati << Posti{{4200, 315}, {D, S}, {4200, 315}, {D, S}};
    }
    void scombiccheraPosti()
    {
        QFETCH(int, livello);
        QFETCH(Interi, copione);
        QFETCH(Posti, prima);
        Copione c{copione};
        QTEST(ScombiccheraPosti(prima, 315, 4200, livello, c.Funzione()), "attesi");
        QVERIFY(c.valori.isEmpty());
    }

    void indiceDaTag_data()
    {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("tag0");
        QTest::addColumn<QString>("tag1");
        QTest::addColumn<int>("attuale");
        QTest::addColumn<int>("atteso");

        QTest::newRow("phase 1, element 0 on the left") << 1 << S << D << 1 << 0;
        QTest::newRow("phase 1, element 1 on the left") << 1 << D << S << 0 << 1;
        QTest::newRow("phase 2, element 0 on the left") << 2 << S << D << 0 << 1;
        QTest::newRow("phase 2, element 1 on the left") << 2 << D << S << 1 << 0;
        QTest::newRow("no tag on the left keeps 1") << 1 << D << D << 1 << 1;
        QTest::newRow("no tag on the left keeps 0") << 2 << "" << "sinistra1" << 0 << 0;
        QTest::newRow("both on the left: the second wins") << 1 << S << S << 0 << 1;
    }
    void indiceDaTag()
    {
        QFETCH(int, posizione);
        QFETCH(QString, tag0);
        QFETCH(QString, tag1);
        QFETCH(int, attuale);
        QTEST(IndiceDaTag(posizione, tag0, tag1, attuale), "atteso");
    }

    // Matches "subject>box" on a list of "subject|predicate" sentences: G right, S wrong.
    void abbina_data()
    {
        QTest::addColumn<QStringList>("frasi");
        QTest::addColumn<QString>("mosse");
        QTest::addColumn<QString>("esiti");
        QTest::newRow("a shared predicate crosswise; wrong pairs")
            << QStringList{"il cane|corre", "il gatto|corre", "il gallo|canta"} << "0>2 2>0 0>1 1>0 2>2" << "SSGGG";
        QTest::newRow("one subject twice, crosswise") << QStringList{"il gallo|canta", "il gallo|becca", "il cane|abbaia"} << "1>0 0>1 2>2" << "GGG";
        QTest::newRow("both at once; a sentence made already")
            << QStringList{"il cane|corre", "il cane|abbaia", "il gatto|corre"} << "1>2 0>0 0>1 2>0" << "GSGG";
        QTest::newRow("one pair twice; a taken box or subject") << QStringList{"il cane|corre", "il cane|corre", "il gatto|miagola"} << "0>1 1>1 0>0 1>0" << "GSSG";
        QTest::newRow("spaces at the ends") << QStringList{"il cane |dorme", "il gatto| dorme ", "il gallo|canta"} << "0>1 1>0" << "GG";
        QTest::newRow("a run of spaces in a subject") << QStringList{"il  cane|corre", "il cane|abbaia", "il gatto|dorme"} << "0>1 1>0" << "GG";
        QTest::newRow("a run of spaces in a predicate") << QStringList{"il cane|dorme  bene", "il gatto|dorme bene", "il gallo|canta"} << "0>1 1>0" << "GG";
        QTest::newRow("case counts") << QStringList{"Il cane|corre", "il cane|Corre", "il gatto|miagola"} << "0>1 1>0 0>0" << "SSG";
    }
    void abbina()
    {
        QFETCH(QStringList, frasi);
        QFETCH(QString, mosse);
        std::vector<Abbinamento::Frase> f;
        for (const QString& v : frasi) f.push_back({v.section('|', 0, 0), v.section('|', 1)});
        Abbinamento a(f);
        QString esiti;
        for (const QString& m : mosse.split(' ')) esiti += a.Abbina(m.section('>', 0, 0).toInt(), m.section('>', 1).toInt()) ? 'G' : 'S';
        QTEST(esiti, "esiti");
    }

    // After any right matches, in any order of the subjects, each subject left still makes a sentence
    // with some free box: lists of look-alike texts.
    void abbinaSempreFinibile()
    {
        const QStringList soggetti{"il cane", "il cane ", " il  cane", "Il cane", "il gatto"}, predicati{"corre", "corre ", "Corre", "dorme"};
        std::mt19937 g(7);
        auto caso = [&](qsizetype n) { return static_cast<int>(g() % static_cast<unsigned>(n)); };
        for (int prova = 0; prova < 3000; ++prova) {
            const int righe = RigheMinime + caso(RigheMassime - RigheMinime + 1);
            std::vector<Abbinamento::Frase> frasi;
            QList<int> ordine, libere;
            for (int i = 0; i < righe; ++i)
                frasi.push_back({soggetti[caso(5)], predicati[caso(4)]}), ordine.insert(caso(i + 1), i), libere << i;
            Abbinamento a(frasi);
            for (int s : ordine) {
                QList<int> giuste;
                for (int c : libere)
                    if (Abbinamento(a).Abbina(s, c)) giuste << c;
                QVERIFY2(!giuste.isEmpty(), qPrintable(QString("list %1, subject %2").arg(prova).arg(s)));
                a.Abbina(s, libere.takeAt(libere.indexOf(giuste[caso(giuste.size())])));
            }
        }
    }

    void mescolaRighe_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<Interi>("copione");
        QTest::addColumn<Interi>("soggetti");
        QTest::newRow("wrap to the first") << 3 << Interi{2, 2, 2} << Interi{2, 0, 1};
        QTest::newRow("next free after a placed one") << 5 << Interi{4, 4, 0, 3, 1} << Interi{4, 0, 1, 3, 2};
        QTest::newRow("nine rows") << 9 << Interi{8, 8, 8, 8, 8, 8, 8, 8, 8} << Interi{8, 0, 1, 2, 3, 4, 5, 6, 7};
    }
    void mescolaRighe()
    {
        QFETCH(int, righe);
        QFETCH(Interi, copione);
        Copione c{copione};
        const std::vector<int> r = MescolaRighe(righe, c.Funzione());
        QTEST(Interi(r.begin(), r.end()), "soggetti");
    }
};

FRASOLINO_TEST(TestRegoleCoppie);
#include "tst_regolecoppie.moc"
