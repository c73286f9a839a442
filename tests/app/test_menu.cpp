// The main menu: its entries, its load in every input mode, the hover highlight, the sounds check
// box, the launcher and the exercise windows it opens, its menu bar.
#include "suite.h"
#include "ambiente.h"
#include "finestre.h"

#include "app/progettifinestre.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "app/formmenu.h"
#include "app/registro.h"
#include "exercises/pairs/finestraabbina.h"
#include "exercises/pairs/finestrasoggettopredicato.h"
#include "exercises/sentences/finestrafrase.h"
#include "platform/twips.h"

#include <QFileInfo>
#include <QTest>

namespace {
constexpr Colore Giallino = 0x00C0FFFF;
constexpr Colore Verde = 0x0000FF00;
} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void voci_data();
    void voci();
    void casellaSuoniEBarraDeiMenu();
    void caricamento_data();
    void caricamento();
    void evidenziazioneAlPassaggio();
    void nessunPassaggioFuoriDalMouse_data();
    void nessunPassaggioFuoriDalMouse();
    void casellaSuoniNonSalva();
    void clicSuUnaVoce_data();
    void clicSuUnaVoce();
    void avviaEsercizi_data();
    void avviaEsercizi();
    void indiceFuoriIntervallo_data();
    void indiceFuoriIntervallo();
    void esciNo();
    void esciSi();
    void configurazioniEAbout_data();
    void configurazioniEAbout();
    void documentazione();
    void finestreEsercizio_data();
    void finestreEsercizio();
    void esciDaUnEsercizio();
    void chiusuraDellUltimaFinestra();
    void ricaricaFresca();
    void listaSenzaElementi_data();
    void listaSenzaElementi();
};

void TestMenu::voci_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("corsivo");
    const int L[] = {240, 3600, 6960};
    auto riga = [](int r) { return 240 + 720 * r; };
    const struct {
        const char* caption;
        int col, row;
        bool ripasso;
    } voci[] = {
        {"soggetto - predicato", 0, 0, false},
        {"abbina   soggetto / predicato", 0, 1, false},
        {"riconosci il predicato", 0, 2, false},
        {"riconosci il soggetto", 0, 3, false},
        {"soggetto sottinteso", 0, 4, false},
        {"complemento oggetto", 0, 5, false},
        {"complemento di specificazione", 0, 6, false},
        {"ripasso 1", 0, 7, true},
        {"complemento di termine", 1, 0, false},
        {"ripasso 2", 1, 1, true},
        {"complemento di causa", 1, 2, false},
        {"ripasso 3", 1, 3, true},
        {"complemento di  mezzo", 1, 4, false},
        {"ripasso 4", 1, 5, true},
        {"complementi di compagnia/unione", 1, 6, false},
        {"ripasso 5", 1, 7, true},
        {"complementi di luogo", 2, 0, false},
        {"ripasso 6", 2, 1, true},
        {"complemento di modo", 2, 2, false},
        {"ripasso 7", 2, 3, true},
        {"complementi di tempo", 2, 4, false},
        {"ripasso 8", 2, 5, true},
        {"Esci", 2, 7, false},
    };
    int i = 0;
    for (const auto& v : voci) {
        QTest::addRow("%d %s", i, v.caption) << i << QString::fromUtf8(v.caption) << L[v.col] << riga(v.row)
                                              << v.ripasso;
        ++i;
    }
}

void TestMenu::voci()
{
    QFETCH(int, indice);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, corsivo);
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QCOMPARE(m.Label1.Count(), 23);
    QCOMPARE(m.Label1.LBound(), 0);
    QCOMPARE(m.Label1.UBound(), 22);
    Etichetta& e = m.Label1(indice);
    QCOMPARE(e.Caption(), caption);
    QCOMPARE(e.Left(), left);
    QCOMPARE(e.Top(), top);
    QCOMPARE(e.Width(), 2175);
    QCOMPARE(e.Height(), 495);
    QCOMPARE(e.BackColor(), Giallino);
    QVERIFY(e.isVisible());
    QCOMPARE(e.font().family(), QStringLiteral("Verdana"));
    QCOMPARE(e.font().pointSizeF(), 9.0);
    QVERIFY(e.font().bold());
    QCOMPARE(e.font().italic(), corsivo);
}

