// The complement windows by scanning (Form5s, Form7s, Form11s, Form14s) as a learner meets them:
// key scripts in manual scanning, automatic scanning and with the arrows, and what the counters,
// the highlighted box, the bar and the phase of the sentence then show.
#include "ambiente.h"
#include "provacomplementi.h"
#include "suite.h"

#include <QtTest>

namespace {

constexpr Colore Scansione = 0x0000FF;

// A scanning complement window opened as the launcher opens it, in the given input mode, on a list
// of the given lines.
struct Prova {
    Prova(const QString& nome, int modo, const QByteArray& righe, int numeroComplemento)
    {
        const QString file = nome == "Form5s" ? "oggetto.txt" : "prova.txt";
        a.p->FileEsercizio = a.Scrivi("testifrasolino/complementi/" + file, righe);
        a.p->NumeroComplemento = static_cast<std::int16_t>(numeroComplemento);
        a.p->ModalitaInput = static_cast<std::int16_t>(modo);
        a.p->ColoreScansione = Scansione;
        f = a.Apri<FinestraComplementi>(nome);
    }

    // Runs a key script on the holder of the mode: ' ' Space, 'E' Enter, '<' '>' '^' 'v' the arrows,
    // 't' a tick of the scan timer.
    void Tasti(const QString& script) const
    {
        ScansioneFinestra& s = *f->cornice().Scansione;
        for (const QChar c : script) {
            if (c == 't') {
                s.pilota().Timer1_Timer();
                continue;
            }
            const Qt::Key tasto = c == ' '   ? Qt::Key_Space
                                  : c == 'E' ? Qt::Key_Return
                                  : c == '<' ? Qt::Key_Left
                                  : c == '>' ? Qt::Key_Right
                                  : c == '^' ? Qt::Key_Up
                                             : Qt::Key_Down;
            QTest::keyClick(s.pilota().CasellaDelModo(), tasto);
        }
    }

    // The box (or, in the pronoun phase, the button) in the scan colour; -1 for none.
    int Evidenziato() const
    {
        int trovato = -1;
        if (Fase() == "pronomi") {
            for (auto it = f->Pronomi.Command1.begin(); it != f->Pronomi.Command1.end(); ++it)
                if ((*it).BackColor() == Scansione) trovato = it.indice();
        } else {
            for (auto it = f->Caselle.Label4.begin(); it != f->Caselle.Label4.end(); ++it)
                if ((*it).BackColor() == Scansione) trovato = it.indice();
        }
        return trovato;
    }
    QString Fase() const
    {
        if (f->FraseCompletata) return "finita";
        return f->ParteCorrente == complementi::FasePronome ? "pronomi" : "parti";
    }
    QStringList Errori() const { return ::Errori(*f); }

    Ambiente a;
    FinestraComplementi* f = nullptr;
};

} // namespace

class TestComplementiScansione : public QObject {
    Q_OBJECT
private slots:
    void tasti_data();
    void tasti();
    void barraSottoLaParte();
    void fraseLunga();
    void rilascioDelMouseNonContaDueVolte();
    void prossimaFraseDaFinita();
    void pronomiAlClic_data();
    void pronomiAlClic();
};

