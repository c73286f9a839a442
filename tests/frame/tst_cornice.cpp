// The exercise window frame as a learner and a teacher meet it: opening, counters, the "Avanti"
// panel, the way back to the menu, the list choice and the results grid commands.
#include "suite.h"
#include "ambientecornice.h"

#include <QMenuBar>
#include <QtTest>

class TestCornice : public QObject {
    Q_OBJECT
private slots:
    void progettoDiOgniFinestra();
    void contatoriAzzeratiAdOgniApertura_data();
    void contatoriAzzeratiAdOgniApertura();
    void azzeraConteggioLasciaLElemento();
    void contatoriNonPassano32767();
    void avantiSoloDalPannello3_data();
    void avantiSoloDalPannello3();
    void esciNoNonCambiaNulla();
    void esciSiTornaAlMenu_data();
    void esciSiTornaAlMenu();
    void esciAbbinaScansioneTornaSubito();
    void campiSopravvivonoControlliRinascono();
    void oggettoRicaricatoAdOgniApertura();
    void coppieRicaricanoLaListaScelta();
    void menuDiOgniFinestra_data();
    void menuDiOgniFinestra();
    void sceltaListaAnnullata_data();
    void sceltaListaAnnullata();
    void sceltaListaFatta();
    void listaMancanteAllaApertura();
    void attivazioneIntervalloScansione_data();
    void attivazioneIntervalloScansione();
    void barraStatoInScala_data();
    void barraStatoInScala();
};

void TestCornice::progettoDiOgniFinestra()
{
    QCOMPARE(NomiFinestreEsercizio().size(), 18);
    for (const QString& nome : NomiFinestreEsercizio()) {
        const ProgettoFinestra* p = Progetto(nome);
        QVERIFY(p);
        QCOMPARE(p->scansione, nome.endsWith('s'));
    }
    QVERIFY(!Progetto("Form6"));
    QCOMPARE(Progetto("Form3s")->client, QSize(10800, 7395));
    QCOMPARE(Progetto("Form15")->client, QSize(8325, 5730));
}

void TestCornice::contatoriAzzeratiAdOgniApertura_data()
{
    QTest::addColumn<QString>("nome");
    for (const QString& n : NomiFinestreEsercizio()) QTest::newRow(qPrintable(n)) << n;
}

void TestCornice::contatoriAzzeratiAdOgniApertura()
{
    QFETCH(QString, nome);
    AmbienteProva a;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    a.p->Esatti = 12;
    a.p->Errati = 7;
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    QCOMPARE(a.p->Esatti, 0);
    QCOMPARE(a.p->Errati, 0);
    BarraStato* barra = f->cornice().StatusBar1;
    QCOMPARE(barra->Text(1), QString("Esatti 0"));
    QCOMPARE(barra->Text(2), QString("Errati 0"));
    const bool abbinaScansione = nome == "Form3s";
    QCOMPARE(barra->NumeroPannelli(), abbinaScansione ? 2 : 3);
    if (!abbinaScansione) {
        QVERIFY(!barra->PannelloVisibile(3));
        QCOMPARE(barra->Text(3), QString("Avanti"));
    }
    // The grid is laid out hidden at activation, with its header row only.
    QVERIFY(!f->cornice().Griglia->Visible());
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 1);
    // Every window draws its first item once: at load (Form1) or at activation.
    QCOMPARE(Prossimi(*f), 1);
    QVERIFY(a.servizi->messaggi.empty());

    f->ContaEsatto();
    f->ContaErrato();
    f->Scarica();
    f->Mostra();
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 0"));
    QCOMPARE(f->cornice().StatusBar1->Text(2), QString("Errati 0"));
    f->Scarica();
}

void TestCornice::azzeraConteggioLasciaLElemento()
{
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, "Form2");
    f->Mostra();
    f->ContaErrato();
    f->ContaErrato();
    f->MostraAvanti();
    f->RiempiGriglia({"sbaglio "});
    f->cornice().MenuAzzera->Scegli();
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 0"));
    QCOMPARE(f->cornice().StatusBar1->Text(2), QString("Errati 0"));
    QVERIFY(f->cornice().StatusBar1->PannelloVisibile(3));
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 2);
    QCOMPARE(Prossimi(*f), 1);
    f->ContaEsatto();
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 0")); // the panel is a step of its own
    f->ScriviEsatti();
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 1"));
    f->Scarica();
}