void TestMenu::casellaSuoniEBarraDeiMenu()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    CasellaSpunta* c = m.controlli().Check1;
    QVERIFY(c);
    QCOMPARE(c->Caption(), QStringLiteral("Suoni attivati"));
    QCOMPARE(c->Left(), 6960);
    QCOMPARE(c->Top(), 4560);
    QCOMPARE(c->Width(), 2175);
    QCOMPARE(c->Height(), 495);
    QVERIFY(c->font().bold());
    QVERIFY(c->HaPuntatorePersonale());
    QCOMPARE(m.BackColor(), Giallino);
    // The box really shows its back colour (its right end holds no text).
    QCOMPARE(c->grab().toImage().pixelColor(c->width() - 2, 2), colore::aQColor(Giallino));
    QCOMPARE(m.ScaleWidth(), 14445);
    QCOMPARE(m.ScaleHeight(), 6105);

    QVERIFY(AzioneMenu(m, {"Configurazioni"}));
    QVERIFY(AzioneMenu(m, {"Informazioni"}));
    QVERIFY(AzioneMenu(m, {"Informazioni", "documentazione"}));
    QVERIFY(AzioneMenu(m, {"Informazioni", "about"}));
    QCOMPARE(m.widget()->menuBar()->actions().size(), 2);

    // The focus boxes exist, can take the focus and stay out of sight.
    for (CasellaFuoco* f : {m.controlli().PictureFrecce, m.controlli().PictureScansioneManuale, m.controlli().PictureScansioneAutomatica}) {
        QVERIFY(f);
        QVERIFY(f->focusPolicy() != Qt::NoFocus);
        QVERIFY(f->width() <= 2);
        QVERIFY(f->height() <= 2);
    }
    QVERIFY(m.controlli().Timer1);
}

void TestMenu::caricamento_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("cursoreDiSistema");
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<bool>("puntatoriPropri"); // on every entry
    QTest::addColumn<bool>("puntatoreCasella");
    QTest::addColumn<bool>("timerAttivo");
    QTest::addColumn<int>("intervallo");
    QTest::addColumn<bool>("evidenziata"); // entry 0 in the scan colour

    QTest::newRow("mouse, puntatori propri") << 0 << false << true << 4 << true << true << false << 100 << false;
    QTest::newRow("mouse, cursore di sistema") << 0 << true << false << 4 << false << false << false << 100 << false;
    QTest::newRow("scansione manuale") << 1 << false << true << 4 << false << false << true << 100 << true;
    QTest::newRow("scansione automatica 4") << 2 << false << false << 4 << false << false << true << 1000 << true;
    QTest::newRow("scansione automatica 60") << 2 << true << true << 60 << false << false << true << 15000 << true;
    QTest::newRow("frecce") << 3 << false << true << 9 << false << false << true << 100 << true;
}

void TestMenu::caricamento()
{
    QFETCH(int, modo);
    QFETCH(bool, cursoreDiSistema);
    QFETCH(bool, suoni);
    QFETCH(int, velocita);
    QFETCH(bool, puntatoriPropri);
    QFETCH(bool, puntatoreCasella);
    QFETCH(bool, timerAttivo);
    QFETCH(int, intervallo);
    QFETCH(bool, evidenziata);

    Ambiente a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->CursoreDiSistema = cursoreDiSistema;
    a.p->SuoniAttivati = suoni;
    a.p->VelocitaScansione = static_cast<std::int16_t>(velocita);
    a.p->ColoreScansione = Verde;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.VoceEvidenziata = 7;
    m.Mostra();

    for (int k = 0; k < 23; ++k) QCOMPARE(m.Label1(k).HaPuntatorePersonale(), puntatoriPropri);
    if (puntatoriPropri) {
        const QCursor c0 = *m.Label1(0).Puntatore();
        QCOMPARE(c0.hotSpot(), QPoint(3, 1));
        QCOMPARE(c0.pixmap().size(), QSize(32, 32));
        for (int k = 1; k < 23; ++k) QCOMPARE(m.Label1(k).Puntatore()->hotSpot(), c0.hotSpot());
    }
    QCOMPARE(m.controlli().Check1->HaPuntatorePersonale(), puntatoreCasella);
    QCOMPARE(m.controlli().Timer1->Enabled(), timerAttivo);
    QCOMPARE(m.controlli().Timer1->Interval(), intervallo);
    QCOMPARE(m.Label1(0).BackColor(), evidenziata ? Verde : Giallino);
    if (evidenziata) QCOMPARE(int(m.VoceEvidenziata), 0);
    for (int k = 1; k < 23; ++k) QCOMPARE(m.Label1(k).BackColor(), Giallino);
    QCOMPARE(m.controlli().Check1->Value(), suoni ? 1 : 0);
    QCOMPARE(m.controlli().Check1->BackColor(), Giallino);
    QCOMPARE(a.p->SuoniAttivati, suoni);
}

