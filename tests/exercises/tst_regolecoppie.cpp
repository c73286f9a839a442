// The pair exercises' rules without windows: the draws (usable items only, different subjects,
// always ending), the placement of boxes and words with their tags, the index read from the tags,
// judging a word, the rows in use, the shuffle of the subjects among the rows, the result row and
// the frames' geometry.
#include "exercises/pairs/regolecoppie.h"

#include "suite.h"

#include <QtTest>

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
    void estraiCoppia_data();
    void estraiCoppia();
    void estraiCoppie_data();
    void estraiCoppie();
    void scombiccheraPosti_data();
    void scombiccheraPosti();
    void indiceDaTag_data();
    void indiceDaTag();
    void colloca_data();
    void colloca();
    void righeInUso_data();
    void righeInUso();
    void mescolaRighe_data();
    void mescolaRighe();
    void rigaAbbinamento();
    void riquadro_data();
    void riquadro();
};

void TestRegoleCoppie::estraiCoppia_data()
{
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<int>("numero");
    QTest::addColumn<Interi>("copione");
    QTest::addColumn<int>("atteso"); // 0: nothing drawn

    const QStringList tre = {"il cane|abbaia", "il gatto|miagola", "il gallo|canta"};
    QTest::newRow("first") << tre << 3 << Interi{0} << 1;
    QTest::newRow("last") << tre << 3 << Interi{-1} << 3;
    QTest::newRow("entries above the count never drawn") << tre << 1 << Interi{-1} << 1;
    QTest::newRow("empty list") << QStringList{} << 0 << Interi{0} << 0;
    QTest::newRow("no subject anywhere") << QStringList{"|abbaia", "|miagola"} << 2 << Interi{-1} << 0;
    QTest::newRow("empty predicate skipped") << QStringList{"il cane|", "il gatto|miagola", "il gallo|"} << 3
                                             << Interi{-1} << 2;
    QTest::newRow("chance among the usable ones") << QStringList{"a|b", "|x", "c|d", "e|f"} << 4 << Interi{1} << 3;
}

void TestRegoleCoppie::estraiCoppia()
{
    QFETCH(QStringList, voci);
    QFETCH(int, numero);
    QFETCH(Interi, copione);
    QFETCH(int, atteso);
    Lista lista{voci};
    Copione c{copione};
    const std::optional<int> estratta = EstraiCoppia(numero, lista.Usabile(), c.Funzione());
    QCOMPARE(estratta.value_or(0), atteso);
}

void TestRegoleCoppie::estraiCoppie_data()
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

void TestRegoleCoppie::estraiCoppie()
{
    QFETCH(QStringList, voci);
    QFETCH(bool, perTesto);
    QFETCH(Interi, copione);
    QFETCH(Interi, attese);
    Lista lista{voci};
    Copione c{copione};
    auto chiave = [&](int i) { return perTesto ? lista.Soggetto(i) : QString::number(i); };
    const std::vector<int> estratte =
        EstraiCoppie(static_cast<int>(voci.size()), RigheMassime, lista.Usabile(), chiave, c.Funzione());
    QCOMPARE(Interi(estratte.begin(), estratte.end()), attese);
}

void TestRegoleCoppie::scombiccheraPosti_data()
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

void TestRegoleCoppie::scombiccheraPosti()
{
    QFETCH(int, livello);
    QFETCH(Interi, copione);
    QFETCH(Posti, prima);
    QFETCH(Posti, attesi);
    Copione c{copione};
    const Posti p = ScombiccheraPosti(prima, 315, 4200, livello, c.Funzione());
    QCOMPARE(p.caselle, attesi.caselle);
    QCOMPARE(p.tagCaselle, attesi.tagCaselle);
    QCOMPARE(p.parole, attesi.parole);
    QCOMPARE(p.tagParole, attesi.tagParole);
    QVERIFY(c.valori.isEmpty());
}

void TestRegoleCoppie::indiceDaTag_data()
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

void TestRegoleCoppie::indiceDaTag()
{
    QFETCH(int, posizione);
    QFETCH(QString, tag0);
    QFETCH(QString, tag1);
    QFETCH(int, attuale);
    QFETCH(int, atteso);
    QCOMPARE(IndiceDaTag(posizione, tag0, tag1, attuale), atteso);
}

