// "riconosci il predicato" (Form2s) and "riconosci il soggetto" (Form4s) by keys and switches:
// key scripts on the focus holder of each mode, ticks of the scan, the bar, the frame around the
// word found, the level lock, and the lines Form4s never draws.
#include "suite.h"
#include "ambiente.h"
#include "app/formmenu.h"
#include "exercises/sentences/finestrariconosci.h"
#include "input/disegnoscansione.h"
#include "platform/twips.h"

#include <QtTest>

namespace {

const QString Livello1 = QStringLiteral("testifrasolino/Riconoscisoggettopredicato/liv1.txt");

struct Prova : ProvaFinestra<FinestraRiconosciScansione> {
    Prova(const QString& nome, std::int16_t modo, const QByteArray& righe)
        : ProvaFinestra(nome, {.lista = Livello1, .righe = righe, .modo = modo})
    {
    }
};

const QByteArray Cane = "il cane#0#abbaia#1#nel cortile#8#\n";

} // namespace

class TestRiconosciScansione : public QObject {
    Q_OBJECT
private slots:
    void apertura_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("istruzione");
        QTest::addColumn<Colore>("cornice");
        QTest::newRow("Form2s, manual") << "Form2s" << 1 << "riconosci il predicato" << Colore(0xFFC0FF);
        QTest::newRow("Form4s, automatic") << "Form4s" << 2 << "riconosci il soggetto" << Colore(0x80FF80);
        QTest::newRow("Form4s, arrows") << "Form4s" << 3 << "riconosci il soggetto" << Colore(0x80FF80);
    }
    void apertura()
    {
        QFETCH(QString, nome);
        QFETCH(int, modo);
        Prova p(nome, modo, Cane);
        FinestraRiconosciScansione& f = *p.f;
        QTEST(f.controlli().Label1->Caption(), "istruzione");
        QCOMPARE(f.cornice().Timer1->Interval(), modo == 2 ? 1000 : 100);
        QVERIFY(f.cornice().Timer1->Enabled());
        QCOMPARE(f.Shape1()->BorderColor(), Colore(0xFF0000));
        QTEST(f.segni().Shape2->BorderColor(), "cornice");
        // The bar under the first word, leaving out its trailing blank.
        const Etichetta& w = f.Parole.Label3(0);
        const QRect b = BarraSotto(QRect(w.Left(), w.Top(), w.Width(), w.Height()), f.Barra.LabelDim->Width(), 15);
        QCOMPARE(f.Shape1()->Rettangolo(), QRect(QPoint(twips::aPixel(b.x()), twips::aPixel(b.y())),
                                                 QPoint(twips::aPixel(b.x() + b.width()) - 1, twips::aPixel(b.bottom() + 1) - 1)));
    }

    void tasti_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("righe");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("punti"); // "esatti errati"
        QTest::addColumn<int>("parte");     // ParteCorrente afterwards
        QTest::addColumn<bool>("risolta");
        QTest::addColumn<bool>("barra");
        QTest::addColumn<bool>("avanti");

        const QByteArray io = "[io]#0#mangio#1#la mela#2#";
        QTest::newRow("manual: step to the predicate, select") << "Form2s" << 1 << Cane << "SE" << "1 0" << 1 << true << false << true;
        QTest::newRow("manual: wrong, then right") << "Form2s" << 1 << Cane << "ESE" << "1 1" << 1 << true << false << true;
        QTest::newRow("manual: the same wrong word twice") << "Form2s" << 1 << Cane << "EE" << "0 2" << 0 << false << true << false;
        QTest::newRow("manual: wrap from the last word") << "Form4s" << 1 << Cane << "SSS" << "0 0" << 0 << false << true << false;
        QTest::newRow("manual: select when solved draws again") << "Form2s" << 1 << Cane << "SEE" << "1 0" << 0 << false << true << false;
        QTest::newRow("arrows: left wraps to the last") << "Form2s" << 3 << Cane << "L" << "0 0" << 2 << false << true << false;
        QTest::newRow("arrows: right wraps to the first") << "Form2s" << 3 << Cane << "RRR" << "0 0" << 0 << false << true << false;
        QTest::newRow("arrows: right, Enter") << "Form2s" << 3 << Cane << "RE" << "1 0" << 1 << true << false << true;
        QTest::newRow("arrows: Enter when solved draws again, Form2s hides Avanti") << "Form2s" << 3 << Cane << "REE" << "1 0" << 0 << false << true << false;
        QTest::newRow("arrows: Enter when solved draws again, Form4s leaves Avanti") << "Form4s" << 3 << Cane << "EE" << "1 0" << 0 << false << true << true;
        QTest::newRow("arrows: arrow when solved draws again") << "Form4s" << 3 << Cane << "EL" << "1 0" << 0 << false << true << true;
        QTest::newRow("automatic: a tick, Space released") << "Form2s" << 2 << Cane << "TPQ" << "1 0" << 1 << true << false << true;
        QTest::newRow("automatic: held Space selects once") << "Form4s" << 2 << Cane << "PTTQ" << "1 0" << 0 << true << false << true;
        QTest::newRow("automatic: ticks stand still when solved") << "Form2s" << 2 << Cane << "TPQTT" << "1 0" << 1 << true << false << true;
        QTest::newRow("automatic: Space when solved draws again") << "Form2s" << 2 << Cane << "TPQPQ" << "1 0" << 0 << false << true << false;
        QTest::newRow("hidden subject: never highlighted") << "Form2s" << 1 << io << "SS" << "0 0" << 1 << false << true << false;
        QTest::newRow("hidden subject: left wraps past it") << "Form2s" << 3 << io << "L" << "0 0" << 2 << false << true << false;
        QTest::newRow("role not a number: read by its leading number") << "Form2s" << 1 << QByteArray("il cane#0#abbaia#1a#") << "SE" << "1 0" << 1 << true << false << true;
        QTest::newRow("role not a number: wrong for the predicate") << "Form2s" << 1 << QByteArray("il cane#0#abbaia#uno#e corre#1#") << "SE" << "0 1" << 1 << false << true << false;
    }
    void tasti()
    {
        QFETCH(QString, nome);
        QFETCH(int, modo);
        QFETCH(QByteArray, righe);
        QFETCH(QString, tasti);
        QFETCH(int, parte);
        QFETCH(bool, risolta);
        QFETCH(bool, barra);
        Prova p(nome, modo, righe);
        p.Tasti(tasti);
        FinestraRiconosciScansione& f = *p.f;
        QTEST(p.Punteggio(), "punti");
        QCOMPARE(ColonnaGriglia(f, 0).size(), p.a.p->Esatti + p.a.p->Errati); // a row for every answer
        QCOMPARE(int(f.ParteCorrente), parte);
        QCOMPARE(f.Risolta(), risolta);
        QCOMPARE(f.Shape1()->Visible(), barra);
        QTEST(p.Avanti(), "avanti");
        QVERIFY(f.cornice().Timer1->Enabled());
        QCOMPARE(f.cornice().mnuLivelli->Utilizzabile(), risolta || !barra);
        if (risolta) {
            const Etichetta& w = f.Parole.Label3(parte);
            QCOMPARE(w.BackColor(), nome == "Form2s" ? Colore(0xC0C0FF) : Colore(0x80FF80));
            const Forma& c = *f.segni().Shape2;
            QCOMPARE(QRect(c.Left(), c.Top(), c.Width(), c.Height()), QRect(w.Left() - 15, w.Top() - 15, w.Width() + 30, w.Height() + 30));
            QCOMPARE(ColonnaGriglia(f, 3).last(), QString());
        }
    }

    // A wrong word is greyed, keeps its colour and answers no click; its row holds its caption.
    void sbagliataGrigia()
    {
        Prova p("Form2s", 1, Cane);
        p.Tasti("E");
        Etichetta& w = p.f->Parole.Label3(0);
        QVERIFY(!w.isEnabled() && w.GrigiaSeDisabilitata());
        QCOMPARE(w.BackColor(), Colore(0xFFFFFF));
        QCOMPARE(RigaGriglia(*p.f, 1).mid(1, 3), QStringList({"1", "Il cane abbaia nel cortile ", "Il cane "}));
        QTest::mouseClick(&p.f->Parole.Label3(1), Qt::LeftButton);
        QCOMPARE(p.Punteggio(), QString("0 1"));
    }

    // The grid shown takes the keys: nothing is judged unseen behind it; closed, the scan has them back.
    void grigliaPrendeITasti()
    {
        Prova p("Form2s", 1, Cane);
        QVERIFY(QTest::qWaitForWindowActive(p.f->widget()));
        p.f->mnuVisual_Click();
        QCOMPARE(QApplication::focusWidget(), p.f->cornice().Griglia);
        tastiera::Batti(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(p.Punteggio(), QString("0 0"));
        p.f->mnuChiudi_Click();
        p.Tasti("T");
        QCOMPARE(QApplication::focusWidget(), p.f->cornice().Scansione->PictureScansioneManuale());
    }

    void livelli()
    {
        Prova p("Form4s", 1, Cane);
        p.a.Scrivi("testifrasolino/Riconoscisoggettopredicato/liv2.txt", "la mamma#0#cucina#1#\n");
        FinestraRiconosciScansione& f = *p.f;
        f.mnuLiv_Click(2); // locked while the sentence is open
        QCOMPARE(int(f.Livello), 1);
        p.Tasti("E");
        f.mnuLiv_Click(2);
        QCOMPARE(int(f.Livello), 2);
        QVERIFY(f.cornice().mnuLiv[1]->Checked());
        QVERIFY(!f.cornice().mnuLiv[0]->Checked());
        QCOMPARE(f.Parole.Label3(0).Caption(), QString("La mamma "));
        QVERIFY(!f.Risolta());
        QVERIFY(!f.cornice().mnuLivelli->Utilizzabile());
    }

    void form4sSaltaISottintesi()
    {
        Prova p("Form4s", 1, "[io]#0#mangio#1#\nil [gatto]#0#dorme#1#\nil cane#0#abbaia#1# [\nla mamma#0#cucina#1#\n");
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(int(p.a.p->IndiceFrase), 4);
            p.Tasti("EE");
        }
        QCOMPARE(p.Punteggio(), QString("12 0"));
    }

    void form4sSoloSottintesi()
    {
        // Nothing a switch can do without a sentence: the notice once, and back to the menu.
        Prova p("Form4s", 2, "[io]#0#mangio#1#\n[tu]#0#corri#1#\n");
        QCOMPARE(p.a.servizi->TestiMessaggi(), QStringList{MessaggioNessunaFrase});
        QVERIFY(!p.f->Caricata());
        QVERIFY(p.a.registro().Menu().Caricata());
    }
};

FRASOLINO_TEST(TestRiconosciScansione);
#include "tst_riconoscis.moc"
