#pragma once
// The direct-object and complement windows: the learner puts every part of the sentence into the
// box of its role (0 subject, 1 predicate, 2 direct object, 3.. the complements). With the mouse
// (Form5, Form7, Form11, Form14) the parts are dragged onto the boxes; Form7, Form11 and Form14
// offer one help per sentence. When every part is placed and the subject is implied, the pronoun
// buttons name it. What the windows do differently is data (ProgettoComplementi).
#include "exercises/sentences/finestrafrase.h"
#include "exercises/sentences/regolecomplementi.h"

#include <QRect>

#include <optional>
#include <vector>

// What the help does besides keeping only the boxes of the roles in the sentence.
struct RegoleAiuto {
    bool marcaParti = true;  // subject and predicate parts take the colours of boxes 0 and 1
    bool rigaGriglia = true; // a result row "* * * aiuto * * *"
};

struct ProgettoComplementi {
    // Label3(0): place and font size.
    int left = 0;
    int top = 0;
    double punti = 14.25;
    // The parts and the pronoun buttons show the program's hand (else the system pointer).
    bool puntatoreMano = true;
    // The activation gives them the system pointer when the settings ask for it.
    bool cursoreDiSistema = true;
    // The parts are dragged with the mouse onto the boxes.
    bool trascina = true;
    // The headings are brought in front of the boxes at every activation.
    bool intestazioniDavanti = true;
    std::vector<ProgettoCasella> caselle{};
    CarattereCaselle carattere{};
    ProgettoPronomi pronomi{};
    // The help button "aiuto" (twips); none in a window without help.
    std::optional<QRect> aiuto{};
    RegoleAiuto regoleAiuto{};
    complementi::Punteggio punteggio = complementi::Punteggio::SenzaAiuto;
    VarianteFrase variante{};
};

class FinestraComplementi : public FinestraFrase {
    Q_OBJECT
public:
    FinestraComplementi(Programma& programma, const ProgettoFinestra& progetto, ProgettoComplementi complementi);

    PannelloPronomi Pronomi;
    CaselleRuoli Caselle;

    struct Controlli {
        Bottone* Command2 = nullptr; // "aiuto"
    };
    const Controlli& controlli() const { return c2_; }

    // A part dropped on a box.
    void Label4_DragDrop(int Index, Etichetta* Source);
    // The help.
    void Command2_Click();

    const ProgettoComplementi& progettoComplementi() const { return complementi_; }

protected:
    void CreaControlliEsercizio() override;
    void Attivazione() override;
    void SottintesoNominato(int persona) override;
    void MostraAiuto() override;

private:
    bool AiutoUsato() const;
    bool RestanoParti() const;
    bool SoggettoVuoto() const;
    // What follows the last part placed: the pronoun frame, or the finished sentence.
    void FineParti(complementi::Seguito seguito);

    ProgettoComplementi complementi_;
    Controlli c2_;
};

// "complemento oggetto".
class Form5 : public FinestraComplementi {
    Q_OBJECT
public:
    Form5(Programma& programma, const ProgettoFinestra& progetto);
};

// The complements of specification, term and cause, and reviews 1 to 3.
class Form7 : public FinestraComplementi {
    Q_OBJECT
public:
    Form7(Programma& programma, const ProgettoFinestra& progetto);
};

// The complements of means, company and place, and reviews 4 to 6.
class Form11 : public FinestraComplementi {
    Q_OBJECT
public:
    Form11(Programma& programma, const ProgettoFinestra& progetto);
};

// The complements of manner and time, and reviews 7 and 8.
class Form14 : public FinestraComplementi {
    Q_OBJECT
public:
    Form14(Programma& programma, const ProgettoFinestra& progetto);
};

// The designs of the complement windows.
ProgettoComplementi ComplementiForm5();
ProgettoComplementi ComplementiForm7();
ProgettoComplementi ComplementiForm11();
ProgettoComplementi ComplementiForm14();