void TestCornice::contatoriNonPassano32767()
{
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, "Form4");
    f->Mostra();
    a.p->Esatti = 32766;
    a.p->Errati = 32767;
    f->ContaEsatto();
    f->ContaEsatto();
    f->ContaErrato();
    f->ScriviContatori();
    QCOMPARE(a.p->Esatti, 32767);
    QCOMPARE(a.p->Errati, 32767);
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 32767"));
    QCOMPARE(f->cornice().StatusBar1->Text(2), QString("Errati 32767"));
    f->Scarica();
}

void TestCornice::avantiSoloDalPannello3_data()
{
    QTest::addColumn<QString>("nome");
    for (const char* n : {"Form1", "Form1s", "Form2", "Form3", "Form5s", "Form15"}) QTest::newRow(n) << QString(n);
}

void TestCornice::avantiSoloDalPannello3()
{
    QFETCH(QString, nome);
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    const int prima = Prossimi(*f);
    BarraStato* barra = f->cornice().StatusBar1;
    f->MostraAvanti();
    QVERIFY(barra->PannelloVisibile(3));
    a.p->Esatti = 3;

    // A real click on panels 1 and 2 does nothing.
    for (int p : {1, 2}) {
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->RettangoloPannello(p).center());
        QCOMPARE(Prossimi(*f), prima);
        QVERIFY(barra->PannelloVisibile(3));
    }
    // A click on "Avanti" hides it and starts the next item; counters stay.
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->RettangoloPannello(3).center());
    QCOMPARE(Prossimi(*f), prima + 1);
    QVERIFY(!barra->PannelloVisibile(3));
    QCOMPARE(a.p->Esatti, 3);
    // The comparison is on the texts: a first panel that reads "Avanti" passes too.
    barra->setText(1, "Avanti");
    f->StatusBar1_PanelClick(1);
    QCOMPARE(Prossimi(*f), prima + 2);
    barra->setText(1, "avanti");
    f->StatusBar1_PanelClick(1);
    QCOMPARE(Prossimi(*f), prima + 2);
    // In grid view the grid lies over the status bar too: the panel cannot be reached under it.
    barra->setText(1, "Esatti 3");
    f->MostraAvanti();
    f->mnuVisual_Click();
    QWidget* sotto = f->client()->childAt(barra->mapTo(f->client(), barra->RettangoloPannello(3).center()));
    QVERIFY(sotto && (sotto == f->cornice().Griglia || f->cornice().Griglia->isAncestorOf(sotto)));
    f->Scarica();
}

void TestCornice::esciNoNonCambiaNulla()
{
    AmbienteProva a;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    auto f = CreaFinestra(*a.p, "Form7s");
    a.p->ModalitaInput = ModoScansioneAutomatica;
    f->Mostra();
    f->ContaEsatto();
    f->RiempiGriglia({""});
    a.servizi->risposte = {msg::RispostaNo};
    f->cornice().mnuEsci->Scegli();
    QCOMPARE(a.servizi->messaggi.size(), size_t(1));
    QCOMPARE(a.servizi->messaggi[0].testo, QString("Vuoi tornare al menù?"));
    QCOMPARE(a.servizi->messaggi[0].stile, 36);
    QCOMPARE(a.servizi->messaggi[0].titolo, QString("Frasolino - 1°"));
    QVERIFY(f->Caricata());
    QCOMPARE(a.menuMostrato, 0);
    QCOMPARE(a.p->Esatti, 1);
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 2);
    QVERIFY(f->cornice().Timer1->Enabled());
    f->Scarica();
}

void TestCornice::esciSiTornaAlMenu_data()
{
    QTest::addColumn<QString>("nome");
    for (const QString& n : NomiFinestreEsercizio())
        if (n != "Form3s") QTest::newRow(qPrintable(n)) << n;
}

