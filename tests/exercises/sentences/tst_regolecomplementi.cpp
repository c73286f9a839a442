// The complement exercises' rules: the next part to place, the boxes the highlight stops on, how a
// sentence goes on and what a right placement earns.
#include "exercises/sentences/regolecomplementi.h"

#include "suite.h"

#include <QtTest>

using namespace complementi;

Q_DECLARE_METATYPE(complementi::Seguito)
Q_DECLARE_METATYPE(complementi::Punteggio)
Q_DECLARE_METATYPE(complementi::SceltaCaselle)

class TestRegoleComplementi : public QObject {
    Q_OBJECT
private slots:
    void parteDaCollocare_data()
    {
        // The parts as "+caption" (shown) or "-caption" (hidden: placed, or the implied subject).
        QTest::addColumn<QStringList>("parti");
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("attesa"); // -1: none
        QTest::newRow("first part") << QStringList{"+Il gatto ", "+dorme "} << 0 << 0;
        QTest::newRow("implied subject first") << QStringList{"-io ", "+corro "} << 0 << 1;
        QTest::newRow("blank parts passed over") << QStringList{"+ ", "+  ", "+corre "} << 0 << 2;
        QTest::newRow("after a placed part") << QStringList{"-Il cane ", "+abbaia ", "+forte "} << 1 << 1;
        QTest::newRow("last part placed") << QStringList{"-Il cane ", "-abbaia "} << 2 << -1;
        QTest::newRow("only hidden and blank parts") << QStringList{"-io ", "+ ", "+ "} << 0 << -1;
        QTest::newRow("no part at all") << QStringList{} << 0 << -1;
        QTest::newRow("past the end") << QStringList{"+uno "} << 5 << -1;
        QStringList lunga;
        for (int i = 0; i < 120; ++i) lunga << (i == 110 ? "+ultima " : "-parte ");
        QTest::newRow("beyond a hundred parts") << lunga << 0 << 110;
    }
    void parteDaCollocare()
    {
        QFETCH(QStringList, parti);
        QFETCH(int, da);
        const auto trovata = ParteDaCollocare(da, static_cast<int>(parti.size()), [&](int k) {
            return DaCollocare(parti[k].startsWith('+'), parti[k].mid(1));
        });
        QTEST(trovata.value_or(-1), "attesa");
    }

    void seguito_data()
    {
        QTest::addColumn<bool>("restano");
        QTest::addColumn<bool>("soggettoVuoto");
        QTest::addColumn<bool>("conSottinteso");
        QTest::addColumn<Seguito>("atteso");
        QTest::newRow("parts left") << true << true << true << Seguito::AltreParti;
        QTest::newRow("subject placed") << false << false << false << Seguito::Finita;
        QTest::newRow("subject placed, implied one too") << false << false << true << Seguito::Finita;
        QTest::newRow("implied subject") << false << true << true << Seguito::Pronomi;
        QTest::newRow("no subject at all") << false << true << false << Seguito::Finita;
    }
    void seguito()
    {
        QFETCH(bool, restano);
        QFETCH(bool, soggettoVuoto);
        QFETCH(bool, conSottinteso);
        QTEST(SeguitoFrase(restano, soggettoVuoto, conSottinteso), "atteso");
    }

    void caselle_data()
    {
        QTest::addColumn<SceltaCaselle>("regola");
        QTest::addColumn<bool>("visibile");
        QTest::addColumn<bool>("vuota");
        QTest::addColumn<bool>("vuotaPerLaParte");
        QTest::addColumn<bool>("sceglibile");
        QTest::newRow("shown box") << SceltaCaselle::Visibili << true << false << true << true;
        QTest::newRow("hidden box") << SceltaCaselle::Visibili << false << true << true << false;
        QTest::newRow("empty box") << SceltaCaselle::VisibiliVuote << true << true << true << true;
        QTest::newRow("filled box, the part's box empty") << SceltaCaselle::VisibiliVuote << true << false << true << false;
        QTest::newRow("filled box, the part's box filled") << SceltaCaselle::VisibiliVuote << true << false << false
                                                           << true;
        QTest::newRow("hidden box, the part's box filled") << SceltaCaselle::VisibiliVuote << false << false << false
                                                           << false;
    }
    void caselle()
    {
        QFETCH(SceltaCaselle, regola);
        QFETCH(bool, visibile);
        QFETCH(bool, vuota);
        QFETCH(bool, vuotaPerLaParte);
        QTEST(CasellaSceglibile(regola, visibile, vuota, vuotaPerLaParte), "sceglibile");
    }

    void premio_data()
    {
        QTest::addColumn<Punteggio>("punteggio");
        QTest::addColumn<bool>("aiutoUsato");
        QTest::addColumn<Seguito>("seguito");
        QTest::addColumn<bool>("punto");
        QTest::addColumn<bool>("suono");
        const auto O = Punteggio::OgniRisposta;
        const auto S = Punteggio::SenzaAiuto;
        QTest::newRow("every answer, parts left") << O << false << Seguito::AltreParti << true << true;
        QTest::newRow("every answer, last part") << O << false << Seguito::Finita << true << true;
        QTest::newRow("every answer, pronoun phase next") << O << false << Seguito::Pronomi << true << true;
        QTest::newRow("no help, parts left: silent point") << S << false << Seguito::AltreParti << true << false;
        QTest::newRow("no help, last part") << S << false << Seguito::Finita << true << true;
        QTest::newRow("no help, pronoun phase next") << S << false << Seguito::Pronomi << true << false;
        QTest::newRow("help used, parts left") << S << true << Seguito::AltreParti << false << false;
        QTest::newRow("help used, last part") << S << true << Seguito::Finita << true << true;
        QTest::newRow("help used, pronoun phase next") << S << true << Seguito::Pronomi << false << false;
    }
    void premio()
    {
        QFETCH(Punteggio, punteggio);
        QFETCH(bool, aiutoUsato);
        QFETCH(Seguito, seguito);
        QFETCH(bool, punto);
        QFETCH(bool, suono);
        QCOMPARE(PremioGiusto(punteggio, aiutoUsato, seguito), (Premio{punto, suono}));
    }
};

FRASOLINO_TEST(TestRegoleComplementi);
#include "tst_regolecomplementi.moc"
