// The real services on Qt (message box, printer to PDF, sound) and the recording fakes.
#include "impostazionitemporanee.h"
#include "platform/servizi.h"
#include "servizifinti.h"
#include "stampanteregistratrice.h"
#include "suite.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `azione` on the modal dialog of type T as soon as it is up. It looks again every 20 ms, so a
// slow start (a sanitizer build on a busy machine) never leaves the dialog open; after 20 s it
// rejects whatever dialog is open, so that a broken test fails instead of hanging.
template <class T>
void QuandoAppare(std::function<void(T*)> azione, int tentativi = 0)
{
    QTimer::singleShot(20, [azione, tentativi] {
        T* d = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!d)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) d = t;
        if (d) {
            azione(d);
            return;
        }
        if (tentativi < 1000) {
            QuandoAppare<T>(azione, tentativi + 1);
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialogo = qobject_cast<QDialog*>(w); dialogo && dialogo->isVisible()) dialogo->reject();
    });
}


// Clicks the button with the given text on the modal message box as soon as it is up, and
// records what the box showed.
struct Cliccatore {
    QString titolo, testo, pulsanti;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QString pulsantePredefinito;
    bool trovato = false;

    void clicca(const QString& testoPulsante)
    {
        QTimer::singleShot(50, [this, testoPulsante] { prova(testoPulsante, 0); });
    }

    void prova(const QString& testoPulsante, int tentativi)
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (tentativi < 100) QTimer::singleShot(50, [=, this] { prova(testoPulsante, tentativi + 1); });
            return;
        }
        trovato = true;
        titolo = box->windowTitle();
        testo = box->text();
        icona = box->icon();
        QStringList t;
        for (QAbstractButton* b : box->buttons()) t.append(b->text());
        t.sort();
        pulsanti = t.join(QLatin1Char(','));
        if (box->defaultButton()) pulsantePredefinito = box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == testoPulsante) {
                b->click();
                return;
            }
        box->reject();
    }
};

// A short mono 8 kHz 16-bit WAV file of silence.
QByteArray Wav()
{
    QByteArray dati(800 * 2, '\0');
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + dati.size());
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(dati.size());
    s.writeRawData(dati.constData(), static_cast<int>(dati.size()));
    return b;
}

} // namespace

class TestServiziReali : public QObject {
    Q_OBJECT
private slots:
    // A dialog that a test fails to close is closed after a while, so that a fault fails the test
    // instead of hanging it.
    void init()
    {
        rete_ = std::make_unique<QTimer>();
        rete_->setInterval(10000);
        connect(rete_.get(), &QTimer::timeout, [] {
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        });
        rete_->start();
    }
    void cleanup() { rete_.reset(); }

