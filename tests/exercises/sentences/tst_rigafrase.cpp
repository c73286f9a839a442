// Reading a tagged sentence line, the leading-number reading of a role, the wrap limit and the
// placement of one word label after another.
#include "exercises/sentences/rigafrase.h"

#include <QtTest>

class TestRigaFrase : public QObject {
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
    void limiti_data();
    void limiti();
    void ruoloIniziale_data();
    void ruoloIniziale();
    void limiteACapo_data();
    void limiteACapo();
    void posizioneSeguente_data();
    void posizioneSeguente();
};

namespace {
// One part as "«text»#role" for a shown part and "[pronoun]#role" for an implied subject; "#?"
// when the role chunk was never closed.
QString Descrivi(const ParteFrase& p)
{
    const QString testa = p.sottinteso ? "[" + p.pronome + "]" : QStringLiteral("«") + p.testo + QStringLiteral("»");
    return testa + "#" + (p.ruolo ? *p.ruolo : QStringLiteral("?"));
}
const QString Nessuno = QStringLiteral("<nessuno>");
} // namespace

void TestRigaFrase::lettura_data()
{
    QTest::addColumn<QString>("riga");
    QTest::addColumn<QString>("letta");
    QTest::addColumn<QStringList>("parti");
    QTest::addColumn<bool>("conSottinteso");
    QTest::addColumn<QString>("sottinteso");
    QTest::addColumn<QString>("testoFrase");

    QTest::newRow("three parts") << "il gatto#0#mangia#1#il topo#2#" << "Il gatto#0#mangia#1#il topo#2#"
                                 << QStringList{"«Il gatto»#0", "«mangia»#1", "«il topo»#2"} << false << Nessuno
                                 << "Il gatto mangia il topo ";
    QTest::newRow("no separator") << "il gatto dorme" << "Il gatto dorme" << QStringList{} << false << Nessuno << "";
    QTest::newRow("empty line") << "" << "" << QStringList{} << false << Nessuno << "";
    QTest::newRow("blanks only") << "    " << "" << QStringList{} << false << Nessuno << "";
    QTest::newRow("text after the last separator") << "il gatto#0#dorme" << "Il gatto#0#dorme"
                                                   << QStringList{"«Il gatto»#0"} << false << Nessuno << "Il gatto ";
    QTest::newRow("role never closed") << "il gatto#0#dorme#1" << "Il gatto#0#dorme#1"
                                       << QStringList{"«Il gatto»#0", "«dorme»#?"} << false << Nessuno
                                       << "Il gatto dorme ";
    QTest::newRow("separator at the start") << "#0#dorme#1#" << "#0#dorme#1#" << QStringList{"«»#0", "«dorme»#1"}
                                            << false << Nessuno << " dorme ";
    QTest::newRow("two separators where a text is expected")
        << "il cane#0##1#" << "Il cane#0##1#" << QStringList{"«Il cane»#0", "«»#1"} << false << Nessuno << "Il cane  ";
    QTest::newRow("empty role") << "il cane##abbaia#1#" << "Il cane##abbaia#1#"
                                << QStringList{"«Il cane»#", "«abbaia»#1"} << false << Nessuno << "Il cane abbaia ";
    QTest::newRow("role with blanks") << "il cane#  0  #abbaia# 1#" << "Il cane#  0  #abbaia# 1#"
                                      << QStringList{"«Il cane»#0", "«abbaia»#1"} << false << Nessuno
                                      << "Il cane abbaia ";
    QTest::newRow("decimal role") << "il cane#0.5#abbaia#1#" << "Il cane#0.5#abbaia#1#"
                                  << QStringList{"«Il cane»#0.5", "«abbaia»#1"} << false << Nessuno
                                  << "Il cane abbaia ";
    QTest::newRow("blanks around the line and the parts")
        << "   il gatto  #0#  dorme #1#   " << "Il gatto  #0#  dorme #1#" << QStringList{"«Il gatto»#0", "«dorme»#1"}
        << false << Nessuno << "Il gatto dorme ";
    QTest::newRow("two blanks inside a part") << "il  gatto#0#dorme#1#" << "Il  gatto#0#dorme#1#"
                                              << QStringList{"«Il  gatto»#0", "«dorme»#1"} << false << Nessuno
                                              << "Il  gatto dorme ";
    QTest::newRow("accented first letter") << "è tardi#1#" << "È tardi#1#" << QStringList{"«È tardi»#1"} << false
                                           << Nessuno << "È tardi ";
    QTest::newRow("implied subject first") << "[io]#0#mangio#1#la mela#2#" << "[io]#0#mangio#1#la mela#2#"
                                           << QStringList{"[io]#0", "«mangio»#1", "«la mela»#2"} << true << "io"
                                           << "mangio la mela ";
    QTest::newRow("implied subject with a capital") << "[Io]#0#corro#1#" << "[Io]#0#corro#1#"
                                                    << QStringList{"[Io]#0", "«corro»#1"} << true << "Io" << "corro ";
    QTest::newRow("bracket never closed") << "[io#0#mangio#1#" << "[io#0#mangio#1#"
                                          << QStringList{"[i]#0", "«mangio»#1"} << true << "i" << "mangio ";
    QTest::newRow("blanks inside the brackets") << "[ io ]#0#mangio#1#" << "[ io ]#0#mangio#1#"
                                                << QStringList{"[ io ]#0", "«mangio»#1"} << true << " io "
                                                << "mangio ";
    QTest::newRow("bracket alone") << "[#0#corro#1#" << "[#0#corro#1#" << QStringList{"[]#0", "«corro»#1"} << true
                                   << "" << "corro ";
    QTest::newRow("two implied subjects") << "[io]#0#e#1#[tu]#0#giochiamo#1#" << "[io]#0#e#1#[tu]#0#giochiamo#1#"
                                          << QStringList{"[io]#0", "«e»#1", "[tu]#0", "«giochiamo»#1"} << true << "tu"
                                          << "e giochiamo ";
    QTest::newRow("bracket not first in a part") << "il [cane]#0#abbaia#1#" << "Il [cane]#0#abbaia#1#"
                                                 << QStringList{"«Il [cane]»#0", "«abbaia»#1"} << false << Nessuno
                                                 << "Il [cane] abbaia ";
    QTest::newRow("implied subject after a part") << "oggi#10#[noi]#0#giochiamo#1#" << "Oggi#10#[noi]#0#giochiamo#1#"
                                                  << QStringList{"«Oggi»#10", "[noi]#0", "«giochiamo»#1"} << true
                                                  << "noi" << "Oggi giochiamo ";
    QTest::newRow("bracket after blanks in a part") << "  [lui]  #0#corre#1#" << "[lui]  #0#corre#1#"
                                                    << QStringList{"[lui]#0", "«corre»#1"} << true << "lui"
                                                    << "corre ";
}