void TestMenu::evidenziazioneAlPassaggio()
{
    Ambiente a;
    a.p->ColoreScansione = Verde;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    auto evidenziate = [&m] {
        QList<int> l;
        for (int k = 0; k < 23; ++k)
            if (m.Label1(k).BackColor() == Verde) l << k;
            else if (m.Label1(k).BackColor() != Giallino) l << -100 - k;
        return l;
    };

    MuoviSopra(&m.Label1(3));
    QCOMPARE(evidenziate(), QList<int>{3});
    MuoviSopra(&m.Label1(20));
    QCOMPARE(evidenziate(), QList<int>{20});
    // From an entry onto the check box: both stay highlighted.
    MuoviSopra(m.controlli().Check1);
    QCOMPARE(m.controlli().Check1->BackColor(), Verde);
    QCOMPARE(evidenziate(), QList<int>{20});
    // Onto another entry: the entries change, the check box keeps its colour.
    MuoviSopra(&m.Label1(8));
    QCOMPARE(evidenziate(), QList<int>{8});
    QCOMPARE(m.controlli().Check1->BackColor(), Verde);
    // Onto the window itself: everything back to the window colour.
    MuoviSopra(m.client(), QPoint(twips::aPixel(3000), twips::aPixel(100)));
    QCOMPARE(evidenziate(), QList<int>{});
    QCOMPARE(m.controlli().Check1->BackColor(), Giallino);
}

void TestMenu::nessunPassaggioFuoriDalMouse_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("manuale") << 1;
    QTest::newRow("automatica") << 2;
    QTest::newRow("frecce") << 3;
}

void TestMenu::nessunPassaggioFuoriDalMouse()
{
    QFETCH(int, modo);
    Ambiente a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->ColoreScansione = Verde;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    MuoviSopra(&m.Label1(5));
    MuoviSopra(m.controlli().Check1);
    QCOMPARE(m.Label1(0).BackColor(), Verde);
    QCOMPARE(m.Label1(5).BackColor(), Giallino);
    QCOMPARE(m.controlli().Check1->BackColor(), Giallino);
    MuoviSopra(m.client(), QPoint(twips::aPixel(3000), twips::aPixel(100)));
    QCOMPARE(m.Label1(0).BackColor(), Verde);
}

void TestMenu::casellaSuoniNonSalva()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QVERIFY(a.p->SuoniAttivati);
    QTest::mouseClick(m.controlli().Check1, Qt::LeftButton);
    QCOMPARE(m.controlli().Check1->Value(), 0);
    QCOMPARE(a.p->SuoniAttivati, false);
    QTest::mouseClick(m.controlli().Check1, Qt::LeftButton);
    QCOMPARE(a.p->SuoniAttivati, true);
    QTest::mouseClick(m.controlli().Check1, Qt::LeftButton);
    QCOMPARE(a.p->SuoniAttivati, false);
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
}

void TestMenu::clicSuUnaVoce_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("voce");
    QTest::addColumn<QString>("finestra");
    QTest::newRow("mouse, soggetto sottinteso") << 0 << 4 << "Form15";
    QTest::newRow("manuale, abbina") << 1 << 1 << "Form3s";
    QTest::newRow("frecce, ripasso 8") << 3 << 21 << "Form14s";
}