void TestCornice::esciSiTornaAlMenu()
{
    QFETCH(QString, nome);
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneManuale;
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    f->ContaEsatto();
    f->ContaErrato();
    // The program must not end while no window is loaded between the unload and the menu.
    bool finito = false;
    a.p->finestre().FineProgramma = [&] { finito = true; };
    bool caricataQuandoMenu = true;
    a.p->MostraMenu = [&] {
        caricataQuandoMenu = f->Caricata();
        ++a.menuMostrato;
    };
    QPointer<Temporizzatore> timer = f->cornice().Timer1;
    a.servizi->risposte = {msg::RispostaYes};
    f->cornice().mnuEsci->Scegli();
    // The unloaded window's scan timer is off before its widgets are gone.
    QVERIFY(!timer || !timer->Enabled());
    QCOMPARE(a.menuMostrato, 1);
    QVERIFY(!caricataQuandoMenu);
    QVERIFY(!f->Caricata());
    QVERIFY(!finito);
    QCOMPARE(a.p->Esatti, 0);
    QCOMPARE(a.p->Errati, 0);
}

void TestCornice::esciAbbinaScansioneTornaSubito()
{
    AmbienteProva a;
    a.p->ModalitaInput = ModoFrecce;
    auto f = CreaFinestra(*a.p, "Form3s");
    f->Mostra();
    f->ContaEsatto();
    bool caricataQuandoMenu = false;
    a.p->MostraMenu = [&] { caricataQuandoMenu = f->Caricata(); };
    f->cornice().mnuEsci->Scegli();
    QVERIFY(a.servizi->messaggi.empty());
    QVERIFY(caricataQuandoMenu); // the menu is shown first, then the window goes
    QVERIFY(!f->Caricata());
    QCOMPARE(a.p->Esatti, 1);
}

void TestCornice::campiSopravvivonoControlliRinascono()
{
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, "Form2");
    f->Mostra();
    f->Livello = 4;
    f->PercorsoLista = "altro";
    f->cornice().mnuLiv[0]->setChecked(false);
    f->cornice().mnuLiv[3]->setChecked(true);
    f->cornice().mnuLivelli->setBloccato(true);
    f->mnuVisual_Click();
    f->Scarica();
    QVERIFY(!f->cornice().StatusBar1);
    f->Mostra();
    // Load sets the level and its list again; the menus start from the design.
    QCOMPARE(f->Livello, 1);
    QVERIFY(f->PercorsoLista.endsWith("Riconoscisoggettopredicato/liv1.txt"));
    QVERIFY(f->cornice().mnuLiv[0]->Checked());
    QVERIFY(!f->cornice().mnuLiv[3]->Checked());
    QVERIFY(!f->cornice().mnuLivelli->Bloccato());
    QVERIFY(f->cornice().mnuLivelli->Enabled());
    QVERIFY(!f->cornice().mnuChiudi->Enabled());
    QVERIFY(f->cornice().mnuEsci->Enabled());
    QVERIFY(!f->cornice().Griglia->Visible());
    auto* frasi = dynamic_cast<FinestraFrasi*>(f.get());
    QCOMPARE(frasi->NumeroFrasi, 1);
    QCOMPARE(frasi->Frasi[1], QString("Il cane#0#abbaia#1#"));
    f->Scarica();
}

void TestCornice::oggettoRicaricatoAdOgniApertura()
{
    AmbienteProva a;
    const QString altra = a.Scrivi("mie/altra.txt", "Uno#0#due#1#\r\nTre#0#quattro#1#\r\n");
    auto f = CreaFinestra(*a.p, "Form5");
    f->Mostra();
    a.servizi->fileScelti = {altra};
    f->cornice().mnuCambia->Scegli();
    QCOMPARE(a.p->FileEsercizio, altra);
    QCOMPARE(dynamic_cast<FinestraFrasi&>(*f).NumeroFrasi, 2);
    f->Scarica();
    f->Mostra();
    QCOMPARE(a.p->FileEsercizio, a.cartellaProgramma.filePath("testifrasolino/complementi/oggetto.txt"));
    QCOMPARE(dynamic_cast<FinestraFrasi&>(*f).NumeroFrasi, 1);
    f->Scarica();
}

