// The complement windows with the mouse (Form5, Form7, Form11, Form14) as a learner meets them:
// parts dragged onto the role boxes, the help, the pronoun buttons, and what the counters, the
// results grid, the status bar and the sounds then show.
#include "app/formmenu.h"
#include "provacomplementi.h"
#include "suite.h"

#include <QtTest>

namespace {

// A complement window on one sentence, driven by a script: "k>i" drags part k onto box i, "aiuto"
// presses the help, "pN" presses pronoun button N, "avanti" clicks the "Avanti" panel. Gives the
// state after each action (see Stato), joined by ", ".
struct Prova : ProvaComplementi {
    using ProvaComplementi::ProvaComplementi;
    QString Esegui(const QString& azioni) const
    {
        QStringList stati;
        for (const QString& a : azioni.split(' ', Qt::SkipEmptyParts)) {
            if (a == "aiuto")
                QTest::mouseClick(const_cast<Bottone*>(f->controlli().Command2), Qt::LeftButton);
            else if (a == "avanti")
                f->StatusBar1_PanelClick(3);
            else if (a.startsWith('p'))
                QTest::mouseClick(&f->Pronomi.Command1(a.mid(1).toInt()), Qt::LeftButton);
            else
                Trascina(Parte(a.section('>', 0, 0).toInt()), Casella(a.section('>', 1, 1).toInt()));
            stati << Stato();
        }
        return stati.join(", ");
    }
};

const QString Aiuto = QStringLiteral("* * * aiuto * * *");

QList<int> PrimeCaselle(int ultima)
{
    QList<int> v;
    for (int i = 0; i <= ultima; ++i) v << i;
    return v;
}

} // namespace

class TestComplementi : public QObject {
    Q_OBJECT
private slots:
    void frase_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("nc");
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<QString>("stati");      // after each action
        QTest::addColumn<QStringList>("errori"); // the grid's rows
        QTest::addColumn<bool>("pronomi");
        QTest::addColumn<int>("suoniGiusti");
        QTest::addColumn<QString>("soggetto"); // what box 0 shows at the end