void TestMenu::clicSuUnaVoce()
{
    QFETCH(int, modo);
    QFETCH(int, voce);
    QFETCH(QString, finestra);
    Ambiente a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QTest::mouseClick(&m.Label1(voce), Qt::LeftButton);
    EliminaRimandati();
    QVERIFY(!m.Caricata());
    QVERIFY(r.EsercizioCreato(finestra));
    QVERIFY(r.EsercizioCreato(finestra)->Caricata());
    QCOMPARE(int(m.VoceEvidenziata), 0);
}

void TestMenu::avviaEsercizi_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("file"); // "" = hand-over values untouched
    QTest::addColumn<int>("numero");

    const struct {
        const char* mouse;
        const char* file;
        int numero;
    } righe[] = {
        {"Form1", "", 0},
        {"Form3", "", 0},
        {"Form2", "", 0},
        {"Form4", "", 0},
        {"Form15", "", 0},
        {"Form5", "", 0},
        {"Form7", "specificazione.txt", 3},
        {"Form7", "ripasso1.txt", 3},
        {"Form7", "termine.txt", 4},
        {"Form7", "ripasso2.txt", 4},
        {"Form7", "causa.txt", 5},
        {"Form7", "ripasso3.txt", 5},
        {"Form11", "mezzo.txt", 6},
        {"Form11", "ripasso4.txt", 6},
        {"Form11", "compagnia.txt", 7},
        {"Form11", "ripasso5.txt", 7},
        {"Form11", "luogo.txt", 8},
        {"Form11", "ripasso6.txt", 8},
        {"Form14", "modo.txt", 9},
        {"Form14", "ripasso7.txt", 9},
        {"Form14", "tempo.txt", 10},
        {"Form14", "ripasso8.txt", 10},
    };
    for (int k = 0; k < 22; ++k) {
        for (int modo = 0; modo <= 3; ++modo) {
            const QString nome = QString::fromLatin1(righe[k].mouse) + (modo == 0 ? "" : "s");
            QTest::addRow("voce %d modo %d", k, modo)
                << k << modo << nome << QString::fromLatin1(righe[k].file) << righe[k].numero;
        }
    }
}

void TestMenu::avviaEsercizi()
{
    QFETCH(int, indice);
    QFETCH(int, modo);
    QFETCH(QString, finestra);
    QFETCH(QString, file);
    QFETCH(int, numero);

    Ambiente a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->FileEsercizio = QStringLiteral("prima");
    a.p->NumeroComplemento = -7;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    bool attesa = false; // an event waiting since before the opening runs after it, not within
    QMetaObject::invokeMethod(&m, [&] { attesa = true; }, Qt::QueuedConnection);
    m.AvviaEsercizi(static_cast<std::int16_t>(indice));
    QVERIFY(!attesa);
    EliminaRimandati();

    QVERIFY(!m.Caricata());
    Finestra* f = r.EsercizioCreato(finestra);
    QVERIFY(f);
    QVERIFY(f->Caricata());
    QVERIFY(f->widget()->isVisible());
    QCOMPARE(a.p->finestre().Caricate().size(), std::size_t(1));
    if (indice == 5) {
        // The direct-object windows name their own list when they load.
        QCOMPARE(a.p->FileEsercizio,
                 QDir(a.cartellaProgramma.path()).filePath(QStringLiteral("testifrasolino/complementi/oggetto.txt")));
        QCOMPARE(int(a.p->NumeroComplemento), -7);
    } else if (file.isEmpty()) {
        QCOMPARE(a.p->FileEsercizio, QStringLiteral("prima"));
        QCOMPARE(int(a.p->NumeroComplemento), -7);
    } else {
        QCOMPARE(a.p->FileEsercizio,
                 QDir(a.cartellaProgramma.path()).filePath(QStringLiteral("testifrasolino/complementi/") + file));
        QCOMPARE(int(a.p->NumeroComplemento), numero);
    }
    QVERIFY(a.servizi->messaggi.empty());
    QCOMPARE(a.fini, 0);
}

