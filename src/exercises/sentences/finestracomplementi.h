#pragma once
// The direct-object and complement windows: the learner puts every part of the sentence into the
// box of its role (0 subject, 1 predicate, 2 direct object, 3.. the complements). With the mouse
// (Form5, Form7, Form11, Form14) the parts are dragged onto the boxes; Form7, Form11 and Form14
// offer one help per sentence. In the scanning copies (Form5s, Form7s, Form11s, Form14s) a bar
// underlines the part to place, the keys or the switch move a highlight over the boxes, and the
// select key puts the part into the highlighted box. When every part is placed and the subject is
// implied, the pronoun buttons name it. What the windows do differently is data
// (ProgettoComplementi).
#include "exercises/sentences/finestrafrase.h"
#include "exercises/sentences/regolecomplementi.h"
#include "input/barraparola.h"

#include <QRect>

#include <cstdint>
#include <memory>
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
    // How a part dropped with the mouse scores.
    complementi::Punteggio punteggio = complementi::Punteggio::SenzaAiuto;
    // The pronoun buttons answer a click.
    bool pronomiAlClic = true;
    VarianteFrase variante{};

    // Scanning copies: the boxes the highlight stops on, the help applied to every new sentence,
    // the bar under the part to place and whether it takes the scan colour at every activation.
    complementi::SceltaCaselle sceltaCaselle = complementi::SceltaCaselle::Visibili;
    bool aiutoOgniFrase = false;
    ProgettoBarra barra{.width = 1815, .colore = 0x80FF80, .visibile = false, .larghezzaSpazio = 135};
    bool barraInColoreScansione = false;
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

    // Scanning copies: the part to place (FasePronome in the pronoun phase), the highlighted box
    // (or pronoun button), and whether the sentence is finished.
    std::int16_t ParteCorrente = 0;
    std::int16_t BoxCorrente = 0;
    bool FraseCompletata = false;
    // The bar under the part to place, with the label that measures one blank.
    BarraParola Barra;

    // A part dropped on a box.
    void Label4_DragDrop(int Index, Etichetta* Source);
    // The help.
    void Command2_Click();

    // Scanning copies: the select key on the highlighted box or pronoun button.
    void Confermato();
    void ControllaSoggettoSottinteso();
    // The highlight: the boxes (none while no sentence is drawn), the pronoun buttons, the bar under
    // the part to place.
    void ColoraLabel();
    void ColoraBottone();
    void SistemaShape();

    const ProgettoComplementi& progettoComplementi() const { return complementi_; }

    // A new sentence; the scanning copies start it with the bar under its first part.
    void CaricaFrase() override;

protected:
    void CreaControlliEsercizio() override;
    void Attivazione() override;
    void CodaFrase() override;
    void SottintesoNominato(int persona) override;
    void MostraAiuto() override;
    void SenzaFrase() override;
    ElementiScansione* ElementiScansionati() override { return elementi_.get(); }

private:
    bool AiutoUsato() const;
    void posaAiuto(bool sopraIPronomi);
    // Parts left: with the mouse every shown part, for the scanning highlight only those with
    // something to read.
    bool RestanoParti() const;
    bool DaCollocare(int k) const;
    // The next part to place from `da` on, else from the first; nothing when none is left.
    std::optional<int> ProssimaParte(int da) const;
    bool SoggettoVuoto() const;
    // What follows the last part placed: the pronoun phase, or the finished sentence.
    void FineParti(complementi::Seguito seguito);

    ProgettoComplementi complementi_;
    Controlli c2_;
    std::unique_ptr<ElementiScansione> elementi_;
};

// "complemento oggetto".
class Form5 : public FinestraComplementi {
    Q_OBJECT
public:
    Form5(Programma& programma, const ProgettoFinestra& progetto);
};

// The complements "di specificazione", "di termine", "di causa", and reviews 1 to 3.
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

// "complemento oggetto" by scanning.
class Form5s : public FinestraComplementi {
    Q_OBJECT
public:
    Form5s(Programma& programma, const ProgettoFinestra& progetto);
};

class Form7s : public FinestraComplementi {
    Q_OBJECT
public:
    Form7s(Programma& programma, const ProgettoFinestra& progetto);
};

class Form11s : public FinestraComplementi {
    Q_OBJECT
public:
    Form11s(Programma& programma, const ProgettoFinestra& progetto);
};

// Also worked with the mouse: parts dropped on the boxes, pronoun buttons clicked.
class Form14s : public FinestraComplementi {
    Q_OBJECT
public:
    Form14s(Programma& programma, const ProgettoFinestra& progetto);
};

// The designs of the complement windows.
ProgettoComplementi ComplementiForm5();
ProgettoComplementi ComplementiForm7();
ProgettoComplementi ComplementiForm11();
ProgettoComplementi ComplementiForm14();
ProgettoComplementi ComplementiForm5s();
ProgettoComplementi ComplementiForm7s();
ProgettoComplementi ComplementiForm11s();
ProgettoComplementi ComplementiForm14s();