void TestComplementiScansione::tasti_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("nc");
    QTest::addColumn<QString>("riga");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<int>("esatti");
    QTest::addColumn<int>("errati");
    QTest::addColumn<int>("evidenziato");
    QTest::addColumn<QString>("fase");
    QTest::addColumn<QStringList>("errori");

    const QString oggetto = "Luca#0#mangia#1#la mela#2#";
    QTest::newRow("Form5s right selects") << "Form5s" << 1 << 0 << oggetto << "EEE" << 3 << 0 << -1 << "finita"
                                          << QStringList{""};
    QTest::newRow("Form5s wrong select stays") << "Form5s" << 1 << 0 << oggetto << "  E" << 0 << 1 << 2 << "parti"
                                               << QStringList{"Luca "};
    QTest::newRow("Form5s skips filled boxes") << "Form5s" << 1 << 0 << "la mela#2#Luca#0#mangia#1#"
                                               << "E  EE " << 2 << 1 << 1 << "parti"
                                               << QStringList{"La mela "};
    QTest::newRow("Form5s two parts of one role") << "Form5s" << 1 << 0 << "il gatto#0#e il cane#0#giocano#1#"
                                                  << "E  EE" << 3 << 0 << -1 << "finita" << QStringList{""};
    QTest::newRow("Form7s help keeps the sentence's boxes")
        << "Form7s" << 1 << 3 << "Il gatto#0#di Marta#3#è bianco#1#" << "E E E" << 3 << 0 << -1 << "finita"
        << QStringList{""};
    QTest::newRow("Form7s wrong box") << "Form7s" << 1 << 3 << "Il gatto#0#di Marta#3#è bianco#1#" << " E" << 0 << 1
                                      << 1 << "parti" << QStringList{"Il gatto "};
    QTest::newRow("Form7s automatic, ticks") << "Form7s" << 2 << 3 << "Il gatto#0#di Marta#3#è bianco#1#"
                                             << " t t " << 3 << 0 << -1 << "finita" << QStringList{""};
    QTest::newRow("Form7s automatic, finished: ticks stand still")
        << "Form7s" << 2 << 3 << "Il gatto#0#è bianco#1#" << "  ttt" << 2 << 0 << -1 << "finita" << QStringList{""};
    QTest::newRow("Form11s pronoun phase") << "Form11s" << 1 << 8 << "[Noi]#0#siamo andati#1#al parco#8#" << " EE"
                                           << 2 << 0 << 0 << "pronomi" << QStringList{};
    QTest::newRow("Form11s pronoun by keys, after a wrong one")
        << "Form11s" << 1 << 8 << "[Noi]#0#siamo andati#1#al parco#8#" << " EE E  E" << 3 << 1 << 0 << "finita"
        << QStringList{"tu", ""};
    QTest::newRow("Form14s arrows: left from box 0 to the highest")
        << "Form14s" << 3 << 9 << "La lumaca#0#cammina#1#lentamente#9#" << "<" << 0 << 0 << 9 << "parti"
        << QStringList{};
    QTest::newRow("Form14s arrows, whole sentence") << "Form14s" << 3 << 9 << "La lumaca#0#cammina#1#lentamente#9#"
                                                    << "EE<>E" << 3 << 0 << -1 << "finita" << QStringList{""};
    QTest::newRow("Form14s pronoun by arrows") << "Form14s" << 3 << 10 << "[tu]#0#scrivi#1#con cura#9#" << ">EE>E"
                                               << 3 << 0 << 0 << "finita" << QStringList{""};
    QTest::newRow("Form14s no subject, no implied one") << "Form14s" << 1 << 10 << "di notte#10#piove#1#" << "  EE"
                                                        << 2 << 0 << -1 << "finita" << QStringList{""};
}

void TestComplementiScansione::tasti()
{
    QFETCH(QString, finestra);
    QFETCH(int, modo);
    QFETCH(int, nc);
    QFETCH(QString, riga);
    QFETCH(QString, tasti);
    QFETCH(int, esatti);
    QFETCH(int, errati);
    QFETCH(int, evidenziato);
    QFETCH(QString, fase);
    QFETCH(QStringList, errori);

    Prova t(finestra, modo, riga.toUtf8() + "\n", nc);
    QVERIFY(t.f);
    t.Tasti(tasti);
    QCOMPARE(int(t.a.p->Esatti), esatti);
    QCOMPARE(int(t.a.p->Errati), errati);
    QCOMPARE(t.f->cornice().StatusBar1->Text(1), "Esatti " + QString::number(esatti));
    QCOMPARE(t.Evidenziato(), evidenziato);
    QCOMPARE(t.Fase(), fase);
    QCOMPARE(t.Errori(), errori);
    QCOMPARE(t.f->cornice().StatusBar1->PannelloVisibile(3), fase == "finita");
    QCOMPARE(t.f->Barra.Shape->isVisible(), fase == "parti");
    QCOMPARE(t.f->Pronomi.Frame1->isVisible(), fase == "pronomi" || (fase == "finita" && riga.startsWith('[')));
}

