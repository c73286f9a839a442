// The complement windows by scanning (Form5s, Form7s, Form11s, Form14s) as a learner meets them:
// key scripts in manual scanning, automatic scanning and with the arrows, and what the counters,
// the highlighted box, the bar and the phase of the sentence then show.
#include "provacomplementi.h"
#include "suite.h"

#include <QtTest>

namespace {

// A scanning complement window on one sentence.
struct Prova : ProvaComplementi {
    Prova(const QString& nome, std::int16_t modo, const QString& riga, int complemento)
        : ProvaComplementi(nome, riga, complemento, modo)
    {
    }

    // The box (or, in the pronoun phase, the button) in the scan colour; -1 for none.
    int Evidenziato() const
    {
        int trovato = -1;
        auto cerca = [&](const auto& controlli) {
            for (auto it = controlli.begin(); it != controlli.end(); ++it)
                if ((*it).BackColor() == a.p->ColoreScansioneRgb()) trovato = it.indice();
        };
        Fase() == "pronomi" ? cerca(f->Pronomi.Command1) : cerca(f->Caselle.Label4);
        return trovato;
    }
    QString Fase() const
    {
        if (f->FraseCompletata) return "finita";
        return f->ParteCorrente == complementi::FasePronome ? "pronomi" : "parti";
    }
};

} // namespace

class TestComplementiScansione : public QObject {
    Q_OBJECT
private slots:
    void tasti_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("nc");
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("stati"); // after each select (see Stato)
        QTest::addColumn<int>("evidenziato");
        QTest::addColumn<QString>("fase");
        QTest::addColumn<QStringList>("errori");

