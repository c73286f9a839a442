// The results grid: layouts, rows, the view/close/print commands, and the printed table.
#include "suite.h"
#include "ambientecornice.h"
#include "exercises/sentences/finestrafrase.h"
#include "frame/stampagriglia.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestGriglia : public QObject {
    Q_OBJECT
private slots:
    void unita_data();
    void unita();
    void layout_data();
    void layout();
    void righe_data();
    void righe();
    void rigaCoppia();
    void secondaAttivazioneSvuota();
    void comandi_data();
    void comandi();
    void stampaNoEStampaSi_data();
    void stampaNoEStampaSi();
    void stampaSenzaStampante();
    void geometriaStampa();
    void stampaSoloIntestazione();
    void tagliaTesto_data();
    void tagliaTesto();
    void stampaVeraSuPdf();
};

void TestGriglia::unita_data()
{
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("u");
    QTest::newRow("9000") << 9000 << 500;
    QTest::newRow("9017") << 9017 << 500;
    QTest::newRow("8999") << 8999 << 499;
    QTest::newRow("18") << 18 << 1;
    QTest::newRow("17") << 17 << 0;
}

void TestGriglia::unita()
{
    QFETCH(int, larghezza);
    QFETCH(int, u);
    QCOMPARE(UnitaGriglia(larghezza), u);
}

void TestGriglia::layout_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("intestazioni");
    QTest::addColumn<QList<int>>("unita");
    QTest::addColumn<QList<int>>("centrate");
    QTest::addColumn<QList<int>>("intestazioniCentrate");
    QTest::newRow("coppie") << "Form3" << QStringList{"", "n. coppie", "frasi esatte", "frasi errate"}
                            << QList<int>{1, 1, 7, 7} << QList<int>{0, 1, 2, 3} << QList<int>{};
    QTest::newRow("livelli") << "Form4s" << QStringList{"", "liv.", "frase", "errori"} << QList<int>{1, 1, 10, 3}
                             << QList<int>{0, 1, 3} << QList<int>{2, 3};
    QTest::newRow("livelli sottinteso scansione") << "Form15s" << QStringList{"", "liv.", "frase", "errori"}
                                                  << QList<int>{1, 1, 10, 3} << QList<int>{0, 1, 3} << QList<int>{2, 3};
    QTest::newRow("soggetto predicato") << "Form1" << QStringList{"", "liv.", "soggetto", "predicato", "errori"}
                                        << QList<int>{1, 1, 6, 6, 2} << QList<int>{0, 1, 4} << QList<int>{2, 3};
    QTest::newRow("frasi") << "Form11" << QStringList{"", "frase", "errori"} << QList<int>{1, 10, 3}
                           << QList<int>{0, 2} << QList<int>{1};
    QTest::newRow("frasi sottinteso") << "Form15" << QStringList{"", "frase", "errori"} << QList<int>{1, 10, 4}
                                      << QList<int>{0, 2} << QList<int>{1, 2};
}

void TestGriglia::layout()
{
    QFETCH(QString, nome);
    QFETCH(QStringList, intestazioni);
    QFETCH(QList<int>, unita);
    QFETCH(QList<int>, centrate);
    QFETCH(QList<int>, intestazioniCentrate);
    AmbienteProva a;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    // Window widths are whole pixels (15 twips): 9000 gives U = 500, 8985 gives 499.
    for (int larghezza : {9000, 8985}) {
        f->setDimensioniEsterne(larghezza, 6000);
        QCOMPARE(f->Width(), larghezza);
        f->RiempiGriglia({"x"});
        f->ImpostaGriglia();
        const ModelloGriglia& m = f->cornice().Griglia->Modello();
        QCOMPARE(m.Rows(), 1);
        QCOMPARE(m.Cols(), intestazioni.size());
        for (int c = 0; c < m.Cols(); ++c) {
            QCOMPARE(m.TextMatrix(0, c), intestazioni[c]);
            QCOMPARE(m.ColWidth(c), unita[c] * (larghezza / 18));
            QCOMPARE(m.ColAlignment(c) == ModelloGriglia::Centro, centrate.contains(c));
            QCOMPARE(m.FixedAlignment(c) == ModelloGriglia::Centro, intestazioniCentrate.contains(c));
        }
        // Hidden, over the whole window.
        QVERIFY(!f->cornice().Griglia->Visible());
        QCOMPARE(f->cornice().Griglia->Width(), f->Width());
    }
    f->Scarica();
}

