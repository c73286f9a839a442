// Start-up: the order of its steps, the single instance, a settings root that cannot be written,
// and leaving the program.
#include "suite.h"
#include "ambiente.h"

#include "app/avvio.h"
#include "app/formavvio.h"
#include "app/formmenu.h"
#include "app/registro.h"
#include "impostazionitemporanee.h"
#include "platform/file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QUuid>

namespace {
QString NomeBloccoProva()
{
    return QStringLiteral("frasolino-prova-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

class TestAvvio : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void primoAvvio();
    void avvioLeggeLeImpostazioni();
    void secondaCopiaRifiutata();
    void copiaInUnAltroProcesso();
    void impostazioniNonScrivibili();
    void esciSiNonSalvabile();
    void senzaAltraCopia();
    void icona_data();
    void icona();

private:
    std::unique_ptr<ImpostazioniTemporanee> ambienteXdg_;
};

void TestAvvio::init()
{
    ambienteXdg_ = std::make_unique<ImpostazioniTemporanee>();
    QVERIFY(ambienteXdg_->valida());
}

void TestAvvio::cleanup()
{
    ambienteXdg_.reset();
}

void TestAvvio::primoAvvio()
{
    Ambiente a;
    a.p->MessaggioTornaMenu.clear();
    auto s = AvviaProgramma(*a.p, NomeBloccoProva());
    QVERIFY(s);
    QCOMPARE(a.p->MessaggioTornaMenu, QStringLiteral("Vuoi tornare al menù?"));
    QVERIFY(EsisteCartella(CartellaRadiceImpostazioni(*a.p)));
    QVERIFY(EsisteCartella(CartellaImpostazioni(*a.p)));
    QVERIFY(QFileInfo::exists(FileLeggimi(*a.p)));
    QVERIFY(!QFileInfo::exists(FileImpostazioni(*a.p)));
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    // Only the splash is on screen.
    const auto caricate = a.p->finestre().Caricate();
    QCOMPARE(caricate.size(), std::size_t(1));
    QCOMPARE(caricate.front(), static_cast<Finestra*>(&s->finestre->Avvio()));
    QVERIFY(s->finestre->Avvio().widget()->isVisible());
    QVERIFY(a.servizi->messaggi.empty());
    // MostraMenu is wired to the menu.
    a.p->MostraMenu();
    QVERIFY(s->finestre->Menu().Caricata());
}

void TestAvvio::avvioLeggeLeImpostazioni()
{
    Ambiente a;
    a.ScriviImpostazioni("False\r\nTrue\r\n 2 \r\n 8 \r\n 65280 \r\n");
    auto s = AvviaProgramma(*a.p, NomeBloccoProva());
    QVERIFY(s);
    QCOMPARE(a.p->impostazioni, (Impostazioni{false, true, 2, 8, 65280.0}));
    QTest::mouseClick(s->finestre->Avvio().controlli().BottoneAvvio, Qt::LeftButton);
    EliminaRimandati();
    FormMenu& m = s->finestre->Menu();
    QVERIFY(m.Caricata());
    QCOMPARE(m.controlli().Timer1->Interval(), 2000);
    QCOMPARE(m.Label1(0).BackColor(), Colore(65280));
    QCOMPARE(m.controlli().Check1->Value(), 0);
}

void TestAvvio::secondaCopiaRifiutata()
{
    const QString nome = NomeBloccoProva();
    Ambiente primo, secondo;
    auto s1 = AvviaProgramma(*primo.p, nome);
    QVERIFY(s1);
    secondo.p->MessaggioTornaMenu.clear();
    auto s2 = AvviaProgramma(*secondo.p, nome);
    QVERIFY(!s2);
    QCOMPARE(secondo.servizi->messaggi.size(), std::size_t(1));
    const auto& m = secondo.servizi->messaggi.front();
    QCOMPARE(m.testo, QStringLiteral("E' già stata avviata una copia di questo programma!"));
    QCOMPARE(m.titolo, QStringLiteral("Error"));
    QCOMPARE(m.stile, 16);
    // Nothing else was done: no window, no folder, no prompt.
    QVERIFY(!secondo.p->finestre().QualcunaCaricata());
    QVERIFY(!EsisteCartella(CartellaRadiceImpostazioni(*secondo.p)));
    QVERIFY(secondo.p->MessaggioTornaMenu.isEmpty());
    // The first copy is untouched.
    QVERIFY(s1->finestre->Avvio().Caricata());

    // Once the first copy has ended, a new one starts.
    s1.reset();
    auto s3 = AvviaProgramma(*secondo.p, nome);
    QVERIFY(s3);
}

void TestAvvio::copiaInUnAltroProcesso()
{
    const QString nome = NomeBloccoProva();
    QProcess altro;
    altro.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    altro.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tieni-blocco"), nome});
    QVERIFY(altro.waitForStarted(30000));
    QByteArray uscita;
    QElapsedTimer t;
    t.start();
    while (!uscita.contains("preso") && t.elapsed() < 60000) {
        altro.waitForReadyRead(1000);
        uscita += altro.readAllStandardOutput();
    }
    QVERIFY2(uscita.contains("preso"), uscita.constData());

    {
        Ambiente a;
        QVERIFY(!AvviaProgramma(*a.p, nome));
        QCOMPARE(a.servizi->messaggi.size(), std::size_t(1));
        QCOMPARE(a.servizi->messaggi.front().titolo, QStringLiteral("Error"));
    }

    altro.kill();
    QVERIFY(altro.waitForFinished(30000));
    Ambiente a;
    auto s = AvviaProgramma(*a.p, nome);
    QVERIFY(s);
    QVERIFY(a.servizi->messaggi.empty());
}

void TestAvvio::impostazioniNonScrivibili()
{
    QTemporaryFile bloccante;
    QVERIFY(bloccante.open());
    Ambiente a(bloccante.fileName() + QStringLiteral("/sotto"));
    auto s = AvviaProgramma(*a.p, NomeBloccoProva());
    QVERIFY(s);
    QVERIFY(a.servizi->messaggi.empty());
    QCOMPARE(a.p->impostazioni, Impostazioni{});
    QVERIFY(s->finestre->Avvio().Caricata());
}

void TestAvvio::esciSiNonSalvabile()
{
    QTemporaryFile bloccante;
    QVERIFY(bloccante.open());
    Ambiente a(bloccante.fileName() + QStringLiteral("/sotto"));
    auto s = AvviaProgramma(*a.p, NomeBloccoProva());
    QVERIFY(s);
    a.p->MostraMenu();
    a.servizi->risposte = {msg::RispostaYes};
    s->finestre->Menu().AvviaEsercizi(22);
    QCOMPARE(a.servizi->messaggi.size(), std::size_t(2));
    QCOMPARE(a.servizi->messaggi[0].testo, QStringLiteral("Vuoi uscire dal programma?"));
    QVERIFY(a.servizi->messaggi[1].testo.startsWith(QStringLiteral("Impossibile salvare le impostazioni")));
    QCOMPARE(a.servizi->messaggi[1].titolo, QStringLiteral("Frasolino - 1°"));
    QCOMPARE(a.fini, 1);
}

// Only another copy stops the start, and a start removes no file beside the settings.
void TestAvvio::senzaAltraCopia()
{
    Ambiente a;
    CreaCartelleImpostazioni(*a.p);
    const QDir cartella(CartellaImpostazioni(*a.p));
    const QStringList nomi{"frasolino-1.INI.abc123", "frasolino-1.INI.backup", "frasolino-1.INI.old123"};
    for (const QString& nome : nomi) QVERIFY(QFile(cartella.filePath(nome)).open(QIODevice::WriteOnly));
    QVERIFY(AvviaProgramma(*a.p, NomeBloccoProva()));
    QCOMPARE(cartella.entryList(QDir::Files), nomi);
    if (!suite::InCopia(*this, 0)) return; // the runtime folder full: no lock can be made
    QVERIFY(AvviaProgramma(*a.p, NomeBloccoProva()));
    QCOMPARE(a.servizi->TestiMessaggi(), QStringList());
}

void TestAvvio::icona_data()
{
    QTest::addColumn<bool>("conImmagine");
    QTest::newRow("the program's picture") << true;
    QTest::newRow("picture missing: a drawn one") << false;
}

// Every window carries the program's icon, drawn from its picture when there is one.
void TestAvvio::icona()
{
    QFETCH(bool, conImmagine);
    Ambiente a;
    const QString immagine = a.cartellaProgramma.filePath(QStringLiteral("immagini/frasolino.png"));
    QPixmap disegno(64, 64);
    disegno.fill(QColor(10, 120, 200));
    if (conImmagine) {
        QVERIFY(QDir().mkpath(QFileInfo(immagine).path()));
        QVERIFY(disegno.save(immagine));
    }
    QApplication::setWindowIcon(QIcon());
    auto s = AvviaProgramma(*a.p, NomeBloccoProva());
    QVERIFY(s);
    a.p->MostraMenu();
    for (Finestra* f : {static_cast<Finestra*>(&s->finestre->Avvio()), static_cast<Finestra*>(&s->finestre->Menu())}) {
        const QImage icona = f->widget()->windowIcon().pixmap(64, 64).toImage();
        QVERIFY(!icona.isNull());
        QCOMPARE(icona.pixelColor(32, 32) == QColor(10, 120, 200), conImmagine);
    }
}

#include "test_avvio.moc"

FRASOLINO_TEST(TestAvvio);