        const QString oggetto = "Luca#0#mangia#1#la mela#2#";
        const QString di = "Il gatto#0#di Marta#3#è bianco#1#";
        const QString noi = "[Noi]#0#siamo andati#1#al parco#8#";
        const QString lumaca = "La lumaca#0#cammina#1#lentamente#9#";
        const QString tre = "1 0 #0, 2 0 #0, 3 0 #1 A";
        const QStringList fine{""}, nulla{};
        QTest::newRow("Form5s right selects") << "Form5s" << 1 << 0 << oggetto << "EEE" << tre << -1 << "finita"
            << fine;
        QTest::newRow("Form5s wrong select stays") << "Form5s" << 1 << 0 << oggetto << "SSE" << "0 1 #1" << 2 << "parti"
            << QStringList{"Luca "};
        QTest::newRow("Form5s skips filled boxes") << "Form5s" << 1 << 0 << "la mela#2#Luca#0#mangia#1#" << "ESSEES"
            << "0 1 #1, 1 1 #1, 2 1 #1" << 1 << "parti" << QStringList{"La mela "};
        QTest::newRow("Form5s two parts of one role") << "Form5s" << 1 << 0 << "il gatto#0#e il cane#0#giocano#1#"
            << "ESSEE" << tre << -1 << "finita" << fine;
        QTest::newRow("Form7s help keeps the sentence's boxes") << "Form7s" << 1 << 3 << di << "ESESE" << tre << -1
            << "finita" << fine;
        QTest::newRow("Form7s wrong box") << "Form7s" << 1 << 3 << di << "SE" << "0 1 #1" << 1 << "parti"
            << QStringList{"Il gatto "};
        QTest::newRow("Form7s automatic, ticks") << "Form7s" << 2 << 3 << di << "STSTS" << tre << -1 << "finita"
            << fine;
        QTest::newRow("Form7s automatic, finished: ticks stand still") << "Form7s" << 2 << 3 << "Il gatto#0#è bianco#1#"
            << "SSTTT" << "1 0 #0, 2 0 #1 A" << -1 << "finita" << fine;
        QTest::newRow("Form11s pronoun phase") << "Form11s" << 1 << 8 << noi << "SEE" << "1 0 #0, 2 0 #0" << 0
            << "pronomi" << nulla;
        QTest::newRow("Form11s pronoun by keys, after a wrong one") << "Form11s" << 1 << 8 << noi << "SEESESSE"
            << "1 0 #0, 2 0 #0, 2 1 #1, 3 1 #2 A" << 0 << "finita" << QStringList{"tu", ""};
        QTest::newRow("Form14s arrows: left from box 0 to the highest") << "Form14s" << 3 << 9 << lumaca << "L" << ""
            << 9 << "parti" << nulla;
        QTest::newRow("Form14s arrows, whole sentence") << "Form14s" << 3 << 9 << lumaca << "EELRE" << tre << -1
            << "finita" << fine;
        QTest::newRow("Form14s pronoun by arrows") << "Form14s" << 3 << 10 << "[tu]#0#scrivi#1#con cura#9#" << "REERE"
            << tre << 0 << "finita" << fine;
        QTest::newRow("Form14s no subject, no implied one") << "Form14s" << 1 << 10 << "di notte#10#piove#1#" << "SSEE"
            << "1 0 #0, 2 0 #1 A" << -1 << "finita" << fine;
        QTest::newRow("Form5s Space in a finished sentence: the next one, Avanti stays")
            << "Form5s" << 1 << 0 << oggetto << "EEES" << tre << 0 << "parti" << fine;
    }
    void tasti()
    {
        QFETCH(QString, finestra);
        QFETCH(int, modo);
        QFETCH(int, nc);
        QFETCH(QString, riga);
        QFETCH(QString, tasti);
        QFETCH(QString, stati);
        QFETCH(QString, fase);
        Prova t(finestra, static_cast<std::int16_t>(modo), riga, nc);
        QVERIFY(t.f);
        QStringList dopo;
        for (const QChar k : tasti) {
            t.Tasti(k);
            if (k == (modo == ModoScansioneAutomatica ? 'S' : 'E')) dopo << t.Stato();
        }
        QCOMPARE(dopo.join(", "), stati);
        // The keys after the last select change neither the counters nor "Avanti".
        QCOMPARE(t.Stato(), stati.isEmpty() ? "0 0 #0" : stati.section(", ", -1));
        QTEST(t.Evidenziato(), "evidenziato");
        QCOMPARE(t.Fase(), fase);
        QTEST(t.Errori(), "errori");
        QCOMPARE(t.f->Barra.Shape->isVisible(), fase == "parti");
        QCOMPARE(t.f->Pronomi.Frame1->isVisible(), fase == "pronomi" || (fase == "finita" && riga.startsWith('[')));
    }

    void barraSottoLaParte()
    {
        Prova t("Form7s", 1, "Il gatto#0#di Marta#3#è bianco#1#", 3);
        const Etichetta& seconda = t.f->Parole.Label3(1);
        t.Tasti("E");
        const Forma& barra = *t.f->Barra.Shape;
        QCOMPARE(barra.Left(), seconda.Left());
        QVERIFY(barra.Top() > seconda.Top() + seconda.Height() - 15);
        QVERIFY(barra.Width() < seconda.Width());
        // Form7s draws the bar in the scan colour, Form11s keeps it light green.
        QCOMPARE(barra.BorderColor(), Colore(0xFF0000));
        Prova u("Form11s", 1, "Il nonno#0#viaggia#1#in treno#6#", 6);
        QCOMPARE(u.f->Barra.Shape->BorderColor(), Colore(0x80FF80));
    }

    void fraseLunga()
    {
        // Parts on several rows: every select places one, the bar follows onto the later rows.
        constexpr int parti = 9;
        QString riga = "il bambino#0#";
        for (int i = 1; i < parti; ++i) riga += "salta sempre#1#";
        Prova t("Form14s", 1, riga, 9);
        const int primaRiga = t.f->Barra.Shape->Top();
        // The subject, then each predicate part: the highlight comes back round to box 0 after each.
        t.Tasti("EE");
        for (int i = 2; i < parti - 1; ++i) t.Tasti("SE");
        QVERIFY(t.f->Barra.Shape->Top() > primaRiga);
        QCOMPARE(t.f->Barra.Shape->Left(), t.f->Parole.Label3(parti - 1).Left());
        t.Tasti("SE");
        QCOMPARE(t.Punteggio(), QString("%1 0").arg(parti));
        QCOMPARE(t.Fase(), QString("finita"));
    }

    void rilascioDelMouseNonContaDueVolte()
    {
        Prova t("Form14s", 1, "Il sole#0#tramonta#1#", 9);
        // The underlined part dropped with the mouse on its box: no point yet (the help is always used
        // in this window), and the bar moves on to the next part.
        Etichetta& parte = t.f->Parole.Label3(0);
        QVERIFY(Trascina(parte, t.f->Caselle.Label4(0)));
        QVERIFY(!parte.isVisible());
        QCOMPARE(t.Punteggio(), QString("0 0"));
        QCOMPARE(t.f->ParteCorrente, std::int16_t(1));
        // A select on box 0 now judges the second part: wrong; then its own box: the sentence ends.
        t.Tasti("ESE");
        QCOMPARE(t.Punteggio(), QString("1 1"));
        QCOMPARE(t.Fase(), QString("finita"));
    }

    void pronomiAlClic_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("clic");
        QTest::newRow("Form11s") << "Form11s" << false;
        QTest::newRow("Form14s") << "Form14s" << true;
    }
    void pronomiAlClic()
    {
        QFETCH(QString, finestra);
        QFETCH(bool, clic);
        // In the pronoun phase only Form14s's buttons answer the mouse.
        Prova t(finestra, 1, "[noi]#0#giochiamo#1#", 8);
        t.Tasti("SE");
        QCOMPARE(t.Fase(), QString("pronomi"));
        QTest::mouseClick(&t.f->Pronomi.Command1(3), Qt::LeftButton);
        QCOMPARE(t.Punteggio(), QString(clic ? "2 0" : "1 0"));
        QCOMPARE(t.Fase(), QString(clic ? "finita" : "pronomi"));
    }
};

FRASOLINO_TEST(TestComplementiScansione);
#include "tst_complementis.moc"
