#pragma once
// "soggetto - predicato": the subject box and the predicate box side by side under their headings,
// and below them the two words of one pair of the list. The learner puts each word into its own
// box: Form1 by dragging it, Form1s by selecting the framed word for the framed box (the box on
// the left first). The order menu puts the subject box on the left, on the right or either way at
// random; the words stand under their own boxes or crosswise, at random.
#include "exercises/pairs/finestracoppie.h"
#include "exercises/pairs/regolecoppie.h"
#include "frame/caselleruoli.h"
#include "input/elementiscansione.h"

#include <cstdint>

// What a list lacks when it holds no pair with both a subject and a predicate.
inline const QString MancanzaNessunaCoppia = QStringLiteral("nessuna coppia di soggetto e predicato");

class FinestraSoggettoPredicato : public FinestraCoppie {
    Q_OBJECT
public:
    FinestraSoggettoPredicato(Programma& programma, const ProgettoFinestra& progetto);

    // Caselle.Label4(0) the subject box, Label4(1) the predicate box, with their headings Label6.
    CaselleRuoli Caselle;
    // Label3(0) the subject, Label3(1) the predicate.
    ArrayControlli<Etichetta> Label3;

    // The left and the right place of the boxes, read from the boxes before each placement.
    double PosizioneSinistra = 0;
    std::int16_t PosizioneDestra = 0;

    // False after a draw that found no pair in the list in use.
    bool CoppiaInCorso() const { return coppiaInCorso_; }

    // The next item is a pair.
    void NuovaFrase();
    void ProssimoElemento() override { NuovaFrase(); }
    void ScombiccheraPosti();
    void mnuLiv_Click(int Index) override;

protected:
    void CreaControlliEsercizio() override;
    void PassiCaricamento() override;
    void Attivazione() override;

    // A word placed on a box: judged, shown, counted, booked.
    coppie::Esito Giudica(int parola, int casella);

    // What a window does besides: once a pair is on screen, when a word is placed right, and when
    // the pair is over (finished, just before it is booked, or none to show).
    virtual void CoppiaMostrata() {}
    virtual void ParolaCollocata(int parola) { (void)parola; }
    virtual void CoppiaChiusa() {}
    // The words drag automatically, with the program's hand cursor.
    virtual bool ParoleTrascinabili() const { return false; }

private:
    void LeggiPosizioni();
    void SenzaCoppie();
    bool coppiaInCorso_ = false;
};

// The mouse window: a word dragged onto a box.
class Form1 : public FinestraSoggettoPredicato {
    Q_OBJECT
public:
    Form1(Programma& programma, const ProgettoFinestra& progetto);

    // The drop of a label on box Index (0 subject, 1 predicate).
    void Label4_DragDrop(int Index, Etichetta* Source);

protected:
    void ParolaCollocata(int parola) override;
    bool ParoleTrascinabili() const override { return true; }
};

// The scanning window: Shape1 frames the box to fill, Shape2 the word the keys move over.
class Form1s : public FinestraSoggettoPredicato, private ElementiScansione {
    Q_OBJECT
public:
    static constexpr int BordoCornici = 9;

    Form1s(Programma& programma, const ProgettoFinestra& progetto);

    // 1: the box in the left place is to be filled, 2: the one in the right place.
    std::int16_t Fase = 1;
    // The framed word: 1 the one in the left place, 2 the one in the right place.
    std::int16_t Posto = 1;
    // The box to fill and the framed word (0 or 1), read from the position tags by SistemaShape.
    std::int16_t IndiceCasella = 0;
    std::int16_t IndiceParola = 0;

    struct Controlli {
        Forma* Shape1 = nullptr;
        Forma* Shape2 = nullptr;
    };
    const Controlli& controlli() const { return c2_; }

    // The select key.
    void Confermato();
    // The word frame to the other place.
    void ModificaPosto();
    // The two frames from Fase and Posto.
    void SistemaShape();

protected:
    void CreaControlliEsercizio() override;
    void Attivazione() override;
    void CoppiaMostrata() override;
    void CoppiaChiusa() override;
    ElementiScansione* ElementiScansionati() override { return this; }

private:
    // The keys move over the two word places; every step and every arrow goes to the other one.
    int Numero() const override { return 2; }
    int Cursore() const override { return Posto - 1; }
    void setCursore(int c) override { Posto = static_cast<std::int16_t>(c + 1); }
    void Evidenzia(int) override { SistemaShape(); }
    void Seleziona() override { Confermato(); }
    std::optional<int> Freccia(int, int cursore) const override { return 1 - cursore; }

    Controlli c2_;
};
