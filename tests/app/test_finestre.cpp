// The configuration, splash and about windows.
#include "suite.h"
#include "ambiente.h"
#include "finestre.h"

#include "app/formavvio.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "app/formmenu.h"
#include "app/registro.h"

#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QTest>

namespace {

QString Velocita(const QString& interi, const QString& decimali)
{
    return QStringLiteral("Velocità scansione: ") + interi + QLocale().decimalPoint() + decimali +
           QStringLiteral(" secondi");
}

// The gradient band that covers row y of a client area h pixels high: band i runs from row
// floor(i*h/256) up to row floor((i+1)*h/256); a later band covers an earlier empty one.
QColor ColoreRiga(int y, int h)
{
    int banda = 0;
    while (banda < 255 && (banda + 1) * h / 256 <= y) ++banda;
    return QColor(255 - banda, 255, 255 - banda);
}

// Restores the default locale when the test ends.
struct LocaleTemporaneo {
    QLocale prima;
    explicit LocaleTemporaneo(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleTemporaneo() { QLocale::setDefault(prima); }
};

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT

private slots:
    void configuraProgetto();
    void configuraVisibilita_data();
    void configuraVisibilita();
    void testoVelocita_data();
    void testoVelocita();
    void testoVelocitaItaliano();
    void barraDellaVelocita();
    void sceltaDelModo();
    void cursoreDiSistema();
    void coloreAnnullato();
    void coloreSceltoEEsci();
    void configuraChiusaSenzaSalvare();
    void sfumatura_data();
    void sfumatura();
    void sfumaturaDiNuovoAdOgniAttivazione();
    void avvioProgetto();
    void avvioApreIlMenu();
    void infoTesti();
    void infoChiudi();
    void ridisposizione_data();
    void ridisposizione();
};

void TestFinestre::configuraProgetto()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    QCOMPARE(c.ScaleWidth(), 9810);
    QCOMPARE(c.ScaleHeight(), 7065);
    QCOMPARE(c.Option4.Count(), 4);
    const struct {
        int indice;
        const char* caption;
        int top;
    } opzioni[] = {{0, "Mouse", 1080},
                   {3, "Tastiera - frecce e invio", 2040},
                   {1, "Scansione manuale - spazio e invio ", 3000},
                   {2, "Scansione automatica - spazio", 4080}};
    int topPrima = -1;
    for (const auto& o : opzioni) {
        Opzione& b = c.Option4(o.indice);
        QCOMPARE(b.Caption(), QString::fromUtf8(o.caption));
        QCOMPARE(b.Top(), o.top);
        QCOMPARE(b.Left(), 480);
        QVERIFY(b.Top() > topPrima); // 0, 3, 1, 2 from top to bottom
        topPrima = b.Top();
        QCOMPARE(b.font().pointSizeF(), 14.25);
    }
    QCOMPARE(c.controlli().CheckDisabilitaMousePersonalizzato->Caption(), QStringLiteral("Usa cursore di sistema"));
    QCOMPARE(c.controlli().Command1->Caption(), QStringLiteral("Colore scansione"));
    QCOMPARE(c.controlli().HScroll3->Min(), 4);
    QCOMPARE(c.controlli().HScroll3->Max(), 60);
    QCOMPARE(c.controlli().HScroll3->singleStep(), 1);
    QVERIFY(c.controlli().LabelPerColore->isHidden());
    QVERIFY(AzioneMenu(c, {"&Esci"}));
    QCOMPARE(c.widget()->menuBar()->actions().size(), 1);
}

void TestFinestre::configuraVisibilita_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("barra");
    QTest::addColumn<bool>("testo");
    QTest::addColumn<bool>("casella");
    QTest::newRow("mouse") << 0 << false << false << true;
    QTest::newRow("manuale") << 1 << false << false << false;
    QTest::newRow("automatica") << 2 << true << true << false;
    QTest::newRow("frecce") << 3 << false << false << false;
}