void TestCornice::coppieRicaricanoLaListaScelta()
{
    AmbienteProva a;
    const QString scelta = a.Scrivi("mie/coppie.txt", "\"la mucca\",0,\"muggisce\",1\r\n");
    for (const char* nome : {"Form1", "Form1s", "Form3", "Form3s"}) {
        auto f = CreaFinestra(*a.p, nome);
        auto& c = dynamic_cast<CoppieContate&>(*f);
        f->Mostra();
        QCOMPARE(c.PercorsoLista, a.cartellaProgramma.filePath("testifrasolino/soggettopredicato/lista.txt"));
        QCOMPARE(c.NumeroFrasi, 2);
        a.servizi->fileScelti = {scelta};
        f->cornice().mnuCambia->Scegli();
        QCOMPARE(c.PercorsoLista, scelta);
        f->Scarica();
        f->Mostra();
        QCOMPARE(c.PercorsoLista, scelta);
        QCOMPARE(c.NumeroFrasi, 1);
        QCOMPARE(c.Soggetti[1], QString("la mucca"));
        // A list deleted since it was chosen falls back to the default list.
        f->Scarica();
        QFile::remove(scelta);
        f->Mostra();
        QCOMPARE(c.PercorsoLista, a.cartellaProgramma.filePath("testifrasolino/soggettopredicato/lista.txt"));
        QCOMPARE(c.NumeroFrasi, 2);
        QCOMPARE(c.Soggetti[1], QString("il cane"));
        f->Scarica();
        a.Scrivi("mie/coppie.txt", "\"la mucca\",0,\"muggisce\",1\r\n");
    }
}

void TestCornice::menuDiOgniFinestra_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("barra");
    QTest::addColumn<QStringList>("utilita");
    QTest::addColumn<QStringList>("livelli");
    const QStringList normale = {"Chiudi griglia", "Utilità     ", "Azzera conteggio     ", "Esci"};
    const QStringList conLivelli = {"Chiudi griglia", "Utilità     ", "Azzera conteggio     ", "Esercizio     ", "Esci"};
    const QStringList util = {"Esercizi eseguiti", "Modifica archivio in uso           "};
    const QStringList l5 = {"livello 1", "livello 2", "livello 3", "livello 4", "livello 5"};
    QTest::newRow("Form2") << "Form2" << conLivelli << util << l5;
    QTest::newRow("Form2s") << "Form2s" << conLivelli << util << l5;
    QTest::newRow("Form4") << "Form4" << conLivelli << util << (l5 + QStringList{"livello 6"});
    QTest::newRow("Form4s") << "Form4s" << conLivelli << util << l5;
    const QStringList ordini = {"soggetto - predicato", "predicato - soggetto", "casuale"};
    QTest::newRow("Form1") << "Form1" << conLivelli << util << ordini;
    QTest::newRow("Form1s") << "Form1s" << conLivelli << util << ordini;
    for (const char* n : {"Form5", "Form5s", "Form7", "Form7s", "Form11", "Form11s", "Form14", "Form14s", "Form15", "Form15s"})
        QTest::newRow(n) << QString(n) << normale << util << QStringList{};
    QTest::newRow("Form3") << "Form3"
                           << QStringList{"Utilità     ", "Chiudi griglia     ", "Azzera conteggio          ", "Esci"}
                           << QStringList{"numero coppie ", "esercizi eseguiti", "modifica archivio in uso          "}
                           << QStringList{};
    QTest::newRow("Form3s") << "Form3s" << QStringList{"Utilità", "Chiudi", "Azzera conteggio", "Esci"}
                            << QStringList{"numero coppie", "esercizi eseguiti", "Modifica archivio in uso"}
                            << QStringList{};
}

static QStringList Testi(const QList<QAction*>& azioni)
{
    QStringList t;
    for (QAction* a : azioni) t << a->text();
    return t;
}

void TestCornice::menuDiOgniFinestra()
{
    QFETCH(QString, nome);
    QFETCH(QStringList, barra);
    QFETCH(QStringList, utilita);
    QFETCH(QStringList, livelli);
    AmbienteProva a;
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    const auto& c = f->cornice();
    QCOMPARE(Testi(f->widget()->menuBar()->actions()), barra);
    QCOMPARE(Testi(c.mnuUtil->menu()->actions()), utilita);
    QCOMPARE(Testi(c.mnuEs->menu()->actions()), (QStringList{"visualizza", "stampa"}));
    QCOMPARE(c.mnuChiudi->Enabled(), nome == "Form3s");
    QCOMPARE(c.mnuLiv.size(), size_t(livelli.size()));
    if (!livelli.isEmpty()) {
        QCOMPARE(Testi(c.mnuLivelli->menu()->actions()), livelli);
        const int spuntato = nome == "Form1" || nome == "Form1s" ? 3 : 1;
        for (int i = 0; i < livelli.size(); ++i) QCOMPARE(c.mnuLiv[i]->Checked(), i + 1 == spuntato);
    }
    f->Scarica();
}

