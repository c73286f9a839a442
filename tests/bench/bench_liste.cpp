// How long opening an exercise window takes, and how much memory it takes above the program's idle
// size, when its list is very large; and how the resident memory grows while a window draws
// sentence after sentence. Run by hand (scripts/bench-liste builds it without sanitizers):
//   QT_QPA_PLATFORM=offscreen bench_liste [--breve] [case]
// Without a case every case runs in a process of its own, so that each one's peak is its own.
// --breve: lists of 1 MB and 200 sentences, a run of a few seconds (ctest runs it so).
#include "app/progettifinestre.h"
#include "frame/finestraesercizio.h"
#include "core/programma.h"
#include "frame/finestrafrasi.h"
#include "servizifinti.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM").
long StatoKiB(const char* voce)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray chiave = QByteArray(voce) + ':';
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith(chiave)) return riga.mid(chiave.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The peak resident size starts again from the present one.
void AzzeraPicco()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

void Scrivi(const QString& percorso, const QByteArray& riga, qsizetype byte)
{
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QByteArray blocco = riga.repeated(std::max<qsizetype>(1, (1 << 20) / riga.size()));
    for (qsizetype scritti = 0; scritti < byte; scritti += blocco.size()) f.write(blocco);
}

struct Prova {
    QTemporaryDir cartella;
    std::unique_ptr<Programma> p;
    Prova()
    {
        p = std::make_unique<Programma>(std::make_unique<ServiziFinti>(), cartella.path(), cartella.filePath("cfg"));
        p->Semina(1);
        p->MessaggioTornaMenu = QStringLiteral("?");
    }
    QString Lista(const QString& relativo) const { return cartella.filePath("testifrasolino/" + relativo); }
};

// Opens the window once on a small list (fonts, widgets), then again on the big one: the time of
// the second opening and its peak above the size before it.
void Apertura(const char* caso, const QString& nome, const QString& relativo, const QByteArray& piccola,
              const QByteArray& riga, qsizetype byte)
{
    Prova prova;
    const QString percorso = prova.Lista(relativo);
    prova.p->FileEsercizio = percorso;
    Scrivi(percorso, piccola, piccola.size());
    std::unique_ptr<Finestra> f = CreaFinestraEsercizio(*prova.p, nome);
    f->Mostra();
    f->Scarica();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Scrivi(percorso, riga, byte);

    const long prima = StatoKiB("VmRSS");
    AzzeraPicco();
    QElapsedTimer t;
    t.start();
    f->Mostra();
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const long picco = StatoKiB("VmHWM");
    std::printf("%-16s %s, %.1f MB list: opened in %.1f ms, peak %+.1f MB\n", qPrintable(caso), qPrintable(nome),
                static_cast<double>(byte) / 1e6, ms, static_cast<double>(picco - prima) / 1024.0);
    f->Scarica();
}

// Draws many sentences one after another (their word labels created and destroyed each time): the
// growth of the resident size.
void Disegni(int volte)
{
    Prova prova;
    const QString lista = prova.Lista("complementi/mezzo.txt");
    Scrivi(lista,
           "Il bambino#0#gioca#1#con la palla#6#\nNoi#0#andiamo#1#in treno#6#\nLa mamma#0#prepara#1#la torta#2#"
           "per la festa#4#\n",
           1);
    prova.p->FileEsercizio = lista;
    prova.p->NumeroComplemento = 6;
    std::unique_ptr<Finestra> f = CreaFinestraEsercizio(*prova.p, QStringLiteral("Form11"));
    f->Mostra();
    auto& frasi = dynamic_cast<FinestraFrasi&>(*f);
    QString ultima;
    int diverse = 0;
    const auto giro = [&](int n) {
        for (int i = 0; i < n; ++i) {
            frasi.CaricaFrase();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (frasi.TestoFrase != ultima) ++diverse;
            ultima = frasi.TestoFrase;
        }
    };
    giro(200); // every size class in use once
    diverse = 0;
    const long prima = StatoKiB("VmRSS");
    QElapsedTimer t;
    t.start();
    giro(volte);
    const double s = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const long dopo = StatoKiB("VmRSS");
    std::printf("%-16s %d sentences in Form11 (%d changes): %.1f s, resident %+.2f MB\n", "disegni", volte, diverse,
                s, static_cast<double>(dopo - prima) / 1024.0);
    f->Scarica();
}

// The size of the big lists and the number of sentences drawn; smaller in a short run.
bool breve = false;
qsizetype Byte(qsizetype byte) { return breve ? std::min<qsizetype>(byte, 1'000'000) : byte; }

const std::map<QString, std::function<void()>>& Casi()
{
    // Three pairs of different subjects: the matching window draws an exercise from them.
    static const QByteArray tre = "\"il cane\",0,\"abbaia\",1\r\n\"il gatto\",0,\"miagola\",1\r\n"
                                  "\"il gallo\",0,\"canta\",1\r\n";
    static const std::map<QString, std::function<void()>> casi = {
        {"coppie50", [] { Apertura("coppie50", "Form3", "soggettopredicato/lista.txt", tre, tre, Byte(50'000'000)); }},
        {"coppie50-riga", [] {
             // One 50 MB record: a quote never closed.
             Apertura("coppie50-riga", "Form1", "soggettopredicato/lista.txt", "\"il cane\",0,\"abbaia\",1\r\n",
                      "\"il cane, ", Byte(50'000'000));
         }},
        {"frasi50", [] {
             Apertura("frasi50", "Form2", "Riconoscisoggettopredicato/liv1.txt", "Il cane#0#abbaia#1#\r\n",
                      "Il gatto#0#mangia#1#il topo#2#\r\n", Byte(50'000'000));
         }},
        {"riga1", [] {
             Apertura("riga1", "Form2", "Riconoscisoggettopredicato/liv1.txt", "Il cane#0#abbaia#1#\r\n", "ab#1#",
                      Byte(1'000'000));
         }},
        {"disegni", [] { Disegni(breve ? 200 : 10000); }},
    };
    return casi;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList argomenti = app.arguments().mid(1);
    breve = argomenti.removeAll(QStringLiteral("--breve")) > 0;
    if (!argomenti.isEmpty()) {
        const auto caso = Casi().find(argomenti[0]);
        if (caso == Casi().end()) {
            std::fprintf(stderr, "unknown case %s\n", qPrintable(argomenti[0]));
            return 2;
        }
        caso->second();
        return 0;
    }
    int esito = 0;
    for (const auto& [nome, _] : Casi()) {
        QProcess figlio;
        figlio.setProcessChannelMode(QProcess::ForwardedChannels);
        figlio.start(app.applicationFilePath(), breve ? QStringList{QStringLiteral("--breve"), nome} : QStringList{nome});
        figlio.waitForFinished(-1);
        if (figlio.exitStatus() != QProcess::NormalExit || figlio.exitCode() != 0) esito = 1;
    }
    return esito;
}