void TestFinestre::configuraVisibilita()
{
    QFETCH(int, modo);
    QFETCH(bool, barra);
    QFETCH(bool, testo);
    QFETCH(bool, casella);
    Ambiente a;
    a.p->ModalitaInput = static_cast<std::int16_t>(modo);
    a.p->VelocitaScansione = 9;
    a.p->CursoreDiSistema = true;
    a.p->ColoreScansione = 0x00FF00;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    for (int k = 0; k <= 3; ++k) QCOMPARE(c.Option4(k).Value(), k == modo);
    QCOMPARE(c.controlli().HScroll3->isVisible(), barra);
    QCOMPARE(c.controlli().Label7->isVisible(), testo);
    QCOMPARE(c.controlli().CheckDisabilitaMousePersonalizzato->isVisible(), casella);
    QCOMPARE(c.controlli().CheckDisabilitaMousePersonalizzato->Value(), 1);
    QCOMPARE(c.controlli().Command1->BackColor(), Colore(0x00FF00));
    if (barra) {
        QCOMPARE(c.controlli().HScroll3->Value(), 9);
        QCOMPARE(c.controlli().Label7->Caption(), Velocita("2", "25"));
    }
    // Nothing changed in the settings by opening the window.
    QCOMPARE(int(a.p->ModalitaInput), modo);
    QCOMPARE(int(a.p->VelocitaScansione), 9);
    QCOMPARE(a.p->CursoreDiSistema, true);
}

void TestFinestre::testoVelocita_data()
{
    QTest::addColumn<int>("velocita");
    QTest::addColumn<QString>("interi");
    QTest::addColumn<QString>("decimali");
    QTest::newRow("4") << 4 << "1" << "00";
    QTest::newRow("5") << 5 << "1" << "25";
    QTest::newRow("6") << 6 << "1" << "50";
    QTest::newRow("7") << 7 << "1" << "75";
    QTest::newRow("40") << 40 << "10" << "00";
    QTest::newRow("60") << 60 << "15" << "00";
}

void TestFinestre::testoVelocita()
{
    QFETCH(int, velocita);
    QFETCH(QString, interi);
    QFETCH(QString, decimali);
    QCOMPARE(FormConfigura::TestoVelocita(static_cast<std::int16_t>(velocita)), Velocita(interi, decimali));
}