void TestComplementiScansione::barraSottoLaParte()
{
    Prova t("Form7s", 1, "Il gatto#0#di Marta#3#è bianco#1#\n", 3);
    const Etichetta& seconda = t.f->Parole.Label3(1);
    t.Tasti("E");
    const Forma& barra = *t.f->Barra.Shape;
    QCOMPARE(barra.Left(), seconda.Left());
    QVERIFY(barra.Top() > seconda.Top() + seconda.Height() - 15);
    QVERIFY(barra.Width() < seconda.Width());
    // Form7s draws the bar in the scan colour, Form11s keeps it light green.
    QCOMPARE(barra.BorderColor(), Scansione);
    Prova u("Form11s", 1, "Il nonno#0#viaggia#1#in treno#6#\n", 6);
    QCOMPARE(u.f->Barra.Shape->BorderColor(), Colore(0x80FF80));
}

void TestComplementiScansione::fraseLunga()
{
    // Thirty parts on several rows: every select places one, the bar follows onto the later rows.
    QByteArray riga = "il bambino#0#";
    for (int i = 1; i < 30; ++i) riga += "salta sempre#1#";
    Prova t("Form14s", 1, riga + "\n", 9);
    const int primaRiga = t.f->Barra.Shape->Top();
    // The subject, then each predicate part: the highlight comes back round to box 0 after each.
    t.Tasti("EE");
    for (int i = 2; i < 29; ++i) t.Tasti(" E");
    QVERIFY(t.f->Barra.Shape->Top() > primaRiga);
    QCOMPARE(t.f->Barra.Shape->Left(), t.f->Parole.Label3(29).Left());
    t.Tasti(" E");
    QCOMPARE(int(t.a.p->Errati), 0);
    QCOMPARE(int(t.a.p->Esatti), 30);
    QCOMPARE(t.Fase(), QString("finita"));
}

void TestComplementiScansione::rilascioDelMouseNonContaDueVolte()
{
    Prova t("Form14s", 1, "Il sole#0#tramonta#1#\n", 9);
    // The underlined part dropped with the mouse on its box: no point yet (the help is always used
    // in this window), and the bar moves on to the next part.
    Etichetta& parte = t.f->Parole.Label3(0);
    QVERIFY(Trascina(parte, t.f->Caselle.Label4(0)));
    QVERIFY(!parte.isVisible());
    QCOMPARE(int(t.a.p->Esatti), 0);
    QCOMPARE(t.f->ParteCorrente, std::int16_t(1));
    // A select on box 0 now judges the second part: wrong; then its own box: the sentence ends.
    t.Tasti("E E");
    QCOMPARE(int(t.a.p->Esatti), 1);
    QCOMPARE(int(t.a.p->Errati), 1);
    QCOMPARE(t.Fase(), QString("finita"));
}

void TestComplementiScansione::prossimaFraseDaFinita()
{
    Prova t("Form5s", 1, "Luca#0#mangia#1#la mela#2#\n", 0);
    t.Tasti("EEE");
    QCOMPARE(t.Fase(), QString("finita"));
    // Space in a finished sentence draws the next one; the "Avanti" panel stays.
    t.Tasti(" ");
    QCOMPARE(t.Fase(), QString("parti"));
    QCOMPARE(t.Evidenziato(), 0);
    QVERIFY(t.f->Barra.Shape->isVisible());
    QVERIFY(t.f->cornice().StatusBar1->PannelloVisibile(3));
    QCOMPARE(int(t.a.p->Esatti), 3);
}

void TestComplementiScansione::pronomiAlClic_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<bool>("clic");
    QTest::newRow("Form11s") << "Form11s" << false;
    QTest::newRow("Form14s") << "Form14s" << true;
}

void TestComplementiScansione::pronomiAlClic()
{
    QFETCH(QString, finestra);
    QFETCH(bool, clic);
    // In the pronoun phase only Form14s's buttons answer the mouse.
    Prova t(finestra, 1, "[noi]#0#giochiamo#1#\n", 8);
    t.Tasti(" E");
    QCOMPARE(t.Fase(), QString("pronomi"));
    QTest::mouseClick(&t.f->Pronomi.Command1(3), Qt::LeftButton);
    QCOMPARE(int(t.a.p->Esatti), clic ? 2 : 1);
    QCOMPARE(t.Fase(), QString(clic ? "finita" : "pronomi"));
}

FRASOLINO_TEST(TestComplementiScansione);
#include "tst_complementis.moc"
