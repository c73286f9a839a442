#pragma once
// An exercise window that draws its sentences from a list file: the table of lines, its loader,
// and the list the window starts from at every load.
#include "frame/finestraesercizio.h"

#include <array>

class FinestraFrasi : public FinestraEsercizio {
    Q_OBJECT
public:
    static constexpr int MassimoRighe = 1000;

    FinestraFrasi(Programma& programma, const ProgettoFinestra& progetto, QObject* parent = nullptr);

    // Lines 1..NumeroFrasi of the list in use; a blank line is kept as an empty entry.
    std::array<QString, MassimoRighe + 1> Frasi;
    std::int16_t NumeroFrasi = 0;

    // The path of the list in use: PercorsoLista, or FileEsercizio in the object and complement
    // windows.
    QString PercorsoInUso() const;

    // Replaces the table with the list's lines. A list that cannot be read leaves the table empty
    // and says so once, naming the file; of a longer list only the lines the table keeps are read
    // (and no more than its first ByteMassimiLista bytes).
    void CaricaLista();
    void RicaricaLista() override { CaricaLista(); }

    // The next sentence; the sentence windows lay it out.
    virtual void CaricaFrase() {}
    void ProssimoElemento() override { CaricaFrase(); }

protected:
    void PassiCaricamento() override;
    // The level's list in the level windows: liv<Livello>.txt.
    QString PercorsoLivello() const;
};
