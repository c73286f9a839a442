#pragma once
// The pick-one sentence windows: the learner picks the word that carries the window's role, the
// predicate ("riconosci il predicato") or the subject ("riconosci il soggetto"), working through
// graded lists chosen with the level menu. With the mouse (Form2, Form4) the learner clicks the
// word, and Form4 also names implied subjects with the pronoun buttons from level 3 on; by keys and
// switches (Form2s, Form4s) a bar under the words shows the word to judge, and a frame marks the
// word found.
#include "exercises/sentences/finestrafrase.h"
#include "input/barraparola.h"
#include "input/elementicontrolli.h"

#include <cstdint>
#include <optional>

struct ProgettoRiconosci {
    QString istruzione{};      // Label1
    int ruolo = 0;             // the role of the right word
    Colore coloreGiusto = 0;   // background of the right word
    int left = 0;              // Label3(0)
    int top = 0;
    double punti = 15.75;
    bool puntatorePersonale = true;            // the word labels show the program's own pointer
    std::optional<ProgettoPronomi> pronomi{};  // the pronoun frame, shown from level 3 on
    VarianteFrase variante;
};

class FinestraRiconosci : public FinestraFrase {
    Q_OBJECT
public:
    FinestraRiconosci(Programma& programma, const ProgettoFinestra& progetto, ProgettoRiconosci riconosci);

    struct Controlli {
        Etichetta* Label1 = nullptr;
    };
    const Controlli& controlli() const { return c2_; }
    // Form4's pronoun buttons.
    PannelloPronomi Pronomi;

    void mnuLiv_Click(int Index) override;
    void Label3_Click(int Index) override;

    // The level from which the pronoun buttons are shown.
    static constexpr int LivelloPronomi = 3;

protected:
    void CreaControlliEsercizio() override;
    void SottintesoNominato(int persona) override;
    // A line needs a shown word of the window's role, or an implied subject a pronoun button names.
    bool Completabile(const RigaFrase& riga) const override;
    // Form4 shows its pronoun buttons from level LivelloPronomi on.
    bool PronomiOfferti() const override;

    // Judges word Index: right when its role, read by its leading number, is the window's.
    void Giudica(int Index);
    // What the right word and a wrong one do besides the booking: the mouse windows close the
    // sentence to further clicks and redden a wrong word.
    virtual void ParolaGiusta(Etichetta& parola);
    virtual void ParolaSbagliata(Etichetta& parola);

private:
    ProgettoRiconosci riconosci_;
    Controlli c2_;
};

// The scanning copies: the keys move the bar Shape1 from word to word (passing over hidden and
// empty words), the select key judges the word over the bar (Confermato), a right word is framed by
// Shape2, and while the frame is shown the next step or select draws the next sentence.
class FinestraRiconosciScansione : public FinestraRiconosci {
    Q_OBJECT
public:
    FinestraRiconosciScansione(Programma& programma, const ProgettoFinestra& progetto, ProgettoRiconosci riconosci,
                               Colore coloreCornice);

    // The word over the bar.
    std::int16_t ParteCorrente = 0;
    // Shape1, the bar, and LabelDim.
    BarraParola Barra;
    struct ControlliScansione {
        Forma* Shape2 = nullptr; // the frame around the word found
    };
    const ControlliScansione& segni() const { return c3_; }
    Forma* Shape1() const { return Barra.Shape; }

    void CaricaFrase() override;
    void Label3_Click(int Index) override;
    // The select key: the next sentence when this one is over, else the word over the bar judged.
    void Confermato();
    // The bar under the word ParteCorrente.
    void SistemaShape();

    // The sentence is solved: the frame is shown around the right word.
    bool Risolta() const;

protected:
    void CreaControlliEsercizio() override;
    void Attivazione() override;
    void CodaFrase() override;
    void SenzaFrase() override;
    void ParolaGiusta(Etichetta& parola) override;
    void ParolaSbagliata(Etichetta& parola) override;
    ElementiScansione* ElementiScansionati() override { return &elementi_; }

private:
    Colore coloreCornice_;
    ControlliScansione c3_;
    ElementiControlli<Etichetta> elementi_;
};

// "riconosci il predicato".
class Form2 : public FinestraRiconosci {
    Q_OBJECT
public:
    Form2(Programma& programma, const ProgettoFinestra& progetto);
};

// "riconosci il soggetto".
class Form4 : public FinestraRiconosci {
    Q_OBJECT
public:
    Form4(Programma& programma, const ProgettoFinestra& progetto);
};

// "riconosci il predicato", by keys and switches.
class Form2s : public FinestraRiconosciScansione {
    Q_OBJECT
public:
    Form2s(Programma& programma, const ProgettoFinestra& progetto);
};

// "riconosci il soggetto", by keys and switches: lines with an implied subject are never drawn.
class Form4s : public FinestraRiconosciScansione {
    Q_OBJECT
public:
    Form4s(Programma& programma, const ProgettoFinestra& progetto);
};