void TestFinestre::testoVelocitaItaliano()
{
    const LocaleTemporaneo italiano(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(FormConfigura::TestoVelocita(5), QStringLiteral("Velocità scansione: 1,25 secondi"));
    const LocaleTemporaneo inglese(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(FormConfigura::TestoVelocita(60), QStringLiteral("Velocità scansione: 15.00 secondi"));
}

void TestFinestre::barraDellaVelocita()
{
    Ambiente a;
    a.p->ModalitaInput = ModoScansioneAutomatica;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    QCOMPARE(c.controlli().Label7->Caption(), Velocita("1", "00"));
    c.controlli().HScroll3->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(int(a.p->VelocitaScansione), 5);
    QCOMPARE(c.controlli().Label7->Caption(), Velocita("1", "25"));
    c.controlli().HScroll3->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(int(a.p->VelocitaScansione), 5 + FormConfigura::PassoPagina);
    c.controlli().HScroll3->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(int(a.p->VelocitaScansione), 60);
    QCOMPARE(c.controlli().Label7->Caption(), Velocita("15", "00"));
    c.controlli().HScroll3->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(int(a.p->VelocitaScansione), 60);
    c.controlli().HScroll3->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(int(a.p->VelocitaScansione), 4);
}

void TestFinestre::sceltaDelModo()
{
    Ambiente a;
    a.p->VelocitaScansione = 12;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    c.Option4(ModoScansioneAutomatica).click();
    QCOMPARE(int(a.p->ModalitaInput), int(ModoScansioneAutomatica));
    QVERIFY(c.controlli().HScroll3->isVisible());
    QCOMPARE(c.controlli().HScroll3->Value(), 12);
    QCOMPARE(c.controlli().Label7->Caption(), Velocita("3", "00"));
    QVERIFY(!c.controlli().CheckDisabilitaMousePersonalizzato->isVisible());

    c.Option4(ModoFrecce).click();
    QCOMPARE(int(a.p->ModalitaInput), int(ModoFrecce));
    QVERIFY(!c.controlli().HScroll3->isVisible());
    QVERIFY(!c.controlli().Label7->isVisible());
    QVERIFY(!c.controlli().CheckDisabilitaMousePersonalizzato->isVisible());

    c.Option4(ModoScansioneManuale).setValue(true);
    QCOMPARE(int(a.p->ModalitaInput), int(ModoScansioneManuale));
    QVERIFY(!c.controlli().HScroll3->isVisible());

    c.Option4(ModoMouse).setValue(true);
    QCOMPARE(int(a.p->ModalitaInput), int(ModoMouse));
    QVERIFY(c.controlli().CheckDisabilitaMousePersonalizzato->isVisible());
    QVERIFY(!c.controlli().HScroll3->isVisible());
    QCOMPARE(int(a.p->VelocitaScansione), 12);
}

void TestFinestre::cursoreDiSistema()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    QCOMPARE(c.controlli().CheckDisabilitaMousePersonalizzato->Value(), 0);
    c.controlli().CheckDisabilitaMousePersonalizzato->click();
    QCOMPARE(a.p->CursoreDiSistema, true);
    c.controlli().CheckDisabilitaMousePersonalizzato->click();
    QCOMPARE(a.p->CursoreDiSistema, false);
}

void TestFinestre::coloreAnnullato()
{
    Ambiente a;
    a.p->ColoreScansione = 0x00FF00;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    a.servizi->coloriScelti = {std::nullopt};
    QTest::mouseClick(c.controlli().Command1, Qt::LeftButton);
    QCOMPARE(a.servizi->richiesteColore, 1);
    QCOMPARE(a.p->ColoreScansione, double(0x00FF00));
    QCOMPARE(c.controlli().Command1->BackColor(), Colore(0x00FF00));
}

void TestFinestre::coloreSceltoEEsci()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    a.p->ModalitaInput = ModoScansioneManuale;
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    a.servizi->coloriScelti = {Colore(0xFF8000)};
    QTest::mouseClick(c.controlli().Command1, Qt::LeftButton);
    QCOMPARE(a.p->ColoreScansione, double(0xFF8000));
    QCOMPARE(c.controlli().Command1->BackColor(), Colore(0xFF8000));

    AzioneMenu(c, {"&Esci"})->trigger();
    EliminaRimandati();
    const QList<QByteArray> righe = a.FileImpostazioniLetto().split('\n');
    QCOMPARE(righe.size(), 6);
    QCOMPARE(righe[2], QByteArray(" 1 \r"));
    QCOMPARE(righe[4], QByteArray(" ") + QByteArray::number(0xFF8000) + " \r");
    QVERIFY(!c.Caricata());
    FormMenu& m = r.Menu();
    QVERIFY(m.Caricata());
    QVERIFY(m.widget()->isVisible());
    QCOMPARE(m.Label1(0).BackColor(), Colore(0xFF8000));
    QCOMPARE(a.fini, 0);
}

void TestFinestre::configuraChiusaSenzaSalvare()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    RegistroFinestre r(*a.p);
    FormConfigura& c = r.Configura();
    c.Mostra();
    c.Option4(ModoFrecce).setValue(true);
    c.widget()->close();
    EliminaRimandati();
    QCOMPARE(a.fini, 1);
    QCOMPARE(int(a.p->ModalitaInput), int(ModoFrecce));
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
}

void TestFinestre::sfumatura_data()
{
    QTest::addColumn<double>("altezza"); // where, as a fraction of the client height
    QTest::newRow("prima banda") << 0.0;
    QTest::newRow("un quarto") << 0.25;
    QTest::newRow("meta") << 0.5;
    QTest::newRow("tre quarti") << 0.75;
    QTest::newRow("ultima banda") << 0.9999;
}