        const QString oggetto = "Luca#0#mangia#1#la mela#2#";
        const QString di = "Il gatto#0#di Marta#3#è bianco#1#";
        const QString io = "[Io]#0#ho chiesto#1#un consiglio#2#alla maestra#4#";
        const QString paura = "Il cane#0#morde#1#per paura#5#";
        const QString tre = "1 0 #0, 2 0 #0, 3 0 #1 A";
        const QStringList fine{""}, nulla{}, aiuto{Aiuto, ""};
        QTest::newRow("Form5 right drops") << "Form5" << 0 << oggetto << "0>0 1>1 2>2" << tre << fine << false << 3
            << "Luca ";
        QTest::newRow("Form5 drops in another order") << "Form5" << 0 << oggetto << "2>2 0>0 1>1" << tre << fine
            << false << 3 << "Luca ";
        QTest::newRow("Form5 parts left") << "Form5" << 0 << oggetto << "0>0 1>1" << "1 0 #0, 2 0 #0" << nulla << false
            << 2 << "Luca ";
        QTest::newRow("Form7 without help") << "Form7" << 3 << di << "0>0 1>3 2>1" << tre << fine << false << 1
            << "Il gatto ";
        QTest::newRow("Form7 help first") << "Form7" << 3 << di << "aiuto 0>0 1>3 2>1"
            << "0 0 #1, 0 0 #1, 0 0 #1, 1 0 #2 A" << aiuto << false << 1 << "Il gatto ";
        QTest::newRow("Form7 help after two drops") << "Form7" << 3 << di << "0>0 1>3 aiuto 2>1"
            << "1 0 #0, 2 0 #0, 2 0 #1, 3 0 #2 A" << aiuto << false << 1 << "Il gatto ";
        QTest::newRow("Form11 help after one drop") << "Form11" << 6 << "Anna#0#scrive#1#con la penna#6#"
            << "1>1 aiuto 0>0 2>6" << "1 0 #0, 1 0 #1, 1 0 #1, 2 0 #2 A" << aiuto << false << 1 << "Anna ";
        QTest::newRow("Form14 wrong drops, the same one twice") << "Form14" << 9
            << "La lumaca#0#cammina#1#lentamente#9#" << "0>1 0>1 2>2 0>0 1>1 2>9"
            << "0 1 #1, 0 2 #2, 0 3 #3, 1 3 #3, 2 3 #3, 3 3 #4 A"
            << QStringList{"La lumaca ", "La lumaca ", "lentamente ", ""} << false << 1 << "La lumaca ";
        QTest::newRow("Form14 two parts of one role") << "Form14" << 10
            << "Il sole#0#tramonta#1#presto#10#in inverno#10#" << "0>0 1>1 2>10 3>10"
            << "1 0 #0, 2 0 #0, 3 0 #0, 4 0 #1 A" << fine << false << 1 << "Il sole ";
        QTest::newRow("Form7 pronoun phase") << "Form7" << 4 << io << "1>1 2>2 3>4" << "1 0 #0, 2 0 #0, 3 0 #0"
            << nulla << true << 0 << "";
        QTest::newRow("Form7 pronoun right") << "Form7" << 4 << io << "1>1 2>2 3>4 p0"
            << "1 0 #0, 2 0 #0, 3 0 #0, 4 0 #1 A" << fine << true << 1 << "io";
        QTest::newRow("Form7 pronoun after a wrong one") << "Form7" << 4 << io << "1>1 2>2 3>4 p1 p0"
            << "1 0 #0, 2 0 #0, 3 0 #0, 3 1 #1, 4 1 #2 A" << QStringList{"tu", ""} << true << 1 << "io";
        QTest::newRow("Form7 help, then the pronoun") << "Form7" << 4 << io << "aiuto 1>1 2>2 3>4 p0"
            << "0 0 #1, 0 0 #1, 0 0 #1, 0 0 #1, 1 0 #2 A" << aiuto << true << 1 << "io";
        QTest::newRow("Form5 pronoun") << "Form5" << 0 << "[Noi]#0#mangiamo#1#la torta#2#" << "1>1 2>2 p4 p3"
            << "1 0 #0, 2 0 #0, 2 1 #1, 3 1 #2 A" << QStringList{"voi", ""} << true << 3 << "noi";
        QTest::newRow("Form14 third person") << "Form14" << 9 << "[lui]#0#corre#1#velocemente#9#" << "1>1 2>9 p2"
            << tre << fine << true << 1 << "egli - esso - ella - essa ";
        QTest::newRow("Form7 sentence without a subject") << "Form7" << 3 << "Di notte#3#piove#1#" << "0>3 1>1"
            << "1 0 #0, 2 0 #1 A" << fine << false << 1 << "";
        QTest::newRow("Form7 role with no box shown") << "Form7" << 3 << paura << "0>0 1>1 2>5 2>3"
            << "1 0 #0, 2 0 #0, 2 0 #0, 2 1 #1" << QStringList{"per paura "} << false << 0 << "Il cane ";
        QTest::newRow("Form7 role shown by the help") << "Form7" << 3 << paura << "0>0 1>1 aiuto 2>5"
            << "1 0 #0, 2 0 #0, 2 0 #1, 3 0 #2 A" << aiuto << false << 1 << "Il cane ";
    }
    void frase()
    {
        QFETCH(QString, finestra);
        QFETCH(int, nc);
        QFETCH(QString, riga);
        QFETCH(QString, azioni);
        QFETCH(bool, pronomi);
        Prova t(finestra, riga, nc);
        QVERIFY(t.f);
        QTEST(t.Esegui(azioni), "stati");
        QTEST(t.Errori(), "errori");
        QCOMPARE(t.f->Pronomi.Frame1->isVisible(), pronomi);
        QTEST(int(t.a.servizi->suoni.filter("/si").size()), "suoniGiusti");
        QTEST(t.Casella(0).Caption(), "soggetto");
        // A sentence finished by its last part takes the help away (the pronoun leaves it as it is).
        if (t.Avanti() && !pronomi && t.f->controlli().Command2) QVERIFY(!t.f->controlli().Command2->isVisible());
    }

    void trascinamentoVero()
    {
        Prova t("Form7", "Il cane#0#abbaia#1#", 3);
        // Pressing a part starts a real drag; offscreen it ends at once, dropping nothing.
        QTest::mousePress(&t.Parte(0), Qt::LeftButton);
        QVERIFY(t.Parte(0).isVisible());
        // Released over a heading, over another part or over the window: nothing happens.
        Trascina(t.Parte(0), t.f->Caselle.Label6(0));
        Trascina(t.Parte(0), t.Parte(1));
        Trascina(t.Parte(0), *t.f->client());
        QCOMPARE(t.Punteggio(), QString("0 0"));
        QVERIFY(t.Parte(0).isVisible());
        QVERIFY(t.Casella(0).Caption().isEmpty());
        // Over its box: placed.
        QVERIFY(Trascina(t.Parte(0), t.Casella(0)));
        QVERIFY(!t.Parte(0).isVisible());
        QCOMPARE(t.Casella(0).Caption(), "Il cane ");
        QCOMPARE(t.Punteggio(), QString("1 0"));
    }

    // Before the help boxes 0..nc; after it, only the sentence's roles' boxes.
    void aiutoColoraEScegleLeCaselle_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("nc");
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QList<int>>("dopo");
        QTest::addColumn<QList<uint>>("colori"); // of the parts after the help
        QTest::newRow("Form7") << "Form7" << 5 << "Il nonno#0#regala#1#un aquilone#2#" << QList<int>{0, 1, 2}
                               << QList<uint>{0x80FF80, 0xFFC0FF, 0xFFFFFF};
        QTest::newRow("Form11: white boxes, white parts") << "Form11" << 8 << "Il nonno#0#viaggia#1#in treno#6#"
            << QList<int>{0, 1, 6} << QList<uint>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
        QTest::newRow("Form14: implied subject keeps box 0") << "Form14" << 9 << "[io]#0#ascolto#1#con attenzione#9#"
            << QList<int>{0, 1, 9} << QList<uint>{0x80FF80, 0xFFC0FF, 0xFFFFFF};
        QTest::newRow("role written 00: box kept, part not coloured") << "Form7" << 3 << "Il cane#00#abbaia#1#"
            << QList<int>{0, 1} << QList<uint>{0xFFFFFF, 0xFFC0FF};
    }
    void aiutoColoraEScegleLeCaselle()
    {
        QFETCH(QString, finestra);
        QFETCH(int, nc);
        QFETCH(QString, riga);
        QFETCH(QList<int>, dopo);
        QFETCH(QList<uint>, colori);
        Prova t(finestra, riga, nc);
        QCOMPARE(CaselleVisibili(*t.f), PrimeCaselle(nc));
        t.Esegui("aiuto");
        QCOMPARE(CaselleVisibili(*t.f), dopo);
        for (int i : dopo) QVERIFY(t.f->Caselle.Label6(i).isVisible());
        for (int k = 0; k < colori.size(); ++k) QCOMPARE(t.Parte(k).BackColor(), Colore(colori[k]));
        QCOMPARE(t.Errori(), QStringList{Aiuto});
        QVERIFY(!t.f->controlli().Command2->isVisible());
    }

    void casellaMostrataDallAiutoResta()
    {
        Prova t("Form7", "Il cane#0#morde#1#per paura#5#", 3);
        t.Esegui("aiuto 0>0 1>1 2>5");
        QVERIFY(t.Avanti());
        QVERIFY(!CaselleVisibili(*t.f).contains(2));
        t.f->Frasi[1] = QStringLiteral("La casa#0#dei nonni#3#è grande#1#");
        t.Esegui("avanti");
        // Boxes 0..3 again, and box 5 that the help showed; the help is back, the parts white.
        QCOMPARE(CaselleVisibili(*t.f), (QList<int>{0, 1, 2, 3, 5}));
        QVERIFY(t.f->controlli().Command2->isVisible());
        QCOMPARE(t.Parte(0).BackColor(), Colore(0xFFFFFF));
        QVERIFY(!t.Avanti());
    }

    // Every complement entry of the menu opens its window on one of its list's sentences, with the
    // boxes of its complements.
    void vociDelMenu_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("ultima");
        const QStringList finestre = {"Form5", "Form7", "Form7", "Form7", "Form7", "Form7", "Form7", "Form11", "Form11",
                                      "Form11", "Form11", "Form11", "Form11", "Form14", "Form14", "Form14", "Form14"};
        const QList<int> ultime = {2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10};
        for (int k = 5; k <= 21; ++k) QTest::addRow("entry %d", k) << k << finestre[k - 5] << ultime[k - 5];
    }
    void vociDelMenu()
    {
        QFETCH(int, voce);
        QFETCH(QString, finestra);
        QFETCH(int, ultima);
        Ambiente a;
        a.registro().Menu().Mostra();
        a.registro().Menu().AvviaEsercizi(static_cast<std::int16_t>(voce));
        EliminaRimandati();
        auto* f = dynamic_cast<FinestraComplementi*>(a.registro().EsercizioCreato(finestra));
        QVERIFY(f && f->Caricata());
        QCOMPARE(CaselleVisibili(*f), PrimeCaselle(ultima));
        // The sentence on screen is one of the list's lines.
        QVERIFY(!f->TestoFrase.isEmpty());
        const QStringList righe = QString::fromUtf8(Ambiente::Leggi(a.p->FileEsercizio)).split('\n');
        QCOMPARE(LeggiRigaFrase(righe.at(a.p->IndiceFrase - 1)).TestoFrase, f->TestoFrase);
        QVERIFY(a.servizi->messaggi.empty());
        f->Scarica();
    }

    void puntatore_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("diSistema");
        for (const char* f : {"Form5", "Form7", "Form11", "Form14"}) {
            QTest::addRow("%s, hand", f) << QString(f) << false;
            QTest::addRow("%s, system pointer", f) << QString(f) << true;
        }
    }
    void puntatore()
    {
        QFETCH(QString, finestra);
        QFETCH(bool, diSistema);
        ProvaFinestra<FinestraComplementi> t(finestra, {.lista = "testifrasolino/complementi/prova.txt",
                                                        .righe = "Il cane#0#abbaia#1#\n",
                                                        .complemento = 9,
                                                        .cursoreDiSistema = diSistema});
        for (const Etichetta& e : t.f->Parole.Label3) QCOMPARE(e.HaPuntatorePersonale(), !diSistema);
        for (const Bottone& b : t.f->Pronomi.Command1) QCOMPARE(b.HaPuntatorePersonale(), !diSistema);
    }
};

FRASOLINO_TEST(TestComplementi);
#include "tst_complementi.moc"
