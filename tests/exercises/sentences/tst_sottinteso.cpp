// "soggetto sottinteso" with the mouse (Form15) and by keys and switches (Form15s): the pronoun
// buttons, the reveal of the subject and the re-flow, the grid rows, and the scan over the buttons.
#include "suite.h"
#include "ambiente.h"
#include "exercises/sentences/finestrasottinteso.h"
#include "platform/twips.h"

#include <QFontMetricsF>

#include <QtTest>

#include <cmath>

namespace {

const QString Lista = QStringLiteral("testifrasolino/Riconoscisoggettopredicato/sottinteso.txt");

struct Prova : ProvaFinestra<FinestraSottinteso> {
    Prova(const QString& nome, std::int16_t modo, const QByteArray& righe)
        : ProvaFinestra(nome, {.lista = Lista, .righe = righe, .modo = modo}), s(dynamic_cast<Form15s*>(f))
    {
    }
    // Buttons pressed ("03": io, then noi) with the mouse, or a key script in Form15s.
    void Premi(const QString& azioni) const
    {
        if (s) return Tasti(azioni);
        for (const QChar c : azioni) QTest::mouseClick(&f->Pronomi.Command1(c.digitValue()), Qt::LeftButton);
    }
    // The captions of the shown labels, joined.
    QString Visibile() const
    {
        QString t;
        for (const Etichetta& e : f->Parole.Label3)
            if (e.Visible()) t += e.Caption();
        return t;
    }

    Form15s* s;
};

} // namespace