void TestFinestre::sfumatura()
{
    QFETCH(double, altezza);
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormAvvio& s = r.Avvio();
    s.Mostra();
    QVERIFY(s.SfumaturaDipinta());
    const QImage img = s.client()->grab().toImage();
    const int h = img.height();
    const int y = std::min(h - 1, int(altezza * h));
    const QColor atteso = ColoreRiga(y, h);
    for (int x : {1, img.width() - 2}) QCOMPARE(img.pixelColor(x, y), atteso);
    if (altezza == 0.0) QCOMPARE(img.pixelColor(1, y), QColor(Qt::white));
    if (altezza > 0.999) QCOMPARE(img.pixelColor(1, y), QColor(0, 255, 0));
}

void TestFinestre::sfumaturaDiNuovoAdOgniAttivazione()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormAvvio& s = r.Avvio();
    s.Mostra();
    s.Scarica();
    EliminaRimandati();
    QVERIFY(!s.SfumaturaDipinta());
    s.Mostra();
    QVERIFY(s.SfumaturaDipinta());
    // Resized, the gradient still covers the whole client area.
    for (const double f : {0.5, 1.5}) {
        s.widget()->resize(int(s.widget()->width() * f), int(s.widget()->height() * f));
        const QImage img = s.client()->grab().toImage();
        const int h = img.height();
        for (int y : {0, h / 3, h - 1}) QCOMPARE(img.pixelColor(1, y), ColoreRiga(y, h));
        QCOMPARE(img.pixelColor(img.width() - 2, h - 1), QColor(0, 255, 0));
    }
}

void TestFinestre::avvioProgetto()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormAvvio& s = r.Avvio();
    s.Mostra();
    QCOMPARE(s.ScaleWidth(), 9690);
    QCOMPARE(s.ScaleHeight(), 7005);
    QCOMPARE(s.BackColor(), Colore(0x00C00000));
    QCOMPARE(s.controlli().Label2->Caption(), QStringLiteral("Frasolino - 1°"));
    QCOMPARE(s.controlli().Label2->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(s.controlli().Label2->font().pointSizeF(), 72.0);
    QVERIFY(s.controlli().Label2->font().bold());
    QCOMPARE(s.controlli().Label2->ForeColor(), Colore(0x00800000));
    QCOMPARE(s.controlli().Label1->Caption(), QStringLiteral("07 gennaio 2006"));
    QCOMPARE(s.controlli().Label1->font().pointSizeF(), 14.25);
    QCOMPARE(s.controlli().BottoneAvvio->Caption(), QStringLiteral("Avvio"));
    QCOMPARE(s.controlli().BottoneAvvio->font().pointSizeF(), 18.0);
    QVERIFY(s.controlli().BottoneAvvio->HaPuntatorePersonale());
    QCOMPARE(s.controlli().BottoneAvvio->Puntatore()->pixmap().size(), QSize(32, 32));
    QVERIFY(s.controlli().Image1->pixmap().width() > 0);
    QCOMPARE(s.controlli().Image1->Width(), 1095);
}

void TestFinestre::avvioApreIlMenu()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormAvvio& s = r.Avvio();
    s.Mostra();
    QTest::mouseClick(s.controlli().BottoneAvvio, Qt::LeftButton);
    EliminaRimandati();
    QVERIFY(!s.Caricata());
    QVERIFY(r.Menu().Caricata());
    QVERIFY(r.Menu().widget()->isVisible());
    QCOMPARE(a.p->finestre().Caricate().size(), std::size_t(1));
    QCOMPARE(a.fini, 0);
}