    void msgBox_data()
    {
        QTest::addColumn<int>("stile");
        QTest::addColumn<QString>("clic");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QString>("pulsanti");
        QTest::addColumn<int>("icona");
        QTest::newRow("question, Yes") << 36 << "Sì" << 6 << "No,Sì" << int(QMessageBox::Question);
        QTest::newRow("question, No") << 36 << "No" << 7 << "No,Sì" << int(QMessageBox::Question);
        QTest::newRow("critical") << 16 << "OK" << 1 << "OK" << int(QMessageBox::Critical);
        QTest::newRow("information") << 64 << "OK" << 1 << "OK" << int(QMessageBox::Information);
        QTest::newRow("question, closed") << 36 << "" << 7 << "No,Sì" << int(QMessageBox::Question);
    }
    void msgBox()
    {
        QFETCH(int, stile);
        QFETCH(QString, clic);
        QFETCH(int, risposta);
        QFETCH(QString, pulsanti);
        QFETCH(int, icona);
        auto servizi = CreaServiziQt();
        Cliccatore c;
        c.clicca(clic);
        const int r = servizi->MsgBox(nullptr, QStringLiteral("Vuoi tornare al menù?"), stile,
                                      QStringLiteral("Frasolino - 1°"));
        QVERIFY(c.trovato);
        QCOMPARE(r, risposta);
        QCOMPARE(c.titolo, QStringLiteral("Frasolino - 1°"));
        QCOMPARE(c.testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(c.pulsanti, pulsanti);
        QCOMPARE(int(c.icona), icona);
        if (stile & 4) QCOMPARE(c.pulsantePredefinito, QStringLiteral("Sì"));
    }

    void stampaPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath("sotto/risultati.pdf");
        auto s = CreaStampanteQt(pdf, true);
        QCOMPARE(s->Destinazione(), pdf);
        s->setOrientation(2);
        QCOMPARE(s->Orientation(), 2);
        s->setFontName(QStringLiteral("Arial"));
        s->setFontSize(12);
        QCOMPARE(s->FontName(), QStringLiteral("Arial"));
        QCOMPARE(s->FontSize(), 12.0);
        // Twips: a 12-point line is a little over 240 twips; a blank has a width.
        const double altezza = s->TextHeight();
        QVERIFY2(altezza >= 240 && altezza < 400, qPrintable(QString::number(altezza)));
        QVERIFY(s->TextWidth(QStringLiteral("a ")) > s->TextWidth(QStringLiteral("a")));
        QCOMPARE(s->TextWidth(QString()), 0.0);
        const double w = s->TextWidth(QStringLiteral("Esatti"));
        s->setFontSize(24);
        QVERIFY(qAbs(s->TextWidth(QStringLiteral("Esatti")) - 2 * w) < w * 0.1);
        s->setFontSize(12);

        s->setCurrentX(62);
        s->setCurrentY(62);
        s->Stampa(QStringLiteral("Frase"));
        QCOMPARE(s->CurrentX(), 62 + s->TextWidth(QStringLiteral("Frase")));
        QCOMPARE(s->CurrentY(), 62.0);
        s->setCurrentX(3000);
        s->Stampa(QStringLiteral("Errore"));
        s->FineRiga();
        QCOMPARE(s->CurrentX(), 0.0);
        QCOMPARE(s->CurrentY(), 62 + altezza);
        s->setCurrentX(62);
        s->Stampa(QStringLiteral("Il gatto dorme"));
        s->Line(2, 400, 5000, 400);
        s->Box(2, 2, 5000, 800);
        // Far beyond the page: clipped, no page break, no failure.
        s->setCurrentY(100000);
        s->Stampa(QStringLiteral("fuori"));
        QVERIFY(s->EndDoc());
        QVERIFY(QFile::exists(pdf));

        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(testo.contains(QStringLiteral("Frase")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("Errore")));
        QVERIFY(testo.contains(QStringLiteral("Il gatto dorme")));
        QVERIFY(!testo.contains(QStringLiteral("fuori")));
        // "Frase" and "Errore" on one line, "Il gatto dorme" on the next.
        const QStringList righe = testo.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const auto riga = [&](const QString& t) {
            for (qsizetype i = 0; i < righe.size(); ++i)
                if (righe[i].contains(t)) return i;
            return qsizetype(-1);
        };
        QCOMPARE(riga(QStringLiteral("Frase")), riga(QStringLiteral("Errore")));
        QVERIFY(riga(QStringLiteral("Il gatto")) > riga(QStringLiteral("Frase")));

        // One landscape page.
        QProcess info;
        info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
        if (info.waitForFinished(30000)) {
            const QString i = QString::fromUtf8(info.readAllStandardOutput());
            if (!i.isEmpty()) {
                QVERIFY2(i.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))), qPrintable(i));
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(i);
                QVERIFY(m.hasMatch());
                QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());
            }
        }
    }

    void suono()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString wav = dir.filePath("si1.wav");
        QFile f(wav);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Wav());
        f.close();
        auto servizi = CreaServiziQt();
        QElapsedTimer orologio;
        orologio.start();
        servizi->Suona(wav);
        servizi->Suona(wav); // again while "playing"
        servizi->Suona(dir.filePath("manca.wav"));
        servizi->Suona(wav);
        QTest::qWait(300); // let it load
        servizi->Suona(QString());
        QVERIFY(orologio.elapsed() < 5000);
        servizi.reset(); // stopping and freeing it does not hang either
        QVERIFY(orologio.elapsed() < 6000);
    }

    void finestraFileSalva()
    {
        ImpostazioniTemporanee tmp; // the dialog writes its own settings there
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto servizi = CreaServiziQt();
        QString titolo;
        QStringList filtri;
        bool salva = false;
        QuandoAppare<QFileDialog>([&](QFileDialog* d) {
            titolo = d->windowTitle();
            filtri = d->nameFilters();
            salva = d->acceptMode() == QFileDialog::AcceptSave;
            // What the learner types in the name box.
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("risultati"));
            static_cast<QDialog*>(d)->accept();
        });
        const QString scelto = servizi->FinestraFile(nullptr, false, QStringLiteral("Salva con nome"), QStringLiteral("lista"),
                                                     QStringLiteral("File di testo|*.txt|Tutti i file|*.*"), dir.path(),
                                                     QStringLiteral("txt"));
        QCOMPARE(titolo, QStringLiteral("Salva con nome"));
        QCOMPARE(filtri, (QStringList{QStringLiteral("File di testo (*.txt)"), QStringLiteral("Tutti i file (*)")}));
        QVERIFY(salva);
        // The default extension is added to a name without one.
        QCOMPARE(QFileInfo(scelto).absoluteFilePath(), QFileInfo(dir.filePath(QStringLiteral("risultati.txt"))).absoluteFilePath());
    }

    void finestraFileApri()
    {
        ImpostazioniTemporanee tmp;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile f(dir.filePath(QStringLiteral("liv1.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        auto servizi = CreaServiziQt();
        QString cartella;
        bool soloEsistenti = false;
        QuandoAppare<QFileDialog>([&](QFileDialog* d) {
            cartella = d->directory().absolutePath();
            soloEsistenti = d->fileMode() == QFileDialog::ExistingFile;
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("liv1.txt"));
            static_cast<QDialog*>(d)->accept();
        });
        const QString scelto = servizi->FinestraFile(nullptr, true, QStringLiteral("Apri"), QString(),
                                                     QStringLiteral("Liste|*.txt"), dir.path(), QString());
        QCOMPARE(QDir(cartella).canonicalPath(), QDir(dir.path()).canonicalPath());
        QVERIFY(soloEsistenti);
        QCOMPARE(QFileInfo(scelto).canonicalFilePath(), QFileInfo(f.fileName()).canonicalFilePath());

        // Cancelled: an empty text.
        QuandoAppare<QFileDialog>([](QFileDialog* d) { d->reject(); });
        QCOMPARE(servizi->FinestraFile(nullptr, true, QStringLiteral("Apri"), QString(), QString(), dir.path(), QString()),
                 QString());
    }

    void scegliColore()
    {
        auto servizi = CreaServiziQt();
        QColor iniziale;
        QuandoAppare<QColorDialog>([&](QColorDialog* d) {
            iniziale = d->currentColor();
            d->setCurrentColor(QColor(0x12, 0x34, 0x56));
            static_cast<QDialog*>(d)->accept();
        });
        QCOMPARE(servizi->ScegliColore(nullptr), std::optional<Colore>(colore::Rgb(0x12, 0x34, 0x56)));
        QCOMPARE(iniziale, QColor(Qt::black));
        QuandoAppare<QColorDialog>([](QColorDialog* d) { d->reject(); });
        QCOMPARE(servizi->ScegliColore(nullptr), std::nullopt);
    }

    void stampanteDeiServizi()
    {
        ImpostazioniTemporanee tmp;
        qputenv("HOME", QFile::encodeName(tmp.Percorso("casa")));
        QDir().mkpath(tmp.Percorso("casa"));
        auto servizi = CreaServiziQt();
        auto s = servizi->NuovaStampante();
        QVERIFY(s != nullptr);
        QVERIFY(s->TextWidth(QStringLiteral("x")) > 0);
        // No output is started by measuring alone.
        if (!s->Destinazione().isEmpty()) {
            QVERIFY(QFileInfo(s->Destinazione()).fileName().startsWith(QStringLiteral("frasolino-risultati-")));
            QVERIFY(s->Destinazione().endsWith(QStringLiteral(".pdf")));
            QVERIFY(!QFile::exists(s->Destinazione()));
        }
    }

private:
    std::unique_ptr<QTimer> rete_;
};
FRASOLINO_TEST(TestServiziReali);

class TestServiziFinti : public QObject {
    Q_OBJECT
private slots:
    void messaggi()
    {
        ServiziFinti s;
        QCOMPARE(s.MsgBox(nullptr, QStringLiteral("a"), 36, QStringLiteral("T")), msg::RispostaYes);
        QCOMPARE(s.MsgBox(nullptr, QStringLiteral("b"), 64, QStringLiteral("T")), msg::RispostaOK);
        s.risposte = {msg::RispostaNo};
        QCOMPARE(s.MsgBox(nullptr, QStringLiteral("c"), 36, QStringLiteral("U")), msg::RispostaNo);
        QCOMPARE(s.MsgBox(nullptr, QStringLiteral("d"), 36, QStringLiteral("U")), msg::RispostaYes);
        QCOMPARE(s.TestiMessaggi(), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(s.messaggi[1].stile, 64);
        QCOMPARE(s.messaggi[2].titolo, QStringLiteral("U"));
    }

    void dialoghiESuoni()
    {
        ServiziFinti s;
        s.fileScelti = {QStringLiteral("/tmp/a.txt")};
        QCOMPARE(s.FinestraFile(nullptr, true, QStringLiteral("Apri"), {}, QStringLiteral("Testo|*.txt"), QStringLiteral("/x"),
                                QStringLiteral("txt")),
                 QStringLiteral("/tmp/a.txt"));
        QCOMPARE(s.FinestraFile(nullptr, false, {}, {}, {}, {}, {}), QString());
        QCOMPARE(s.richiesteFile.size(), size_t(2));
        QCOMPARE(s.richiesteFile[0].titolo, QStringLiteral("Apri"));
        QVERIFY(!s.richiesteFile[1].apri);
        s.coloriScelti = {Colore(0x123456)};
        QCOMPARE(s.ScegliColore(nullptr), std::optional<Colore>(0x123456));
        QCOMPARE(s.ScegliColore(nullptr), std::nullopt);
        QCOMPARE(s.richiesteColore, 2);
        s.Suona(QStringLiteral("si1.wav"));
        s.ApriDocumento(nullptr, QStringLiteral("frasolino1.pdf"));
        QCOMPARE(s.suoni, QStringList{"si1.wav"});
        QCOMPARE(s.documenti, QStringList{"frasolino1.pdf"});
    }

    void stampanteRegistratrice()
    {
        ServiziFinti s;
        {
            auto p = s.NuovaStampante();
            p->setOrientation(2);
            p->setFontName(QStringLiteral("Arial"));
            p->setFontSize(12);
            QCOMPARE(p->TextWidth(QStringLiteral("ab ")), 3 * 12 * 10.0);
            QCOMPARE(p->TextHeight(), 12 * 24.0);
            p->setCurrentY(2);
            p->setCurrentX(62);
            p->Stampa(QStringLiteral("Frase"));
            p->FineRiga();
            p->Line(2, 350, 702, 350);
            p->Box(2, 2, 702, 700);
            QVERIFY(p->EndDoc());
        }
        QCOMPARE(s.stampe.size(), size_t(1));
        const RegistroStampa& r = *s.stampe[0];
        QVERIFY(r.finito);
        QCOMPARE(r.orientamento, 2);
        const auto testi = r.Testi();
        QCOMPARE(testi.size(), size_t(1));
        QCOMPARE(testi[0].testo, QStringLiteral("Frase"));
        QCOMPARE(testi[0].x1, 62.0);
        QCOMPARE(testi[0].y1, 2.0);
        QCOMPARE(testi[0].font, QStringLiteral("Arial"));
        QCOMPARE(testi[0].punti, 12.0);
        const auto fine = r.DiTipo(ChiamataStampa::FineRiga);
        QCOMPARE(fine.size(), size_t(1));
        const auto linee = r.DiTipo(ChiamataStampa::Linea);
        QCOMPARE(linee.size(), size_t(1));
        QCOMPARE(linee[0].x2, 702.0);
        const auto box = r.DiTipo(ChiamataStampa::Rettangolo);
        QCOMPARE(box.size(), size_t(1));
        QCOMPARE(box[0].y2, 700.0);
    }

    void impostazioniTemporanee()
    {
        const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
        QString radice;
        {
            ImpostazioniTemporanee t;
            QVERIFY(t.valida());
            radice = t.Radice();
            QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), radice);
            QVERIFY(QDir(radice).exists());
        }
        QCOMPARE(qgetenv("XDG_CONFIG_HOME"), prima);
        QVERIFY(!QDir(radice).exists());
    }
};
FRASOLINO_TEST(TestServiziFinti);

#include "test_servizi.moc"