void TestMenu::indiceFuoriIntervallo_data()
{
    QTest::addColumn<int>("indice");
    QTest::newRow("-1") << -1;
    QTest::newRow("23") << 23;
    QTest::newRow("32767") << 32767;
    QTest::newRow("-32768") << -32768;
}

void TestMenu::indiceFuoriIntervallo()
{
    QFETCH(int, indice);
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    m.AvviaEsercizi(static_cast<std::int16_t>(indice));
    EliminaRimandati();
    QVERIFY(m.Caricata());
    for (const QString& n : NomiFinestreEsercizio()) QVERIFY(!r.EsercizioCreato(n));
    QVERIFY(a.servizi->messaggi.empty());
    QCOMPARE(a.fini, 0);
}

void TestMenu::esciNo()
{
    Ambiente a;
    a.p->ModalitaInput = ModoFrecce;
    a.p->ColoreScansione = Verde;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    m.VoceEvidenziata = 22;
    const Impostazioni prima = a.p->impostazioni;
    a.servizi->risposte = {msg::RispostaNo};
    QTest::mouseClick(&m.Label1(22), Qt::LeftButton);
    EliminaRimandati();

    QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
    const auto& d = a.servizi->messaggi.front();
    QCOMPARE(d.testo, QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(d.stile, 36);
    QCOMPARE(d.titolo, QStringLiteral("Frasolino - 1°"));
    QVERIFY(m.Caricata());
    QVERIFY(m.widget()->isVisible());
    QCOMPARE(int(m.VoceEvidenziata), 22);
    QCOMPARE(m.Label1(0).BackColor(), Verde);
    QVERIFY(m.controlli().Timer1->Enabled());
    QCOMPARE(a.p->impostazioni, prima);
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
    QCOMPARE(a.fini, 0);
}

void TestMenu::esciSi()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QTest::mouseClick(m.controlli().Check1, Qt::LeftButton); // sounds off
    a.servizi->risposte = {msg::RispostaYes};
    m.AvviaEsercizi(22);
    QCOMPARE(a.servizi->TestiMessaggi(), QStringList{"Vuoi uscire dal programma?"});
    QCOMPARE(a.FileImpostazioniLetto(), QByteArray("False\r\nFalse\r\n 0 \r\n 4 \r\n 255 \r\n"));
    QCOMPARE(a.fini, 1);
}

void TestMenu::configurazioniEAbout_data()
{
    QTest::addColumn<QStringList>("voce");
    QTest::addColumn<bool>("configura");
    QTest::newRow("Configurazioni") << QStringList{"Configurazioni"} << true;
    QTest::newRow("about") << QStringList{"Informazioni", "about"} << false;
}

void TestMenu::configurazioniEAbout()
{
    QFETCH(QStringList, voce);
    QFETCH(bool, configura);
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QAction* azione = AzioneMenu(m, voce);
    QVERIFY(azione);
    azione->trigger();
    EliminaRimandati();
    QVERIFY(!m.Caricata());
    Finestra& altra = configura ? static_cast<Finestra&>(r.Configura()) : static_cast<Finestra&>(r.Info());
    QVERIFY(altra.Caricata());
    QVERIFY(altra.widget()->isVisible());
    QCOMPARE(a.p->finestre().Caricate().size(), std::size_t(1));
    QCOMPARE(a.fini, 0);
}

void TestMenu::documentazione()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    AzioneMenu(m, {"Informazioni", "documentazione"})->trigger();
    EliminaRimandati();
    QCOMPARE(a.servizi->documenti, QStringList{QDir(a.cartellaProgramma.path()).filePath("frasolino1.pdf")});
    QVERIFY(m.Caricata());
    a.servizi->esitoDocumento = false; // no way to open it: said, with the path to open it by hand
    AzioneMenu(m, {"Informazioni", "documentazione"})->trigger();
    QCOMPARE(a.servizi->TestiMessaggi().size(), 1);
    QVERIFY(a.servizi->TestiMessaggi()[0].contains(QDir::toNativeSeparators(a.servizi->documenti[0])));
}