class TestSottinteso : public QObject {
    Q_OBJECT
private slots:
    void apertura_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QPoint>("prima");
        QTest::addColumn<Colore>("cornice");
        QTest::addColumn<bool>("grassetto");
        QTest::addColumn<int>("barra");
        QTest::newRow("Form15") << "Form15" << QPoint(240, 1320) << Colore(0xC0E0FF) << true << 500;
        QTest::newRow("Form15s") << "Form15s" << QPoint(120, 960) << Colore(0xC0FFFF) << false << 495;
    }
    void apertura()
    {
        QFETCH(QString, nome);
        Prova p(nome, nome == "Form15" ? 0 : 1, "[noi]#0#giochiamo#1#in giardino#8#\n");
        FinestraSottinteso& f = *p.f;
        QCOMPARE(f.controlli().Label1->Caption(), QString("Il soggetto è sempre sottinteso: individualo."));
        QTEST(QPoint(f.Parole.Label3(1).Left(), f.Parole.Label3(1).Top()), "prima");
        QCOMPARE(p.Visibile(), QString("giochiamo in giardino "));
        QVERIFY(f.Pronomi.Frame1->Visible() && f.Pronomi.Frame1->Caption().isEmpty());
        QTEST(f.Pronomi.Frame1->BackColor(), "cornice");
        const QStringList captions = {"io", "tu", "egli - esso - ella - essa", "noi", "voi", "essi - esse - loro"};
        for (int i = 0; i < 6; ++i) {
            const Bottone& b = f.Pronomi.Command1(i);
            QCOMPARE(b.Caption(), captions[i]);
            QTEST(b.font().bold(), "grassetto");
            QVERIFY(b.Left() + b.Width() <= f.Pronomi.Frame1->Width());
            QCOMPARE(b.BackColor(), Colore(p.s && i == 0 ? 0xFF0000 : 0xE0E0E0));
        }
        QTEST(f.cornice().StatusBar1->Height(), "barra");
    }

    void pronomi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<int>("esatti");
        QTest::addColumn<QStringList>("errori"); // the errori cell of each grid row
        QTest::addColumn<QString>("visibile");   // the sentence shown afterwards
        QTest::addColumn<QString>("verde");      // the caption shown in green

        const QString E3 = QStringLiteral("egli - esso - ella - essa");
        QTest::newRow("io") << "Form15" << 0 << QByteArray("[io]#0#mangio#1#") << "0" << 1 << QStringList{""} << "io mangio " << "io ";
        QTest::newRow("tu, after io") << "Form15" << 0 << QByteArray("[tu]#0#corri#1#") << "01" << 1 << QStringList{"io", ""} << "tu corri " << "tu ";
        QTest::newRow("lui: third person") << "Form15" << 0 << QByteArray("[lui]#0#dorme#1#") << "2" << 1 << QStringList{""} << "lui dorme " << "lui ";
        QTest::newRow("Lei, capital") << "Form15" << 0 << QByteArray("[Lei]#0#legge#1#") << "52" << 1 << QStringList{"essi - esse - loro", ""} << "Lei legge " << "Lei ";
        QTest::newRow("noi") << "Form15" << 0 << QByteArray("[noi]#0#giochiamo#1#") << "3" << 1 << QStringList{""} << "noi giochiamo " << "noi ";
        QTest::newRow("voi") << "Form15" << 0 << QByteArray("[voi]#0#ridete#1#") << "4" << 1 << QStringList{""} << "voi ridete " << "voi ";
        QTest::newRow("esse") << "Form15" << 0 << QByteArray("[esse]#0#cantano#1#") << "5" << 1 << QStringList{""} << "esse cantano " << "esse ";
        QTest::newRow("in the middle") << "Form15" << 0 << QByteArray("Ogni mattina#10#[io]#0#porto#1#il cane#2#") << "0" << 1 << QStringList{""} << "Ogni mattina io porto il cane " << "io ";
        QTest::newRow("a disabled button takes no click") << "Form15" << 0 << QByteArray("[tu]#0#corri#1#") << "00" << 0 << QStringList{"io"} << "corri " << "";
        QTest::newRow("manual: noi") << "Form15s" << 1 << QByteArray("[noi]#0#giochiamo#1#") << "SSSE" << 1 << QStringList{""} << "noi giochiamo " << "noi ";
        QTest::newRow("manual: wrong, then right") << "Form15s" << 1 << QByteArray("[tu]#0#corri#1#") << "ESE" << 1 << QStringList{"io", ""} << "tu corri " << "tu ";
        QTest::newRow("manual: a disabled button counts once") << "Form15s" << 1 << QByteArray("[tu]#0#corri#1#") << "EE" << 0 << QStringList{"io"} << "corri " << "";
        QTest::newRow("manual: select after the end draws again") << "Form15s" << 1 << QByteArray("[io]#0#mangio#1#") << "EE" << 1 << QStringList{""} << "mangio " << "";
        QTest::newRow("arrows: past a disabled button") << "Form15s" << 3 << QByteArray("[voi]#0#ridete#1#") << "RERLLLE" << 1 << QStringList{"tu", ""} << "voi ridete " << "voi ";
        QTest::newRow("automatic: ticks, Space released") << "Form15s" << 2 << QByteArray("[tu]#0#corri#1#") << "TPQ" << 1 << QStringList{""} << "tu corri " << "tu ";
        QTest::newRow("automatic: wrong, ticks, right") << "Form15s" << 2 << QByteArray("[noi]#0#giochiamo#1#") << "PQTTPQTPQ" << 1 << QStringList{"io", E3, ""} << "noi giochiamo " << "noi ";
    }
    void pronomi()
    {
        QFETCH(QString, nome);
        QFETCH(int, modo);
        QFETCH(QByteArray, riga);
        QFETCH(QString, azioni);
        QFETCH(int, esatti);
        QFETCH(QStringList, errori);
        QFETCH(QString, verde);
        Prova p(nome, modo, riga + "\n");
        p.Premi(azioni);
        QCOMPARE(p.Punteggio(), QString("%1 %2").arg(esatti).arg(errori.size() - esatti));
        QCOMPARE(ColonnaGriglia(*p.f, p.s ? 3 : 2), errori);
        QTEST(p.Visibile(), "visibile");
        QCOMPARE(p.Avanti(), esatti > 0);
        if (p.s) QCOMPARE(p.s->FraseCompletata, !verde.isEmpty());
        QString verdi;
        for (const Etichetta& e : p.f->Parole.Label3)
            if (e.BackColor() == Colore(0x80FF80)) verdi += e.Caption();
        QCOMPARE(verdi, verde);
        // A disabled button keeps its caption legible, greyed on the resting face or on a colour.
        for (Bottone& b : p.f->Pronomi.Command1)
            if (!b.Enabled()) QVERIFY(ContrastoDidascalia(b) >= 4.5);
    }

    // The grid rows: Form15 the visible sentence, Form15s the level and every label's caption.
    void righe()
    {
        Prova a("Form15", 0, "[tu]#0#corri#1#\n");
        a.Premi("1");
        QCOMPARE(RigaGriglia(*a.f, 1)[1], QString("corri "));
        Prova b("Form15s", 1, "[tu]#0#corri#1#\n");
        QTest::mouseClick(&b.f->Pronomi.Command1(1), Qt::LeftButton); // judges nothing
        QCOMPARE(ColonnaGriglia(*b.f, 0), QStringList());
        b.Premi("SE");
        QCOMPARE(RigaGriglia(*b.f, 1).mid(1, 2), QStringList({"1", "tu corri "}));
    }

    // Revealing the subject lays the words out again at 80 % of the window's width: the words it
    // pushes past that limit move to the next row.
    void riflusso()
    {
        Prova p("Form15", 0, "[noi]#0#giochiamo#1#\n");
        auto& Label3 = p.f->Parole.Label3;
        const int limite = LimiteACapo(p.f->Width());
        const int noi = twips::daPixel(static_cast<int>(std::ceil(QFontMetricsF(Label3(0).font()).horizontalAdvance("noi "))));
        // A first word of the length that fills the first row so that "noi " no longer fits.
        int ultima = 0;
        for (int lettere = 1; lettere <= 30 && ultima == 0; ++lettere) {
            QByteArray riga = "[noi]#0#" + QByteArray(lettere, 'x') + "#2#";
            for (int i = 0; i < 8; ++i) riga += "parola#2#";
            p.a.Scrivi(Lista, riga + "\n");
            p.f->CaricaLista();
            p.f->CaricaFrase();
            int k = 1;
            while (Label3(k + 1).Top() == Label3(1).Top()) ++k;
            if (Label3(k).Left() + Label3(k).Width() + noi >= limite) ultima = k;
        }
        QVERIFY(ultima > 0);
        const int riga1 = Label3(1).Top();
        p.Premi("3");
        QVERIFY(Label3(0).Visible());
        QCOMPARE(Label3(0).Width(), noi);
        QCOMPARE(Label3(1).Left(), Label3(0).Left() + noi);
        QCOMPARE(Label3(ultima - 1).Top(), riga1);
        // Pushed to the next row, though it would fit in the window's full width.
        QVERIFY(Label3(ultima - 1).Left() + Label3(ultima - 1).Width() + Label3(ultima).Width() < p.f->Width());
        QCOMPARE(QPoint(Label3(ultima).Left(), Label3(ultima).Top()), QPoint(Label3(0).Left(), riga1 + 2 * Label3(ultima).Height()));
        QCOMPARE(QPoint(Label3(ultima + 1).Left(), Label3(ultima + 1).Top()),
                 QPoint(Label3(ultima).Left() + Label3(ultima).Width(), Label3(ultima).Top()));
    }
};

FRASOLINO_TEST(TestSottinteso);
#include "tst_sottinteso.moc"