void TestRigaFrase::lettura()
{
    QFETCH(QString, riga);
    QFETCH(QString, letta);
    QFETCH(QStringList, parti);
    QFETCH(bool, conSottinteso);
    QFETCH(QString, sottinteso);
    QFETCH(QString, testoFrase);

    const RigaFrase r = LeggiRigaFrase(riga);
    QCOMPARE(r.testo, letta);
    QStringList descritte;
    for (const ParteFrase& p : r.parti) descritte << Descrivi(p);
    QCOMPARE(descritte, parti);
    QCOMPARE(r.ConSottinteso, conSottinteso);
    QCOMPARE(r.Sottinteso.value_or(Nessuno), sottinteso);
    QCOMPARE(r.TestoFrase, testoFrase);
    for (const ParteFrase& p : r.parti) {
        if (!p.sottinteso) QCOMPARE(p.Didascalia(), p.testo + " ");
    }
}

void TestRigaFrase::limiti_data()
{
    QTest::addColumn<QString>("riga");
    QTest::addColumn<bool>("disegnabile");
    QTest::addColumn<int>("parti");
    const QString parte = QStringLiteral("ab#1#");
    QTest::newRow("sixty parts") << parte.repeated(60) << true << 60;
    QTest::newRow("sixty-one parts") << parte.repeated(61) << false << 0;
    QTest::newRow("sixty parts and text after them") << parte.repeated(60) + "ab" << true << 60;
    QTest::newRow("sixty parts and a text chunk") << parte.repeated(60) + "ab#" << false << 0;
    QTest::newRow("a megabyte of parts") << parte.repeated(200000) << false << 0;
    QTest::newRow("1000 characters") << QString(997, 'a') + "#1#" << true << 1;
    QTest::newRow("1001 characters") << QString(998, 'a') + "#1#" << false << 0;
    QTest::newRow("blanks around do not count") << QString(600, ' ') + QString(997, 'a') + "#1#" + QString(600, ' ')
                                                << true << 1;
    // Within the bounds, but nothing a learner could see.
    QTest::newRow("no #") << QString("il gatto dorme") << false << 0;
    QTest::newRow("only an implied subject") << QString("[io]#0#") << false << 1;
    QTest::newRow("only #") << QString("####") << false << 2;
    QTest::newRow("NUL characters") << QString::fromLatin1("\0\0#1#", 6) << false << 1;
    QTest::newRow("tabs count") << QString(600, '\t') + QString(397, 'a') + "#1#" + QString(1, '\t') << false << 0;
}

