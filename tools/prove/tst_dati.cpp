// Checks the program's generated data: the sound synthesiser and its WAV files,
// the pictures and the manual, as the build leaves them beside the program.
#include "suoni.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

const QString CartellaDati = QStringLiteral(CARTELLA_DATI);

// A WAV file as far as the program's sounds need it: canonical 44-byte header.
struct Wav {
    bool valido = false;
    QString errore;
    int formato = 0;
    int canali = 0;
    int frequenza = 0;
    int byteAlSecondo = 0;
    int allineamento = 0;
    int bit = 0;
    std::vector<std::int16_t> campioni;
};

std::uint32_t leggi32(const QByteArray& b, int i)
{
    return static_cast<std::uint8_t>(b[i]) | static_cast<std::uint8_t>(b[i + 1]) << 8
        | static_cast<std::uint8_t>(b[i + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[i + 3])) << 24;
}

int leggi16(const QByteArray& b, int i)
{
    return static_cast<std::uint8_t>(b[i]) | static_cast<std::uint8_t>(b[i + 1]) << 8;
}

Wav analizzaWav(const QByteArray& b)
{
    Wav w;
    if (b.size() < 44) {
        w.errore = QStringLiteral("file troppo corto");
        return w;
    }
    if (b.mid(0, 4) != "RIFF" || b.mid(8, 4) != "WAVE" || b.mid(12, 4) != "fmt " || b.mid(36, 4) != "data") {
        w.errore = QStringLiteral("intestazione RIFF non riconosciuta");
        return w;
    }
    if (leggi32(b, 4) != static_cast<std::uint32_t>(b.size() - 8)) {
        w.errore = QStringLiteral("dimensione RIFF sbagliata");
        return w;
    }
    if (leggi32(b, 16) != 16) {
        w.errore = QStringLiteral("blocco fmt non PCM canonico");
        return w;
    }
    if (leggi32(b, 40) != static_cast<std::uint32_t>(b.size() - 44)) {
        w.errore = QStringLiteral("dimensione dei dati sbagliata");
        return w;
    }
    w.formato = leggi16(b, 20);
    w.canali = leggi16(b, 22);
    w.frequenza = static_cast<int>(leggi32(b, 24));
    w.byteAlSecondo = static_cast<int>(leggi32(b, 28));
    w.allineamento = leggi16(b, 32);
    w.bit = leggi16(b, 34);
    for (int i = 44; i + 1 < b.size(); i += 2)
        w.campioni.push_back(static_cast<std::int16_t>(leggi16(b, i)));
    w.valido = true;
    return w;
}