void TestGriglia::righe_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("lista");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QStringList>("riga");
    // Form2 writes the captions of its labels, Form4 the sentence's text (which leaves out the
    // hidden implied subject "Io ", named from level 3 on); both after the level.
    QTest::newRow("Form2") << "Form2" << QByteArray("Il cane#0#abbaia#1#") << 1 << QStringList{"1", "1", "Il cane abbaia ", "x "};
    QTest::newRow("Form4") << "Form4" << QByteArray("[Io]#0#corro#1#") << 3 << QStringList{"1", "3", "corro ", "x "};
}

// The row of an answer, as the window composes it and the frame numbers and appends it.
void TestGriglia::righe()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, lista);
    QFETCH(int, livello);
    QFETCH(QStringList, riga);
    AmbienteProva a;
    for (int l : {1, livello}) a.Scrivi(QString("testifrasolino/Riconoscisoggettopredicato/liv%1.txt").arg(l), lista);
    auto* f = a.Apri<FinestraFrase>(nome);
    QVERIFY(f);
    if (livello > 1) f->cornice().mnuLiv[livello - 1]->Scegli();
    f->RiempiGriglia(f->RigaRisultato("x "));
    f->RiempiGriglia(f->RigaRisultato(QString()));
    const ModelloGriglia& m = f->cornice().Griglia->Modello();
    QCOMPARE(m.Rows(), 3);
    QStringList letta;
    for (int c = 0; c < m.Cols(); ++c) letta << m.TextMatrix(1, c);
    QCOMPARE(letta, riga);
    // The next row is numbered 2 and a right answer leaves "errori" empty.
    QCOMPARE(m.TextMatrix(2, 0), QString("2"));
    QCOMPARE(m.TextMatrix(2, m.Cols() - 1), QString());
    f->Scarica();
}

// The pair windows' row: level, the pair drawn last, the error marks.
void TestGriglia::rigaCoppia()
{
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneManuale;
    auto f = CreaFinestra(*a.p, "Form1s");
    auto& c = dynamic_cast<FinestraCoppie&>(*f);
    f->Mostra();
    a.p->IndiceFrase = 2;
    c.Livello = 3;
    c.SegniErrore = QStringLiteral("**");
    f->RiempiGriglia(c.RigaSoggettoPredicato());
    const ModelloGriglia& m = f->cornice().Griglia->Modello();
    QStringList letta;
    for (int col = 0; col < m.Cols(); ++col) letta << m.TextMatrix(1, col);
    QCOMPARE(letta, (QStringList{"1", "3", "il gallo", "canta", "**"}));
    f->Scarica();
}

void TestGriglia::secondaAttivazioneSvuota()
{
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, "Form5");
    f->Mostra();
    f->RiempiGriglia({"a"});
    f->RiempiGriglia({"b"});
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 3);
    f->Scarica();
    f->Mostra();
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 1);
    f->Scarica();
}

void TestGriglia::comandi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("livelliBloccabili"); // the grid view switches the level menu
    QTest::newRow("Form2 mouse") << "Form2" << true;
    QTest::newRow("Form4s scanning") << "Form4s" << true;
    QTest::newRow("Form1s order menu untouched") << "Form1s" << false;
    QTest::newRow("Form14s") << "Form14s" << false;
    QTest::newRow("Form3") << "Form3" << false;
    QTest::newRow("Form3s") << "Form3s" << false;
}

