#pragma once
// The pick-one sentence windows with the mouse: the learner clicks the word that carries the
// window's role ("clicca sul predicato" in Form2, "clicca sul soggetto" in Form4), working through
// graded lists chosen with the level menu. Form4 also names implied subjects with the pronoun
// buttons from level 3 on.
#include "exercises/sentences/finestrafrase.h"

#include <optional>

struct ProgettoRiconosci {
    QString istruzione{};      // Label1
    int ruolo = 0;           // the role of the right word
    Colore coloreGiusto = 0; // background of the right word
    int left = 0;            // Label3(0)
    int top = 0;
    double punti = 15.75;
    std::optional<ProgettoPronomi> pronomi{}; // the pronoun frame, shown from level 3 on
    int altezzaBarra = 0;                   // status bar height set at activation (0: as designed)
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
    void Attivazione() override;
    void SottintesoNominato(int persona) override;

private:
    ProgettoRiconosci riconosci_;
    Controlli c2_;
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