QByteArray comeByte(const std::vector<std::uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

// Average pitch of a stretch of samples, from its upward zero crossings (Hz).
double altezza(const std::vector<std::int16_t>& c, std::size_t da, std::size_t a, int frequenza)
{
    int passaggi = 0;
    for (std::size_t i = da + 1; i < a && i < c.size(); ++i) {
        if (c[i - 1] < 0 && c[i] >= 0)
            ++passaggi;
    }
    return passaggi * static_cast<double>(frequenza) / static_cast<double>(a - da);
}

std::string leggiFile(const QString& percorso)
{
    std::ifstream f(percorso.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

class ProvaDati : public QObject {
    Q_OBJECT

private slots:
    // --- the synthesiser
    void frequenzaNota_data();
    void frequenzaNota();
    void descrizioneBuona();
    void descrizioneSbagliata_data();
    void descrizioneSbagliata();
    void quantizzaNonSatura_data();
    void quantizzaNonSatura();
    void intestazioneWav();
    void sintesiSenzaScatti();
    void smorzamento();

    // --- the files the build produced
    void suoniGenerati_data();
    void suoniGenerati();
    void suoniDiversi();
    void immagini_data();
    void immagini();
    void puntaDeiPuntatori_data();
    void puntaDeiPuntatori();
    void frecciaVerde();
    void manuale();
    void testoDelManuale_data();
    void testoDelManuale();
};

void ProvaDati::frequenzaNota_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<double>("attesa");
    QTest::newRow("la centrale") << "A4" << true << 440.0;
    QTest::newRow("la grave") << "A3" << true << 220.0;
    QTest::newRow("do") << "C5" << true << 523.2511;
    QTest::newRow("fa diesis") << "F#5" << true << 739.9888;
    QTest::newRow("si bemolle") << "Bb4" << true << 466.1638;
    QTest::newRow("re diesis grave") << "D#3" << true << 155.5635;
    QTest::newRow("lettera minuscola") << "a4" << false << 0.0;
    QTest::newRow("lettera inesistente") << "H4" << false << 0.0;
    QTest::newRow("senza ottava") << "A" << false << 0.0;
    QTest::newRow("solo alterazione") << "A#" << false << 0.0;
    QTest::newRow("ottava di due cifre") << "C45" << false << 0.0;
    QTest::newRow("vuota") << "" << false << 0.0;
}

void ProvaDati::frequenzaNota()
{
    QFETCH(QString, nome);
    QFETCH(bool, valida);
    QFETCH(double, attesa);
    const auto frequenza = suoni::frequenzaNota(nome.toStdString());
    QCOMPARE(frequenza.has_value(), valida);
    if (valida)
        QVERIFY2(std::abs(*frequenza - attesa) < 0.01, qPrintable(QString::number(*frequenza)));
}

void ProvaDati::descrizioneBuona()
{
    std::string errore;
    const auto risultato = suoni::leggiDescrizione(
        "# commento\r\n\r\nuno 0.40 campana C5@0 E5@0.1\r\n   \ndue 0.5 morbido G3@0.00 D#3@0.2\n", errore);
    QVERIFY2(risultato.has_value(), errore.c_str());
    QCOMPARE(risultato->size(), std::size_t(2));
    const auto& uno = (*risultato)[0];
    QCOMPARE(QString::fromStdString(uno.nome), QStringLiteral("uno"));
    QCOMPARE(uno.durata, 0.40);
    QCOMPARE(QString::fromStdString(uno.timbro), QStringLiteral("campana"));
    QCOMPARE(uno.note.size(), std::size_t(2));
    QCOMPARE(uno.note[1].inizio, 0.1);
    QCOMPARE(uno.note[1].frequenza, *suoni::frequenzaNota("E5"));
    const auto& due = (*risultato)[1];
    QCOMPARE(QString::fromStdString(due.timbro), QStringLiteral("morbido"));
    QCOMPARE(due.note[1].frequenza, *suoni::frequenzaNota("D#3"));
    // Only a line that starts with '#' is a comment: a '#' word after the notes is refused.
    QVERIFY(!suoni::leggiDescrizione("uno 0.40 campana C5@0 # fine\n", errore).has_value());
    // An empty description is no error, just no sounds.
    const auto vuota = suoni::leggiDescrizione("", errore);
    QVERIFY(vuota.has_value());
    QVERIFY(vuota->empty());
}

void ProvaDati::descrizioneSbagliata_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("riga");
    QTest::newRow("timbro sconosciuto") << "a 0.5 campana C5@0\nb 0.5 tromba C5@0\n" << "riga 2:";
    QTest::newRow("nota senza inizio") << "a 0.5 campana C5\n" << "riga 1:";
    QTest::newRow("nota sconosciuta") << "\n\na 0.5 campana Z5@0\n" << "riga 3:";
    QTest::newRow("inizio oltre la fine") << "a 0.5 campana C5@0.5\n" << "riga 1:";
    QTest::newRow("inizio negativo") << "a 0.5 campana C5@-0.1\n" << "riga 1:";
    QTest::newRow("durata non numerica") << "a mezzo campana C5@0\n" << "riga 1:";
    QTest::newRow("durata con coda") << "a 0.5s campana C5@0\n" << "riga 1:";
    QTest::newRow("durata nulla") << "a 0 campana C5@0\n" << "riga 1:";
    QTest::newRow("senza note") << "a 0.5 campana\n" << "riga 1:";
}

void ProvaDati::descrizioneSbagliata()
{
    QFETCH(QString, testo);
    QFETCH(QString, riga);
    std::string errore;
    QVERIFY(!suoni::leggiDescrizione(testo.toStdString(), errore).has_value());
    QVERIFY2(QString::fromStdString(errore).startsWith(riga), errore.c_str());
}

void ProvaDati::quantizzaNonSatura_data()
{
    QTest::addColumn<QList<double>>("campioni");
    QTest::addColumn<double>("picco");
    QTest::newRow("sotto la scala") << QList<double>{0.0, 0.25, -0.5, 0.1} << 0.7;
    QTest::newRow("oltre la scala") << QList<double>{0.0, 3.0, -7.5, 2.0} << 0.7;
    QTest::newRow("picco negativo") << QList<double>{-1.0, 0.5} << 0.9;
    QTest::newRow("picco pieno") << QList<double>{1.0, -1.0, 0.5} << 1.0;
    QTest::newRow("picco oltre il massimo") << QList<double>{1.0, -1.0} << 1.5;
}

void ProvaDati::quantizzaNonSatura()
{
    QFETCH(QList<double>, campioni);
    QFETCH(double, picco);
    const std::vector<double> ingresso(campioni.begin(), campioni.end());
    const auto uscita = suoni::quantizza(ingresso, picco);
    QCOMPARE(uscita.size(), ingresso.size());
    double massimo = 0;
    for (double c : ingresso)
        massimo = std::max(massimo, std::abs(c));
    const double scala = std::min(picco, 1.0) * 32767.0 / massimo;
    int piuForte = 0;
    for (std::size_t i = 0; i < uscita.size(); ++i) {
        QVERIFY(uscita[i] != std::numeric_limits<std::int16_t>::min());
        QVERIFY2(std::abs(uscita[i] - ingresso[i] * scala) <= 0.5, qPrintable(QString::number(uscita[i])));
        piuForte = std::max(piuForte, std::abs(static_cast<int>(uscita[i])));
    }
    QCOMPARE(piuForte, static_cast<int>(std::lround(std::min(picco, 1.0) * 32767.0)));
    // Silence stays silence.
    const auto silenzio = suoni::quantizza(std::vector<double>(5, 0.0), picco);
    for (auto c : silenzio)
        QCOMPARE(c, std::int16_t(0));
}

void ProvaDati::intestazioneWav()
{
    const std::vector<std::int16_t> campioni{1, -2, 32767, -32768, 256};
    const QByteArray byte = comeByte(suoni::fileWav(campioni, 8000));
    QCOMPARE(byte.size(), 44 + 10);
    const Wav w = analizzaWav(byte);
    QVERIFY2(w.valido, qPrintable(w.errore));
    QCOMPARE(w.formato, 1);
    QCOMPARE(w.canali, 1);
    QCOMPARE(w.frequenza, 8000);
    QCOMPARE(w.byteAlSecondo, 16000);
    QCOMPARE(w.allineamento, 2);
    QCOMPARE(w.bit, 16);
    QCOMPARE(w.campioni, campioni);
    // Little-endian samples: -2 is FE FF.
    QCOMPARE(static_cast<std::uint8_t>(byte[46]), std::uint8_t(0xFE));
    QCOMPARE(static_cast<std::uint8_t>(byte[47]), std::uint8_t(0xFF));
}

void ProvaDati::sintesiSenzaScatti()
{
    suoni::Suono suono;
    suono.durata = 0.3;
    suono.note = {{440.0, 0.0}, {660.0, 0.1}};
    for (const char* nome : {"campana", "morbido"}) {
        const auto timbro = suoni::timbroPerNome(nome);
        QVERIFY(timbro.has_value());
        const auto campioni = suoni::sintetizza(suono, *timbro, 22050);
        QCOMPARE(campioni.size(), std::size_t(std::lround(0.3 * 22050)));
        // Starts from silence, rises smoothly, and ends in silence.
        QCOMPARE(campioni.front(), 0.0);
        QVERIFY(std::abs(campioni.back()) < 1e-6);
        double salto = 0;
        for (std::size_t i = 1; i < 40; ++i)
            salto = std::max(salto, std::abs(campioni[i] - campioni[i - 1]));
        QVERIFY2(salto < 0.05, qPrintable(QString::number(salto)));
    }
    QVERIFY(!suoni::timbroPerNome("tromba").has_value());
}

void ProvaDati::smorzamento()
{
    // What the first of two notes adds after the second has started: nothing once the
    // damping timbre has silenced it, a ringing tail with the chime.
    suoni::Suono coppia;
    coppia.durata = 0.5;
    coppia.note = {{200.0, 0.0}, {300.0, 0.2}};
    suoni::Suono seconda = coppia;
    seconda.note = {{300.0, 0.2}};
    const std::size_t dopo = static_cast<std::size_t>(0.3 * 22050);
    for (const char* nome : {"campana", "morbido"}) {
        const auto timbro = *suoni::timbroPerNome(nome);
        const auto tutte = suoni::sintetizza(coppia, timbro, 22050);
        const auto sola = suoni::sintetizza(seconda, timbro, 22050);
        double energia = 0;
        for (std::size_t i = dopo; i < dopo + 2000; ++i)
            energia += (tutte[i] - sola[i]) * (tutte[i] - sola[i]);
        if (timbro.smorza)
            QVERIFY2(energia < 1e-12, qPrintable(QString::number(energia)));
        else
            QVERIFY2(energia > 0.1, qPrintable(QString::number(energia)));
    }
    QVERIFY(suoni::timbroPerNome("morbido")->smorza);
    QVERIFY(!suoni::timbroPerNome("campana")->smorza);
}

void ProvaDati::suoniGenerati_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("giusto");
    QTest::newRow("si1") << "si1" << true;
    QTest::newRow("si2") << "si2" << true;
    QTest::newRow("si3") << "si3" << true;
    QTest::newRow("si4") << "si4" << true;
    QTest::newRow("no") << "no" << false;
}