void TestGriglia::comandi()
{
    QFETCH(QString, nome);
    QFETCH(bool, livelliBloccabili);
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneAutomatica;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    const auto& c = f->cornice();
    const bool abbinaScansione = nome == "Form3s";
    Temporizzatore* timer = c.Timer1;
    if (c.mnuLivelli) c.mnuLivelli->setBloccato(true);
    QFont piccolo = c.Griglia->Modello().Font();
    piccolo.setPointSize(7);
    c.Griglia->Modello().setFont(piccolo);

    c.mnuVisual->Scegli();
    QVERIFY(c.Griglia->Visible());
    QVERIFY(c.mnuChiudi->Enabled());
    QVERIFY(c.mnuVisual->Utilizzabile());
    QVERIFY(c.mnustampa->Utilizzabile());
    for (VoceMenu* v : {c.mnuEsci, c.mnuCambia, c.MenuAzzera}) QVERIFY(!v->Enabled());
    if (c.mnuOpzioni) QVERIFY(!c.mnuOpzioni->Enabled());
    if (c.mnuLivelli) {
        QCOMPARE(c.mnuLivelli->Enabled(), !livelliBloccabili);
        QVERIFY(c.mnuLivelli->Bloccato()); // the lock is a flag of its own
    }
    QCOMPARE(c.Griglia->Modello().Font().pointSize(), abbinaScansione ? 7 : 12);
    // In front of every other control of the window.
    QCOMPARE(f->client()->childAt(f->client()->width() / 2, 10) != nullptr, true);
    QWidget* davanti = f->client()->childAt(f->client()->width() / 2, f->client()->height() / 3);
    QVERIFY(davanti == c.Griglia || c.Griglia->isAncestorOf(davanti));
    if (timer) QCOMPARE(timer->Enabled(), abbinaScansione);

    // Printing in grid view keeps the view; the timer runs again afterwards.
    a.servizi->risposte = {msg::RispostaYes, msg::RispostaOK};
    c.mnustampa->Scegli();
    QVERIFY(c.Griglia->Visible());
    QCOMPARE(a.servizi->stampe.size(), size_t(1));
    if (timer) QVERIFY(timer->Enabled());
    // The ticks of a scan that runs on under the grid leave the keys with the grid.
    if (timer) {
        timer->Scatta();
        QWidget* fuoco = f->widget()->focusWidget();
        QVERIFY(fuoco == c.Griglia || c.Griglia->isAncestorOf(fuoco));
    }

    c.mnuChiudi->Scegli();
    QVERIFY(!c.Griglia->Visible());
    QVERIFY(!c.mnuChiudi->Enabled());
    for (VoceMenu* v : {c.mnuEsci, c.mnuCambia, c.MenuAzzera}) QVERIFY(v->Enabled());
    if (c.mnuLivelli) {
        QVERIFY(c.mnuLivelli->Enabled());
        QVERIFY(!c.mnuLivelli->Utilizzabile()); // still locked
    }
    if (timer) QVERIFY(timer->Enabled());
    f->Scarica();
}

void TestGriglia::stampaNoEStampaSi_data()
{
    QTest::addColumn<QString>("nome");
    for (const char* n : {"Form7", "Form14s", "Form15s", "Form3s"}) QTest::newRow(n) << QString(n);
}

void TestGriglia::stampaNoEStampaSi()
{
    QFETCH(QString, nome);
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneAutomatica;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    const auto& c = f->cornice();
    Temporizzatore* timer = c.Timer1;
    const bool abbinaScansione = nome == "Form3s";
    QList<bool> timerDuranteMessaggi;
    int stampeQuandoNotifica = -1;
    a.servizi->mentreMessaggio = [&](const ServiziFinti::Messaggio& m) {
        if (timer) timerDuranteMessaggi << timer->Enabled();
        if (m.testo == "Sto stampando") stampeQuandoNotifica = int(a.servizi->stampe.size());
    };

    // No: nothing printed, the timer runs again (also in Form3s, whatever its state).
    if (timer) timer->setEnabled(false);
    a.servizi->risposte = {msg::RispostaNo};
    c.mnustampa->Scegli();
    QCOMPARE(a.servizi->TestiMessaggi(), QStringList{"Avvio la stampa?"});
    QCOMPARE(a.servizi->messaggi[0].stile, 36);
    QVERIFY(a.servizi->stampe.empty());
    if (timer) QVERIFY(timer->Enabled());

    // Yes: the notice first, then the page; the grid stays hidden and the menus unchanged.
    a.servizi->messaggi.clear();
    timerDuranteMessaggi.clear();
    if (timer) timer->setEnabled(true);
    a.servizi->risposte = {msg::RispostaYes, msg::RispostaOK};
    c.mnustampa->Scegli();
    QCOMPARE(a.servizi->TestiMessaggi(), (QStringList{"Avvio la stampa?", "Sto stampando"}));
    QCOMPARE(a.servizi->messaggi[1].stile, 64);
    QCOMPARE(a.servizi->messaggi[1].titolo, QString("Frasolino - 1°"));
    QCOMPARE(stampeQuandoNotifica, 0);
    QCOMPARE(a.servizi->stampe.size(), size_t(1));
    QVERIFY(a.servizi->stampe[0]->finito);
    QCOMPARE(a.servizi->stampe[0]->orientamento, 2);
    QVERIFY(!c.Griglia->Visible());
    QVERIFY(c.mnuEsci->Enabled());
    QCOMPARE(c.Griglia->Modello().Font().pointSize(), 12);
    if (timer) {
        for (bool acceso : timerDuranteMessaggi) QCOMPARE(acceso, abbinaScansione);
        QVERIFY(timer->Enabled());
    }
    f->Scarica();
}