void TestRegoleCoppie::colloca_data()
{
    QTest::addColumn<QStringList>("prima"); // box 0, box 1, word 0, word 1
    QTest::addColumn<int>("parola");
    QTest::addColumn<int>("casella");
    QTest::addColumn<int>("esito");
    QTest::addColumn<QStringList>("dopo");

    const QStringList nuova = {"", "", "il cane", "abbaia"};
    QTest::newRow("subject first") << nuova << 0 << 0 << int(Esito::Collocata) << QStringList{"il cane", "", "", "abbaia"};
    QTest::newRow("predicate first") << nuova << 1 << 1 << int(Esito::Collocata) << QStringList{"", "abbaia", "il cane", ""};
    QTest::newRow("wrong box changes nothing") << nuova << 1 << 0 << int(Esito::Sbagliata) << nuova;
    const QStringList meta = {"il cane", "", "", "abbaia"};
    QTest::newRow("second word finishes") << meta << 1 << 1 << int(Esito::Completata)
                                          << QStringList{"il cane", "abbaia", "", ""};
    QTest::newRow("placed word: nothing") << meta << 0 << 0 << int(Esito::Niente) << meta;
    QTest::newRow("placed word on the other box: nothing") << meta << 0 << 1 << int(Esito::Niente) << meta;
}

void TestRegoleCoppie::colloca()
{
    QFETCH(QStringList, prima);
    QFETCH(int, parola);
    QFETCH(int, casella);
    QFETCH(int, esito);
    QFETCH(QStringList, dopo);
    StatoCoppia s{{prima[0], prima[1]}, {prima[2], prima[3]}};
    QCOMPARE(int(Colloca(s, parola, casella)), esito);
    QCOMPARE((QStringList{s.caselle[0], s.caselle[1], s.parole[0], s.parole[1]}), dopo);
    QCOMPARE(s.Finita(), esito == int(Esito::Completata));
}

void TestRegoleCoppie::righeInUso_data()
{
    QTest::addColumn<int>("scelte");
    QTest::addColumn<int>("estratte");
    QTest::addColumn<int>("attese");
    QTest::newRow("nine of nine") << 9 << 9 << 9;
    QTest::newRow("three chosen") << 3 << 9 << 3;
    QTest::newRow("only five drawn") << 9 << 5 << 5;
    QTest::newRow("only three drawn") << 7 << 3 << 3;
    QTest::newRow("two drawn: no exercise") << 9 << 2 << 0;
    QTest::newRow("empty list") << 3 << 0 << 0;
}

void TestRegoleCoppie::righeInUso()
{
    QFETCH(int, scelte);
    QFETCH(int, estratte);
    QFETCH(int, attese);
    QCOMPARE(RigheInUso(scelte, estratte), attese);
}

void TestRegoleCoppie::mescolaRighe_data()
{
    QTest::addColumn<int>("righe");
    QTest::addColumn<Interi>("copione");
    QTest::addColumn<Interi>("soggetti");
    QTest::newRow("in order") << 3 << Interi{0, 0, 0} << Interi{0, 1, 2};
    QTest::newRow("wrap to the first") << 3 << Interi{2, 2, 2} << Interi{2, 0, 1};
    QTest::newRow("next free after a placed one") << 5 << Interi{4, 4, 0, 3, 1} << Interi{4, 0, 1, 3, 2};
    QTest::newRow("nine rows") << 9 << Interi{8, 8, 8, 8, 8, 8, 8, 8, 8} << Interi{8, 0, 1, 2, 3, 4, 5, 6, 7};
}

void TestRegoleCoppie::mescolaRighe()
{
    QFETCH(int, righe);
    QFETCH(Interi, copione);
    QFETCH(Interi, soggetti);
    Copione c{copione};
    const std::vector<int> r = MescolaRighe(righe, c.Funzione());
    QCOMPARE(Interi(r.begin(), r.end()), soggetti);
}

void TestRegoleCoppie::rigaAbbinamento()
{
    QCOMPARE(RigaAbbinamento(3, "il cane abbaia", true), (QStringList{"3", "il cane abbaia", " "}));
    QCOMPARE(RigaAbbinamento(9, "il cane miagola", false), (QStringList{"9", " ", "il cane miagola"}));
}

void TestRegoleCoppie::riquadro_data()
{
    QTest::addColumn<QRect>("controllo");
    QTest::addColumn<int>("scostamento");
    QTest::addColumn<QRect>("atteso");
    QTest::newRow("word frame") << QRect(315, 2700, 3495, 900) << 9 << QRect(306, 2691, 3513, 918);
    QTest::newRow("row subject frame") << QRect(240, 960, 4455, 600) << 9 << QRect(231, 951, 4473, 618);
    QTest::newRow("box frame, 12 up and left") << QRect(4920, 240, 3495, 600) << 12 << QRect(4908, 228, 3513, 618);
}

void TestRegoleCoppie::riquadro()
{
    QFETCH(QRect, controllo);
    QFETCH(int, scostamento);
    QFETCH(QRect, atteso);
    QCOMPARE(Riquadro(controllo, scostamento, 9), atteso);
}

FRASOLINO_TEST(TestRegoleCoppie);
#include "tst_regolecoppie.moc"