void TestRigaFrase::limiti()
{
    QFETCH(QString, riga);
    QFETCH(bool, disegnabile);
    QFETCH(int, parti);
    const RigaFrase r = LeggiRigaFrase(riga);
    QCOMPARE(r.Disegnabile(), disegnabile);
    QCOMPARE(int(r.parti.size()), parti);
    if (r.troppoGrande) QVERIFY(r.TestoFrase.isEmpty() && !r.ConSottinteso);
}

void TestRigaFrase::ruoloIniziale_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<double>("ruolo");
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("one") << "1" << 1.0;
    QTest::newRow("ten") << "10" << 10.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "soggetto" << 0.0;
    QTest::newRow("leading blanks") << "   1" << 1.0;
    QTest::newRow("number then letters") << "1a" << 1.0;
    QTest::newRow("letters then number") << "a1" << 0.0;
    QTest::newRow("decimal") << "1.5" << 1.5;
    QTest::newRow("decimal comma stops") << "1,5" << 1.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("sign") << "-1" << -1.0;
    QTest::newRow("plus") << "+2" << 2.0;
    QTest::newRow("exponent") << "1e1" << 10.0;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("sign alone") << "-" << 0.0;
}

void TestRigaFrase::ruoloIniziale()
{
    QFETCH(QString, tag);
    QFETCH(double, ruolo);
    QCOMPARE(RuoloIniziale(tag), ruolo);
}

void TestRigaFrase::limiteACapo_data()
{
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<int>("limite");
    QTest::newRow("12000") << 12000.0 << 9600;
    QTest::newRow("12009") << 12009.0 << 9600;
    QTest::newRow("12010") << 12010.0 << 9608;
    QTest::newRow("8745") << 8745.0 << 6992;
    QTest::newRow("rounded down") << 12009.4 << 9600;
    QTest::newRow("rounded up") << 12009.5 << 9608;
    QTest::newRow("zero") << 0.0 << 0;
}

void TestRigaFrase::limiteACapo()
{
    QFETCH(double, larghezza);
    QFETCH(int, limite);
    QCOMPARE(LimiteACapo(larghezza), limite);
}

void TestRigaFrase::posizioneSeguente_data()
{
    QTest::addColumn<QPoint>("precedente");
    QTest::addColumn<int>("larghezzaPrecedente");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("altezza");
    QTest::addColumn<QPoint>("attesa");
    // Margin 240, limit 6992.
    QTest::newRow("same row") << QPoint(240, 1080) << 1500 << 1000 << 375 << QPoint(1740, 1080);
    QTest::newRow("right edge exactly on the limit") << QPoint(240, 1080) << 5000 << 1752 << 375
                                                     << QPoint(240, 1830);
    QTest::newRow("one twip short") << QPoint(240, 1080) << 5000 << 1751 << 375 << QPoint(5240, 1080);
    QTest::newRow("on a later row") << QPoint(3000, 2580) << 3000 << 992 << 375 << QPoint(240, 3330);
    QTest::newRow("very long part") << QPoint(1000, 1080) << 500 << 9000 << 375 << QPoint(240, 1830);
    QTest::newRow("after a hidden label") << QPoint(240, 1080) << 0 << 1000 << 375 << QPoint(240, 1080);
    QTest::newRow("own height decides the gap") << QPoint(6000, 1080) << 900 << 100 << 400 << QPoint(240, 1880);
    QTest::newRow("hidden label at the limit") << QPoint(6992, 1080) << 0 << 0 << 375 << QPoint(240, 1830);
}

void TestRigaFrase::posizioneSeguente()
{
    QFETCH(QPoint, precedente);
    QFETCH(int, larghezzaPrecedente);
    QFETCH(int, larghezza);
    QFETCH(int, altezza);
    QFETCH(QPoint, attesa);
    QCOMPARE(PosizioneSeguente(precedente, larghezzaPrecedente, larghezza, altezza, 240, 6992), attesa);
}

QTEST_GUILESS_MAIN(TestRigaFrase)
#include "tst_rigafrase.moc"