void TestGriglia::stampaSenzaStampante()
{
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneManuale;
    auto f = CreaFinestra(*a.p, "Form2s");
    f->Mostra();
    a.servizi->destinazioneStampa = "/tmp/risultati.pdf";
    a.servizi->risposte = {msg::RispostaYes, msg::RispostaOK, msg::RispostaOK};
    f->cornice().mnustampa->Scegli();
    QCOMPARE(a.servizi->messaggi.size(), size_t(3));
    QVERIFY(a.servizi->messaggi[2].testo.contains("/tmp/risultati.pdf"));
    QCOMPARE(a.servizi->messaggi[2].titolo, QString("Frasolino - 1°"));
    QVERIFY(f->cornice().Timer1->Enabled());

    // A job that fails on the printer is printed again into a PDF file, which is named.
    a.servizi->messaggi.clear();
    a.servizi->stampe.clear();
    a.servizi->destinazioneStampa.clear();
    a.servizi->esitoStampa = false;
    a.servizi->risposte = {msg::RispostaYes, msg::RispostaOK, msg::RispostaOK};
    f->RiempiGriglia({"gatto "});
    f->cornice().mnustampa->Scegli();
    QCOMPARE(a.servizi->stampe.size(), size_t(2));
    QVERIFY(!a.servizi->stampe[0]->pdf);
    QVERIFY(a.servizi->stampe[1]->pdf);
    QVERIFY(a.servizi->stampe[1]->finito);
    QCOMPARE(a.servizi->stampe[1]->orientamento, 2);
    QCOMPARE(a.servizi->stampe[1]->Testi().size(), a.servizi->stampe[0]->Testi().size()); // the same page
    QCOMPARE(a.servizi->messaggi.size(), size_t(3));
    QVERIFY(a.servizi->messaggi[2].testo.contains(a.servizi->destinazionePdf));
    QCOMPARE(a.servizi->messaggi[2].titolo, QString("Frasolino - 1°"));
    QVERIFY(f->Caricata());
    QVERIFY(f->cornice().Timer1->Enabled());
    f->Scarica();
}

static void DueColonne(ModelloGriglia& m)
{
    m.setCols(2);
    m.setRows(3);
    m.setColWidth(0, 100);
    m.setColWidth(1, 300);
    m.setColAlignment(0, ModelloGriglia::Centro);
    // At 6 points the recording printer makes a character 60 twips wide: "frase" fills its
    // 300-twip column exactly.
    QFont f("Arial", 6);
    f.setBold(true);
    m.setFont(f);
    m.setTextMatrix(0, 1, "frase");
    m.setTextMatrix(1, 0, "1");
    m.setTextMatrix(1, 1, "ab");
    m.setTextMatrix(2, 0, "2");
    m.setTextMatrix(2, 1, "cd");
}

