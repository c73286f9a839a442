#pragma once
// The frame on its own: the shared fixture with small lists of known sentences and pairs, and
// windows that only count the next items the frame asks for.
#include "ambiente.h"
#include "app/progettifinestre.h"
#include "exercises/pairs/finestracoppie.h"
#include "frame/finestrafrasi.h"

#include <memory>

struct AmbienteProva : Ambiente {
    AmbienteProva()
    {
        Scrivi("testifrasolino/Riconoscisoggettopredicato/liv1.txt", "Il cane#0#abbaia#1#\r\n");
        Scrivi("testifrasolino/Riconoscisoggettopredicato/liv2.txt", "Il gatto#0#dorme#1#\r\n");
        Scrivi("testifrasolino/Riconoscisoggettopredicato/sottinteso.txt", "[Io]#0#corro#1#\r\n");
        Scrivi("testifrasolino/complementi/oggetto.txt", "Luca#0#mangia#1#la mela#2#\r\n");
        Scrivi("testifrasolino/complementi/mezzo.txt", "Anna#0#scrive#1#con la penna#6#\r\n");
        Scrivi("testifrasolino/soggettopredicato/lista.txt", "\"il cane\",0,\"abbaia\",1\r\n\"il gallo\",0,\"canta\",1\r\n");
    }
};

// A sentence window that only counts the sentences the frame asks for.
class FrasiContate : public FinestraFrasi {
public:
    using FinestraFrasi::FinestraFrasi;
    void CaricaFrase() override { ++frasi; }
    int frasi = 0;
};

// A pair window that only counts the items the frame asks for: any list will do.
class CoppieContate : public FinestraCoppie {
public:
    using FinestraCoppie::FinestraCoppie;
    void ProssimoElemento() override { ++elementi; }
    int elementi = 0;

protected:
    void PassiCaricamento() override { CaricaCoppie(); }
};

// The frame of the window of the given name with its design, around a counting exercise.
inline std::unique_ptr<FinestraEsercizio> CreaFinestra(Programma& p, const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    if (!progetto) return nullptr;
    if (progetto->lista == ListaIniziale::Coppie)
        return std::make_unique<CoppieContate>(p, *progetto, ProgettoCoppie{.minimo = 0, .mancanza = {}});
    return std::make_unique<FrasiContate>(p, *progetto);
}

inline int Prossimi(FinestraEsercizio& f)
{
    if (auto* x = dynamic_cast<FrasiContate*>(&f)) return x->frasi;
    if (auto* x = dynamic_cast<CoppieContate*>(&f)) return x->elementi;
    return -1;
}