void ProvaDati::suoniGenerati()
{
    QFETCH(QString, nome);
    QFETCH(bool, giusto);
    QFile file(CartellaDati + QStringLiteral("/suoni/") + nome + QStringLiteral(".wav"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const Wav w = analizzaWav(file.readAll());
    QVERIFY2(w.valido, qPrintable(w.errore));
    QCOMPARE(w.formato, 1);
    QCOMPARE(w.canali, 1);
    QCOMPARE(w.frequenza, 22050);
    QCOMPARE(w.byteAlSecondo, 44100);
    QCOMPARE(w.allineamento, 2);
    QCOMPARE(w.bit, 16);
    const double durata = static_cast<double>(w.campioni.size()) / w.frequenza;
    QVERIFY2(durata >= 0.3 && durata <= 0.7, qPrintable(QString::number(durata)));

    int picco = 0;
    for (auto c : w.campioni)
        picco = std::max(picco, std::abs(static_cast<int>(c)));
    QVERIFY2(picco < 32000, "clipped");
    QVERIFY2(picco > 16000, "too faint");
    QVERIFY(std::abs(w.campioni.front()) < 200);
    QVERIFY(std::abs(w.campioni.back()) < 200);

    // The right-answer chimes rise, the wrong-answer sound falls and stays low.
    const std::size_t n = w.campioni.size();
    const double inizio = altezza(w.campioni, 0, n / 5, w.frequenza);
    const double fine = altezza(w.campioni, n - n / 4, n, w.frequenza);
    if (giusto) {
        QVERIFY2(fine > inizio * 1.1, qPrintable(QStringLiteral("%1 -> %2 Hz").arg(inizio).arg(fine)));
        QVERIFY(inizio > 300);
    } else {
        QVERIFY2(fine < inizio * 0.95, qPrintable(QStringLiteral("%1 -> %2 Hz").arg(inizio).arg(fine)));
        QVERIFY(inizio < 300);
    }
}

void ProvaDati::suoniDiversi()
{
    // Every sound the description names was written, and no two are alike.
    std::string errore;
    const auto descrizione = suoni::leggiDescrizione(leggiFile(QStringLiteral(DESCRIZIONE_SUONI)), errore);
    QVERIFY2(descrizione.has_value(), errore.c_str());
    QStringList nomi;
    for (const auto& s : *descrizione)
        nomi << QString::fromStdString(s.nome);
    QCOMPARE(nomi, (QStringList{"si1", "si2", "si3", "si4", "no"}));
    QList<QByteArray> contenuti;
    for (const QString& nome : nomi) {
        QFile file(CartellaDati + QStringLiteral("/suoni/") + nome + QStringLiteral(".wav"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray byte = file.readAll();
        QVERIFY2(!contenuti.contains(byte), qPrintable(nome));
        contenuti << byte;
    }
}

void ProvaDati::immagini_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("misura");
    QTest::newRow("cursore") << "cursore" << QSize(32, 32);
    QTest::newRow("cursore_spunta") << "cursore_spunta" << QSize(32, 32);
    QTest::newRow("cursore_avvio") << "cursore_avvio" << QSize(32, 32);
    QTest::newRow("avvio") << "avvio" << QSize(201, 197);
    QTest::newRow("pannello_esatti") << "pannello_esatti" << QSize(49, 32);
    QTest::newRow("pannello_errati") << "pannello_errati" << QSize(37, 32);
    QTest::newRow("pannello_avanti") << "pannello_avanti" << QSize(185, 96);
    QTest::newRow("frasolino") << "frasolino" << QSize(256, 256);
}

void ProvaDati::immagini()
{
    QFETCH(QString, nome);
    QFETCH(QSize, misura);
    const QImage immagine(CartellaDati + QStringLiteral("/immagini/") + nome + QStringLiteral(".png"));
    QVERIFY2(!immagine.isNull(), qPrintable(nome));
    QCOMPARE(immagine.size(), misura);
    QVERIFY(immagine.hasAlphaChannel());
    // Something is drawn, with black outlines, on a transparent ground.
    int pieni = 0;
    int trasparenti = 0;
    int neri = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const QColor c = immagine.pixelColor(x, y);
            if (c.alpha() == 255)
                ++pieni;
            if (c.alpha() == 0)
                ++trasparenti;
            if (c.alpha() == 255 && c.red() < 40 && c.green() < 40 && c.blue() < 40)
                ++neri;
        }
    }
    const int totale = misura.width() * misura.height();
    QVERIFY2(pieni > totale / 8, qPrintable(QString::number(pieni)));
    QVERIFY(trasparenti > 0);
    QVERIFY(neri > 0);
}

void ProvaDati::puntaDeiPuntatori_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("cursore") << "cursore";
    QTest::newRow("cursore_spunta") << "cursore_spunta";
    QTest::newRow("cursore_avvio") << "cursore_avvio";
}