void TestCornice::sceltaListaAnnullata_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("scelta"); // what the dialog hands back
    for (const char* n : {"Form2", "Form7s", "Form1s", "Form3s", "Form15s"}) QTest::newRow(n) << QString(n) << QString();
    // A path longer than the dialog's buffer is no choice either.
    QTest::newRow("Form2 path too long") << "Form2" << QString("/tmp/" + QString(250, 'x') + ".txt");
}

void TestCornice::sceltaListaAnnullata()
{
    QFETCH(QString, nome);
    QFETCH(QString, scelta);
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneAutomatica;
    a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
    a.servizi->fileScelti = {scelta};
    auto f = CreaFinestra(*a.p, nome);
    f->Mostra();
    const int prima = Prossimi(*f);
    const QString percorso = f->PercorsoLista;
    bool timerDuranteDialogo = true;
    Temporizzatore* timer = f->cornice().Timer1;
    a.servizi->mentreMessaggio = [&](const ServiziFinti::Messaggio&) {
        if (timer) timerDuranteDialogo = timer->Enabled();
    };
    f->cornice().mnuCambia->Scegli();
    QCOMPARE(a.servizi->richiesteFile.size(), size_t(1));
    const auto& r = a.servizi->richiesteFile[0];
    QVERIFY(r.apri);
    QCOMPARE(r.titolo, QString("Apri"));
    QCOMPARE(r.nomeIniziale, QString());
    QCOMPARE(r.filtro, QString("|*.txt"));
    QCOMPARE(r.estensione, QString("txt"));
    QCOMPARE(QDir::cleanPath(r.cartellaIniziale), a.cartellaProgramma.filePath("testifrasolino/soggettopredicato"));
    QCOMPARE(a.servizi->TestiMessaggi(), QStringList{"Non hai scelto nessuna lista!"});
    QCOMPARE(a.servizi->messaggi[0].stile, 16);
    QCOMPARE(a.servizi->messaggi[0].titolo, QString("Frasolino - 1°"));
    QCOMPARE(Prossimi(*f), prima);
    QCOMPARE(f->PercorsoLista, percorso);
    if (timer) {
        QVERIFY(!timerDuranteDialogo);
        QVERIFY(timer->Enabled());
    }
    f->Scarica();
}

void TestCornice::sceltaListaFatta()
{
    AmbienteProva a;
    a.p->ModalitaInput = ModoScansioneManuale;
    const QString scelta = a.Scrivi("mie/lista.txt", "A#0#b#1#\r\n\r\nC#0#d#1#\r\n");
    auto f = CreaFinestra(*a.p, "Form2s");
    f->Mostra();
    f->ContaEsatto();
    f->RiempiGriglia({""});
    f->cornice().Timer1->setEnabled(false);
    a.servizi->fileScelti = {scelta};
    f->cornice().mnuCambia->Scegli();
    auto& frasi = dynamic_cast<FrasiContate&>(*f);
    QCOMPARE(frasi.PercorsoLista, scelta);
    QCOMPARE(frasi.NumeroFrasi, 3);
    QCOMPARE(frasi.frasi, 2);
    QVERIFY(a.servizi->messaggi.empty());
    QCOMPARE(a.p->Esatti, 1);
    QCOMPARE(f->cornice().Griglia->Modello().Rows(), 2);
    QCOMPARE(f->Livello, 1);
    QVERIFY(f->cornice().Timer1->Enabled());
    f->Scarica();
}

void TestCornice::listaMancanteAllaApertura()
{
    AmbienteProva a;
    QFile::remove(a.cartellaProgramma.filePath("testifrasolino/Riconoscisoggettopredicato/liv1.txt"));
    auto f = CreaFinestra(*a.p, "Form4");
    f->Mostra();
    EliminaRimandati(); // said once the window is on screen
    QCOMPARE(a.servizi->messaggi.size(), size_t(1));
    QVERIFY(a.servizi->messaggi[0].testo.contains("liv1.txt"));
    QCOMPARE(a.servizi->messaggi[0].titolo, QString("Frasolino - 1°"));
    QCOMPARE(dynamic_cast<FinestraFrasi&>(*f).NumeroFrasi, 0);
    // The window stays usable: another list, and the way back.
    const QString scelta = a.Scrivi("mie/l.txt", "X#0#y#1#\r\n");
    a.servizi->fileScelti = {scelta};
    f->cornice().mnuCambia->Scegli();
    QCOMPARE(dynamic_cast<FinestraFrasi&>(*f).NumeroFrasi, 1);
    a.servizi->risposte = {msg::RispostaYes};
    f->cornice().mnuEsci->Scegli();
    QVERIFY(!f->Caricata());
    QCOMPARE(a.menuMostrato, 1);
}

