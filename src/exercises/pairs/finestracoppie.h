#pragma once
// An exercise window on subject/predicate pairs: the pair tables, their loader, and what the
// window's draw needs of them.
#include "exercises/pairs/listacoppie.h"
#include "exercises/pairs/regolecoppie.h"
#include "frame/finestraesercizio.h"

#include <algorithm>
#include <array>

// How a pair window reads its list, and what one exercise of the window takes from it.
struct ProgettoCoppie {
    LetturaCampi lettura = LetturaCampi::Valore;
    // The fewest usable items an exercise takes, told apart by their subject's text or, where two
    // items with the same subject may be on screen together, by their number.
    int minimo = 1;
    bool soggettiDiversi = false;
    // What a list with fewer lacks, as the window says it after "non contiene".
    QString mancanza;
};

class FinestraCoppie : public FinestraEsercizio {
    Q_OBJECT
public:
    static constexpr int MassimoCoppie = 1000;

    FinestraCoppie(Programma& programma, const ProgettoFinestra& progetto, ProgettoCoppie coppie,
                   QObject* parent = nullptr);

    std::array<QString, MassimoCoppie + 1> Soggetti;
    std::array<QString, MassimoCoppie + 1> Predicati;
    std::int16_t NumeroFrasi = 0;
    QString SegniErrore;

    // Reads the pair list at PercorsoLista: the default list when the path is empty or names no
    // file. A list chosen by the teacher that cannot be read (a device, a pipe, a folder, an
    // unreadable file) or gives this window no exercise is said once, by its path, and the default
    // list takes its place, in PercorsoLista too: the next opening reads the default list. Should
    // that give nothing either, it is said at once, by its path too. Entries above the list's last
    // record keep what they held; they are never drawn.
    void CaricaCoppie();
    void RicaricaLista() override { CaricaCoppie(); }

    // Whether the list in use gives this window an exercise.
    bool ListaSufficiente() const;

    // The result row of the subject-predicate windows for the pair drawn last: level, subject,
    // predicate and the error marks.
    QStringList RigaSoggettoPredicato() const;

protected:
    // The items of the list in use: how many, whether item i (1-based) can be drawn, and the key
    // that tells it from the others in this window's draw.
    int NumeroCoppie() const { return std::clamp<int>(NumeroFrasi, 0, MassimoCoppie); }
    bool Utilizzabile(int i) const { return coppie::CoppiaUtilizzabile(Soggetti[i], Predicati[i]); }
    QString Chiave(int i) const { return coppie_.soggettiDiversi ? Soggetti[i] : QString::number(i); }

    // The list in use gives no exercise: said, unless the loader said it already, and the window
    // left as ListaSenzaElementi leaves it.
    void SenzaEsercizio();

    const ProgettoCoppie coppie_;

private:
    // Fills the tables from the list at `percorso`; false, and no record, when it cannot be read.
    bool leggiCoppie(const QString& percorso);
};
