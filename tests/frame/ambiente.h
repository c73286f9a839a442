#pragma once
// A program folder of its own for each test case: a Programma on scripted services, the sentence
// lists the windows load by default, and windows that count the next-item calls the frame makes.
#include "core/programma.h"
#include "exercises/pairs/finestracoppie.h"
#include "frame/finestrafrasi.h"
#include "servizifinti.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

class AmbienteProva {
public:
    AmbienteProva()
    {
        auto s = std::make_unique<ServiziFinti>();
        servizi = s.get();
        programma = std::make_unique<Programma>(std::move(s), cartella.path(), cartella.filePath("impostazioni"));
        programma->MessaggioTornaMenu = QStringLiteral("Vuoi tornare al menù?");
        programma->MostraMenu = [this] { ++menuMostrato; };
        Scrivi("testifrasolino/Riconoscisoggettopredicato/liv1.txt", "Il cane#0#abbaia#1#\r\n");
        Scrivi("testifrasolino/Riconoscisoggettopredicato/liv2.txt", "Il gatto#0#dorme#1#\r\n");
        Scrivi("testifrasolino/Riconoscisoggettopredicato/sottinteso.txt", "[Io]#0#corro#1#\r\n");
        Scrivi("testifrasolino/complementi/oggetto.txt", "Luca#0#mangia#1#la mela#2#\r\n");
        Scrivi("testifrasolino/complementi/mezzo.txt", "Anna#0#scrive#1#con la penna#6#\r\n");
        Scrivi("testifrasolino/soggettopredicato/lista.txt", "\"il cane\",0,\"abbaia\",1\r\n\"il gallo\",0,\"canta\",1\r\n");
    }

    // Writes bytes into the program folder, creating the folders on the way.
    QString Scrivi(const QString& relativo, const QByteArray& byte)
    {
        const QString percorso = cartella.filePath(relativo);
        QDir().mkpath(QFileInfo(percorso).path());
        QFile f(percorso);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(byte);
        return percorso;
    }

    QTemporaryDir cartella;
    ServiziFinti* servizi = nullptr;
    std::unique_ptr<Programma> programma;
    int menuMostrato = 0;
};

// A sentence window that only counts the sentences the frame asks for.
class FrasiContate : public FinestraFrasi {
public:
    using FinestraFrasi::FinestraFrasi;
    void CaricaFrase() override { ++frasi; }
    int frasi = 0;
};

// A pair window that only counts the items the frame asks for.
class CoppieContate : public FinestraCoppie {
public:
    using FinestraCoppie::FinestraCoppie;
    void NuovaFrase() override { ++frasi; }
    void NuovoEsercizio() override { ++esercizi; }
    int frasi = 0;
    int esercizi = 0;
};

// The window of the given name with its design, as a sentence or a pair window.
inline std::unique_ptr<FinestraEsercizio> CreaFinestra(Programma& p, const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    if (!progetto) return nullptr;
    if (progetto->lista == ListaIniziale::Coppie) return std::make_unique<CoppieContate>(p, *progetto);
    return std::make_unique<FrasiContate>(p, *progetto);
}

inline int Prossimi(FinestraEsercizio& f)
{
    if (auto* x = dynamic_cast<FrasiContate*>(&f)) return x->frasi;
    if (auto* x = dynamic_cast<CoppieContate*>(&f)) return x->frasi + x->esercizi;
    return -1;
}