void TestMenu::finestreEsercizio_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("altezza");
    QTest::newRow("Form1") << "Form1" << 8085 << 4995;
    QTest::newRow("Form1s") << "Form1s" << 7890 << 4995;
    QTest::newRow("Form2") << "Form2" << 8025 << 5835;
    QTest::newRow("Form2s") << "Form2s" << 6480 << 4425;
    QTest::newRow("Form3") << "Form3" << 8790 << 7320;
    QTest::newRow("Form3s") << "Form3s" << 10800 << 7395;
    QTest::newRow("Form4") << "Form4" << 8745 << 5715;
    QTest::newRow("Form4s") << "Form4s" << 6705 << 4425;
    QTest::newRow("Form5") << "Form5" << 9915 << 6315;
    QTest::newRow("Form5s") << "Form5s" << 10530 << 6780;
    QTest::newRow("Form7") << "Form7" << 9840 << 6315;
    QTest::newRow("Form7s") << "Form7s" << 9795 << 6315;
    QTest::newRow("Form11") << "Form11" << 9735 << 6405;
    QTest::newRow("Form11s") << "Form11s" << 9780 << 6405;
    QTest::newRow("Form14") << "Form14" << 9750 << 6825;
    QTest::newRow("Form14s") << "Form14s" << 9825 << 6825;
    QTest::newRow("Form15") << "Form15" << 8325 << 5730;
    QTest::newRow("Form15s") << "Form15s" << 8325 << 5475;
}

void TestMenu::finestreEsercizio()
{
    QFETCH(QString, nome);
    QFETCH(int, larghezza);
    QFETCH(int, altezza);
    Ambiente a;
    RegistroFinestre r(*a.p);
    Finestra& f = *r.Esercizio(nome);
    QCOMPARE(r.Esercizio(nome), &f); // one object per window
    f.Mostra();
    QVERIFY(f.Caricata());
    QVERIFY(std::abs(f.ScaleWidth() - larghezza) < twips::PerPixel);
    QVERIFY(std::abs(f.ScaleHeight() - altezza) < twips::PerPixel);
    QVERIFY(f.widget()->windowTitle().startsWith(QStringLiteral("Frasolino - 1°")));
    QVERIFY(AzioneMenu(f, {"Esci"}));
    QCOMPARE(NomiFinestreEsercizio().count(nome), 1);
}

void TestMenu::esciDaUnEsercizio()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    m.AvviaEsercizi(12);
    EliminaRimandati();
    Finestra* f = r.EsercizioCreato("Form11");
    QVERIFY(f);
    QVERIFY(f->Caricata());
    a.p->Esatti = 5;
    a.p->Errati = 2;

    // No: nothing changes.
    a.servizi->risposte = {msg::RispostaNo};
    AzioneMenu(*f, {"Esci"})->trigger();
    EliminaRimandati();
    QVERIFY(f->Caricata());
    QVERIFY(!m.Caricata());
    QCOMPARE(int(a.p->Esatti), 5);
    QCOMPARE(a.servizi->messaggi.back().testo, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(a.servizi->messaggi.back().stile, 36);
    QCOMPARE(a.servizi->messaggi.back().titolo, QStringLiteral("Frasolino - 1°"));

    // Yes: counters zeroed, the exercise unloaded, the menu back; the program goes on.
    a.servizi->risposte = {msg::RispostaYes};
    AzioneMenu(*f, {"Esci"})->trigger();
    EliminaRimandati();
    QVERIFY(!f->Caricata());
    QVERIFY(m.Caricata());
    QVERIFY(m.widget()->isVisible());
    QCOMPARE(int(a.p->Esatti), 0);
    QCOMPARE(int(a.p->Errati), 0);
    QCOMPARE(a.fini, 0);
    QCOMPARE(r.Esercizio("Form11"), f);
}

void TestMenu::chiusuraDellUltimaFinestra()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    QTest::mouseClick(m.controlli().Check1, Qt::LeftButton);
    m.widget()->close();
    EliminaRimandati();
    QVERIFY(!m.Caricata());
    QCOMPARE(a.fini, 1);
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
    QVERIFY(a.servizi->messaggi.empty());
}

