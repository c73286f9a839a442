#pragma once
// An exercise window on subject/predicate pairs: the pair tables and their loader.
#include "exercises/pairs/listacoppie.h"
#include "frame/finestraesercizio.h"

#include <array>

class FinestraCoppie : public FinestraEsercizio {
    Q_OBJECT
public:
    static constexpr int MassimoCoppie = 1000;

    FinestraCoppie(Programma& programma, const ProgettoFinestra& progetto,
                   LetturaCampi lettura = LetturaCampi::Valore, QObject* parent = nullptr);

    std::array<QString, MassimoCoppie + 1> Soggetti;
    std::array<QString, MassimoCoppie + 1> Predicati;
    std::int16_t NumeroFrasi = 0;
    QString SegniErrore;

    // Reads the pair list at PercorsoLista: the default list when the path is empty or names no
    // file, and also, once the window has said so, when it names something that cannot be read (a
    // device, a pipe, a folder, an unreadable file). Entries above the list's last record keep what
    // they held; they are never drawn.
    void CaricaCoppie();
    void RicaricaLista() override { CaricaCoppie(); }

    // The result row of the subject-predicate windows for the pair drawn last: level, subject,
    // predicate and the error marks.
    QStringList RigaSoggettoPredicato() const;

protected:
    // How this window reads the list's fields.
    LetturaCampi lettura_;
};