void TestFinestre::infoTesti()
{
    Ambiente a;
    RegistroFinestre r(*a.p);
    FormInfo& f = r.Info();
    f.Mostra();
    QCOMPARE(f.BackColor(), Colore(0x00C0FFFF));
    const QString crediti = f.controlli().Label1->Caption();
    QVERIFY(crediti.endsWith(QStringLiteral("\r\n")));
    const QStringList righe = crediti.chopped(2).split(QStringLiteral("\r\n"));
    QCOMPARE(righe.size(), 4);
    QCOMPARE(righe[0], QStringLiteral("Software di"));
    QVERIFY(righe[1].startsWith(u' ') && !righe[1].startsWith(QStringLiteral("  ")));
    QCOMPARE(righe[1].split(QStringLiteral(" - ")).size(), 3); // author - web - mail
    QVERIFY(righe[1].contains(IndirizzoSito));
    QVERIFY(righe[1].contains(u'@'));
    QCOMPARE(righe[2], u' ' + QString(42, u'-'));
    QVERIFY(!righe[3].isEmpty());
    QVERIFY(!crediti.contains(u'\n' + QString(u'\n')));

    const QStringList condizioni = f.controlli().Label3->Caption().split(QStringLiteral("\r\n"));
    QCOMPARE(condizioni.size(), 3);
    for (const QString& c : condizioni) QVERIFY(!c.trimmed().isEmpty());
    QCOMPARE(f.controlli().Label3->BackColor(), Colore(0x00FFFFFF));
    QCOMPARE(f.controlli().Label4->Caption(), QString());
    QCOMPARE(f.controlli().Command1->Caption(), QStringLiteral("Chiudi"));
}

void TestFinestre::infoChiudi()
{
    Ambiente a;
    a.p->ModalitaInput = ModoFrecce;
    a.p->ColoreScansione = 0x00FF00;
    RegistroFinestre r(*a.p);
    FormMenu& m = r.Menu();
    m.Mostra();
    m.VoceEvidenziata = 12;
    m.Label1(0).setBackColor(FormMenu::ColoreFinestra);
    m.Label1(12).setBackColor(0x00FF00);
    AzioneMenu(m, {"Informazioni", "about"})->trigger();
    EliminaRimandati();
    FormInfo& f = r.Info();
    QTest::mouseClick(f.controlli().Command1, Qt::LeftButton);
    EliminaRimandati();
    QVERIFY(!f.Caricata());
    QVERIFY(m.Caricata());
    // A fresh load: highlight back on entry 0.
    QCOMPARE(int(m.VoceEvidenziata), 0);
    QCOMPARE(m.Label1(0).BackColor(), Colore(0x00FF00));
    QCOMPARE(m.Label1(12).BackColor(), FormMenu::ColoreFinestra);
    QCOMPARE(a.fini, 0);
}

void TestFinestre::ridisposizione_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::newRow("menu") << "menu";
    QTest::newRow("configurazione") << "configura";
    QTest::newRow("informazioni") << "info";
    QTest::newRow("avvio") << "avvio";
}

void TestFinestre::ridisposizione()
{
    // Every window records its layout when it loads: a larger window moves and widens its
    // controls in proportion.
    QFETCH(QString, finestra);
    Ambiente a;
    a.p->ModalitaInput = ModoScansioneAutomatica;
    RegistroFinestre r(*a.p);
    Finestra* f = nullptr;
    QWidget* controllo = nullptr;
    if (finestra == "menu") {
        r.Menu().Mostra();
        f = &r.Menu();
        controllo = &r.Menu().Label1(16);
    } else if (finestra == "configura") {
        r.Configura().Mostra();
        f = &r.Configura();
        controllo = r.Configura().controlli().Command1;
    } else if (finestra == "info") {
        r.Info().Mostra();
        f = &r.Info();
        controllo = r.Info().controlli().Command1;
    } else {
        r.Avvio().Mostra();
        f = &r.Avvio();
        controllo = r.Avvio().controlli().BottoneAvvio;
    }
    const QPoint posizione = controllo->mapTo(f->client(), QPoint(0, 0));
    const QSize dimensione = controllo->size();
    const QSize client = f->client()->size();
    f->widget()->resize(f->widget()->size() + client);
    QCOMPARE(f->client()->size(), 2 * client);
    const QPoint nuova = controllo->mapTo(f->client(), QPoint(0, 0));
    QVERIFY(std::abs(nuova.x() - 2 * posizione.x()) <= 2);
    QVERIFY(std::abs(nuova.y() - 2 * posizione.y()) <= 2);
    QVERIFY(std::abs(controllo->width() - 2 * dimensione.width()) <= 2);
    QVERIFY(std::abs(controllo->height() - 2 * dimensione.height()) <= 2);
}

#include "test_finestre.moc"

FRASOLINO_TEST(TestFinestre);