void ProvaDati::puntaDeiPuntatori()
{
    // The hot spot is (3,1): that pixel is solid and nothing is drawn above or left of it.
    QFETCH(QString, nome);
    const QImage immagine(CartellaDati + QStringLiteral("/immagini/") + nome + QStringLiteral(".png"));
    QVERIFY(!immagine.isNull());
    QVERIFY2(immagine.pixelColor(3, 1).alpha() >= 200, qPrintable(QString::number(immagine.pixelColor(3, 1).alpha())));
    for (int x = 0; x < immagine.width(); ++x)
        QCOMPARE(immagine.pixelColor(x, 0).alpha(), 0);
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < 3; ++x)
            QVERIFY2(immagine.pixelColor(x, y).alpha() < 64, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

void ProvaDati::frecciaVerde()
{
    const QImage immagine(CartellaDati + QStringLiteral("/immagini/pannello_avanti.png"));
    QVERIFY(!immagine.isNull());
    const QColor centro = immagine.pixelColor(immagine.width() / 2, immagine.height() / 2 + 10);
    QVERIFY2(centro.green() > 2 * centro.red() && centro.green() > 2 * centro.blue(), qPrintable(centro.name()));
    // It points right: the right-hand column of pixels in the middle row is drawn,
    // the top-right corner is empty.
    QVERIFY(immagine.pixelColor(immagine.width() - 12, immagine.height() / 2).alpha() == 255);
    QCOMPARE(immagine.pixelColor(immagine.width() - 1, 0).alpha(), 0);
}

void ProvaDati::manuale()
{
    QFile file(CartellaDati + QStringLiteral("/frasolino1.pdf"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString testo = QString::fromLatin1(pdf);
    const auto pagine = testo.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])")));
    QVERIFY2(pagine >= 2 && pagine <= 5, qPrintable(QString::number(pagine)));
    QCOMPARE(testo.count(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+595(\\.\\d+)?\\s+842"))), pagine);
    // The panel pictures are in it.
    QVERIFY(testo.count(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))) >= 3);
}

void ProvaDati::testoDelManuale_data()
{
    QTest::addColumn<QString>("frase");
    QTest::newRow("titolo") << "Frasolino - 1°";
    QTest::newRow("esatti") << "Esatti";
    QTest::newRow("errati") << "Errati";
    QTest::newRow("avanti") << "Avanti";
    QTest::newRow("mouse") << "Mouse";
    QTest::newRow("tastiera") << "Tastiera - frecce e invio";
    QTest::newRow("scansione manuale") << "Scansione manuale - spazio e invio";
    QTest::newRow("scansione automatica") << "Scansione automatica - spazio";
    QTest::newRow("velocità") << "da 1,00 a 15,00 secondi";
    QTest::newRow("cursore") << "Usa cursore di sistema";
    QTest::newRow("suoni") << "Suoni attivati";
    QTest::newRow("impostazioni") << "frasolino-1.INI";
    QTest::newRow("azzera") << "Azzera conteggio";
    QTest::newRow("archivio") << "Modifica archivio in uso";
    QTest::newRow("aiuto") << "aiuto";
    QTest::newRow("riga etichettata") << "il gatto#0#mangia#1#il topo#2#";
    QTest::newRow("sottinteso") << "[Noi]#0#giochiamo#1#in giardino#8#";
    QTest::newRow("coppia") << "\"il cane\",0,\"abbaia\",1";
    QTest::newRow("compagnia") << "complemento di compagnia/unione";
    QTest::newRow("ripasso") << "ripasso 8";
}

void ProvaDati::testoDelManuale()
{
    QFETCH(QString, frase);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the manual back");
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                               CartellaDati + QStringLiteral("/frasolino1.pdf"), QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(30000));
    QCOMPARE(processo.exitCode(), 0);
    // Lines may break anywhere: compare with every run of white space made one blank,
    // and with the typesetter's ligatures ("fi") spelled out.
    QString testo = QString::fromUtf8(processo.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    testo.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    QVERIFY2(testo.contains(frase), qPrintable(frase));
}

QTEST_GUILESS_MAIN(ProvaDati)
#include "tst_dati.moc"