void TestCornice::attivazioneIntervalloScansione_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("intervallo");
    QTest::newRow("manual keeps 100") << 1 << 8 << 100;
    QTest::newRow("arrows keep 100") << 3 << 8 << 100;
    QTest::newRow("automatic 4") << 2 << 4 << 1000;
    QTest::newRow("automatic 60") << 2 << 60 << 15000;
    QTest::newRow("automatic 131") << 2 << 131 << 32750;
}

void TestCornice::attivazioneIntervalloScansione()
{
    QFETCH(int, modo);
    QFETCH(int, velocita);
    QFETCH(int, intervallo);
    AmbienteProva a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->VelocitaScansione = static_cast<std::int16_t>(velocita);
    for (const char* nome : {"Form2s", "Form3s", "Form14s"}) {
        a.p->FileEsercizio = a.cartellaProgramma.filePath("testifrasolino/complementi/mezzo.txt");
        auto f = CreaFinestra(*a.p, nome);
        f->Mostra();
        QVERIFY(f->cornice().Timer1->Enabled());
        QCOMPARE(f->cornice().Timer1->Interval(), intervallo);
        f->Scarica();
    }
    // The mouse windows have no timer.
    auto m = CreaFinestra(*a.p, "Form2");
    m->Mostra();
    QVERIFY(!m->cornice().Timer1);
    m->Scarica();
}

void TestCornice::barraStatoInScala_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<double>("scala");
    for (const QString& n : NomiFinestreEsercizio())
        for (const double s : {0.6, 1.0, 1.5}) QTest::newRow(qPrintable(QString("%1 x%2").arg(n).arg(s))) << n << s;
}

void TestCornice::barraStatoInScala()
{
    // The shipped lists, whose long sentences reach the last rows; pictures of the panels' sizes.
    QFETCH(QString, nome);
    QFETCH(double, scala);
    Ambiente a;
    for (const auto& [file, lato] :
         {std::pair("esatti", QSize(49, 32)), {"errati", {37, 32}}, {"avanti", {185, 96}}}) {
        QImage immagine(lato, QImage::Format_RGB32);
        immagine.fill(Qt::darkGreen);
        QVERIFY(immagine.save(a.Scrivi(QString("immagini/pannello_%1.png").arg(file), {})));
    }
    const int ripasso = nome.startsWith("Form7") ? 1 : nome.startsWith("Form11") ? 4 : 7;
    a.p->FileEsercizio = a.cartellaProgramma.filePath(QString("testifrasolino/complementi/ripasso%1.txt").arg(ripasso));
    a.p->NumeroComplemento = static_cast<std::int16_t>(ripasso + 2);
    FinestraEsercizio* f = a.Apri(nome);
    f->widget()->resize(f->widget()->size() + f->client()->size() * (scala - 1));
    a.p->Esatti = a.p->Errati = 32767; // the widest counts
    f->ScriviContatori();
    f->MostraAvanti();
    const BarraStato& barra = *f->cornice().StatusBar1;
    QVERIFY(std::abs(barra.font().pointSizeF() - f->progetto().puntiBarraStato * scala) < 0.05);
    const QFontMetricsF fm(barra.font());
    for (int i = 1; i <= barra.NumeroPannelli(); ++i) {
        const QRect p = barra.RettangoloPannello(i), t = barra.RettangoloTesto(i), img = barra.RettangoloImmagine(i);
        QVERIFY(barra.rect().contains(p) && p.contains(t) && p.contains(img) && !img.isEmpty());
        QVERIFY(fm.horizontalAdvance(barra.Text(i)) <= t.width() && fm.height() <= t.height());
    }
    // No control lies under the bar.
    for (QWidget* w : f->client()->findChildren<QWidget*>())
        if (w->isVisibleTo(f->client()) && w != &barra && !barra.isAncestorOf(w))
            QVERIFY(!barra.geometry().intersects({w->mapTo(f->client(), QPoint()), w->size()}));
}

FRASOLINO_TEST(TestCornice);
#include "tst_cornice.moc"