void TestMenu::ricaricaFresca()
{
    // Every showing is a fresh load: the highlight starts again at entry 0, all others plain.
    Ambiente a;
    a.p->ModalitaInput = ModoScansioneManuale;
    a.p->ColoreScansione = Verde;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    m.Label1(0).setBackColor(Giallino);
    m.Label1(9).setBackColor(Verde);
    m.VoceEvidenziata = 9;
    m.AvviaEsercizi(9);
    EliminaRimandati();
    a.p->MostraMenu();
    QVERIFY(m.Caricata());
    QCOMPARE(int(m.VoceEvidenziata), 0);
    QCOMPARE(m.Label1(0).BackColor(), Verde);
    QCOMPARE(m.Label1(9).BackColor(), Giallino);
}

// A list that gives the window nothing to work on is said over the exercise window, the menu's scan
// stopped; with the keys the menu then comes back scanning, with the mouse the window stays.
void TestMenu::listaSenzaElementi_data()
{
    QTest::addColumn<int>("voce");
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("lista");   // under testifrasolino/
    QTest::addColumn<QByteArray>("righe"); // null: no such file
    QTest::addColumn<QString>("avviso");  // %1: the list's path
    const QByteArray ruolo11 = "Il gatto#0#dorme#1#qui#11#", due = "\"a\",0,\"b\",1\n\"c\",0,\"d\",1\n";
    QTest::newRow("Form7s, automatic, role 11") << 6 << 2 << "complementi/specificazione.txt" << ruolo11 << MessaggioNessunaFrase;
    QTest::newRow("Form7, mouse, role 11") << 6 << 0 << "complementi/specificazione.txt" << ruolo11 << MessaggioNessunaFrase;
    QTest::newRow("Form15s, manual, no implied subject")
        << 4 << 1 << "Riconoscisoggettopredicato/sottinteso.txt" << QByteArray("Il gatto#0#dorme#1#") << MessaggioNessunaFrase;
    QTest::newRow("Form1s, arrows, empty list") << 0 << 3 << "soggettopredicato/lista.txt" << QByteArray("") 
        << "La lista in uso non contiene nessuna coppia di soggetto e predicato: scegli un'altra lista.";
    QTest::newRow("Form3s, automatic, two pairs") << 1 << 2 << "soggettopredicato/lista.txt" << due 
        << "La lista in uso non contiene abbastanza coppie di soggetto e predicato (ne servono almeno 3): scegli un'altra lista.";
    QTest::newRow("Form7s, manual, no list") << 6 << 1 << "complementi/specificazione.txt" << QByteArray()
                                             << "Non riesco a leggere la lista:\n%1";
}

void TestMenu::listaSenzaElementi()
{
    QFETCH(int, voce);
    QFETCH(int, modo);
    QFETCH(QString, lista);
    QFETCH(QByteArray, righe);
    QFETCH(QString, avviso);
    Ambiente a;
    const QString percorso = a.Scrivi("testifrasolino/" + lista, righe);
    if (righe.isNull()) QFile::remove(percorso);
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    const VoceMenuEsercizi& v = FormMenu::VociMenu[static_cast<std::size_t>(voce)];
    Finestra* f = r.Esercizio(Progetti().*(modo == ModoMouse ? v.finestraMouse : v.finestraScansione));
    QStringList mentre; // at each message: its owner, and whether the menu was scanning
    a.servizi->mentreMessaggio = [&](const ServiziFinti::Messaggio& msg) {
        mentre << (msg.proprietario == f->widget() ? "esercizio" : "altro")
               << (m.Caricata() && m.controlli().Timer1->Enabled() ? "scansione" : "ferma");
    };
    m.AvviaEsercizi(static_cast<std::int16_t>(voce));
    EliminaRimandati();
    QCOMPARE(a.servizi->TestiMessaggi(), QStringList{avviso.arg(percorso)});
    QCOMPARE(mentre, (QStringList{"esercizio", "ferma"}));
    QCOMPARE(f->Caricata(), modo == ModoMouse);
    QCOMPARE(m.Caricata() && m.controlli().Timer1->Enabled(), modo != ModoMouse);
}

#include "test_menu.moc"

FRASOLINO_TEST(TestMenu);