void TestGriglia::geometriaStampa()
{
    ModelloGriglia m;
    DueColonne(m);
    auto registro = std::make_shared<RegistroStampa>();
    StampanteRegistratrice s(registro);
    StampaGriglia(s, m, 2, 2);
    const double riga = s.TextHeight() + 120;
    QCOMPARE(s.FontName(), QString("Arial"));
    QCOMPARE(s.FontSize(), 6.0);

    // Texts: column 0 at 62, column 1 at 282, 60 below each row's upper line; empty cells print nothing.
    std::vector<std::pair<double, double>> posizioni;
    QStringList testi;
    for (const auto& t : registro->Testi())
        if (!t.testo.isEmpty()) posizioni.push_back({t.x1, t.y1}), testi << t.testo;
    QCOMPARE(testi, (QStringList{"frase", "1", "ab", "2", "cd"}));
    QCOMPARE(posizioni[0], std::make_pair(282.0, 62.0));
    QCOMPARE(posizioni[1], std::make_pair(62.0, 62.0 + riga));
    QCOMPARE(posizioni[4], std::make_pair(282.0, 62.0 + 2 * riga));

    // The box from (2, 2) to the right edge 702 and the bottom; one rule at 222; lines between rows.
    const auto box = registro->DiTipo(ChiamataStampa::Rettangolo);
    QCOMPARE(box.size(), size_t(1));
    const double fondo = 2 + 3 * riga;
    QCOMPARE(box[0].x1, 2.0);
    QCOMPARE(box[0].y1, 2.0);
    QCOMPARE(box[0].x2, 702.0);
    QCOMPARE(box[0].y2, fondo);
    const auto linee = registro->DiTipo(ChiamataStampa::Linea);
    QCOMPARE(linee.size(), size_t(3));
    QCOMPARE(linee[0].y1, 2 + riga);
    QCOMPARE(linee[0].x1, 2.0);
    QCOMPARE(linee[0].x2, 702.0);
    QCOMPARE(linee[1].y1, 2 + 2 * riga);
    QCOMPARE(linee[2].x1, 222.0);
    QCOMPARE(linee[2].x2, 222.0);
    QCOMPARE(linee[2].y1, 2.0);
    QCOMPARE(linee[2].y2, fondo);
    QVERIFY(!registro->finito); // the document stays open for the caller
}

void TestGriglia::stampaSoloIntestazione()
{
    ModelloGriglia m;
    DueColonne(m);
    m.setRows(1);
    auto registro = std::make_shared<RegistroStampa>();
    StampanteRegistratrice s(registro);
    StampaGriglia(s, m, 2, 2);
    QCOMPARE(registro->DiTipo(ChiamataStampa::Rettangolo).size(), size_t(1));
    const auto linee = registro->DiTipo(ChiamataStampa::Linea);
    QCOMPARE(linee.size(), size_t(1)); // the column rule only
    QCOMPARE(linee[0].x1, 222.0);
}

void TestGriglia::tagliaTesto_data()
{
    // The recording printer measures FontSize × 10 twips per character: 120 at 12 points.
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("fits") << "abc" << 360.0 << "abc";
    QTest::newRow("exactly as wide") << "abc" << 360.0 << "abc";
    QTest::newRow("one twip short") << "abc" << 359.0 << "ab";
    QTest::newRow("cut, no mark") << "una frase lunga" << 600.0 << "una f";
    QTest::newRow("trailing blank counts") << "ab " << 240.0 << "ab";
    QTest::newRow("nothing fits") << "abc" << 50.0 << "";
    QTest::newRow("empty") << "" << 0.0 << "";
}

void TestGriglia::tagliaTesto()
{
    QFETCH(QString, testo);
    QFETCH(double, larghezza);
    QFETCH(QString, atteso);
    StampanteRegistratrice s;
    s.setFontSize(12);
    QCOMPARE(TagliaTesto(s, testo, larghezza), atteso);
}

void TestGriglia::stampaVeraSuPdf()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath("griglia.pdf");
    ModelloGriglia m;
    DueColonne(m);
    m.setColWidth(0, 600);
    m.setColWidth(1, 4000);
    m.setTextMatrix(1, 1, "Il cane abbaia");
    auto stampante = CreaStampanteQt(pdf, true);
    stampante->setOrientation(2);
    StampaGriglia(*stampante, m, 2, 2);
    QVERIFY(stampante->EndDoc());
    QCOMPARE(stampante->Destinazione(), pdf);
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(20000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(testo.contains("frase"), qPrintable(testo));
    QVERIFY2(testo.contains("Il cane abbaia"), qPrintable(testo));
    QVERIFY(testo.contains("cd"));
}

FRASOLINO_TEST(TestGriglia);
#include "tst_griglia.moc"
