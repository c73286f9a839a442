#pragma once
// A window that shows one sentence at a time as a row of word labels Label3, built from a tagged
// line of its list (CaricaFrase), with the implied-subject pronoun buttons where the window has
// them. What the sentence windows do differently when a sentence starts (which controls they reset,
// how they keep a hidden subject, what they do after the layout) is data of the window
// (VarianteFrase) and, for the steps that belong to a window's own controls, a virtual tail.
#include "exercises/sentences/rigafrase.h"
#include "frame/finestrafrasi.h"
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"

#include <QStringList>

#include <array>
#include <vector>

// The resets a window makes before a new sentence, in the order the window lists them.
enum class Azzeramento {
    SfondoPrimaEtichetta,   // Label3(0) white
    AbilitaPrimaEtichetta,  // Label3(0) enabled
    SvuotaPrimaEtichetta,   // Label3(0) caption empty
    MostraCaselle,          // answer boxes and headings 0..NumeroComplemento shown
    MostraAiuto,            // the help button shown
    NascondiPronomi,        // the pronoun frame hidden
    AzzeraPronomi,          // every pronoun button grey and enabled
    TogliEtichette,         // the word labels of the previous sentence removed
    SvuotaCaselle,          // every answer box emptied
    BloccaLivelli,          // the level menu locked until the sentence is solved
};

// What the hidden label of an implied subject reads.
enum class DidascaliaSottinteso {
    Vuota,     // an empty caption
    Pronome,   // the pronoun and one blank, revealed when the subject is named
    Invariata, // the caption the label already had
};

// What a pronoun button does when pressed in a sentence without an implied subject.
enum class PronomeSenzaSottinteso {
    Rosso,      // counted wrong, turns red, stays enabled
    Disabilita, // counted wrong, disabled
};

struct VarianteFrase {
    std::vector<Azzeramento> azzeramento;
    DidascaliaSottinteso didascaliaSottinteso = DidascaliaSottinteso::Invariata;
    PronomeSenzaSottinteso pronomeSenzaSottinteso = PronomeSenzaSottinteso::Rosso;
    // Lines holding "[" anywhere are drawn again (a window without pronoun buttons).
    bool saltaRigheConSottinteso = false;
};

// Colours of the sentence windows (0x00BBGGRR).
namespace colorifrase {
inline constexpr Colore Bianco = 0xFFFFFF;
inline constexpr Colore Verde = 0x80FF80;
inline constexpr Colore Rosa = 0xC0C0FF;
inline constexpr Colore Rosso = 0x0000FF;
inline constexpr Colore Bottone = 0xE0E0E0;
inline constexpr Colore CornicePronomi = 0xC0E0FF;
} // namespace colorifrase

// The text of the notice shown when the list in use holds no sentence to draw.
inline const QString MessaggioNessunaFrase =
    QStringLiteral("La lista in uso non contiene nessuna frase: scegli un'altra lista.");

// Design of the pronoun frame of a window.
struct ProgettoPronomi {
    int top = 0;
    int width = 0;
    int height = 0;
    std::array<int, 3> colonne{}; // left of the three button columns, inside the frame
    QString caption2;             // caption of the third-person button
    bool grassetto = false;
};

class FinestraFrase : public FinestraFrasi {
    Q_OBJECT
public:
    FinestraFrase(Programma& programma, const ProgettoFinestra& progetto, VarianteFrase variante,
                  QObject* parent = nullptr);

    // The sentence's word labels; element 0 belongs to the design.
    ArrayControlli<Etichetta> Label3;
    // The pronoun buttons in their frame (windows that have them).
    Cornice* Frame1 = nullptr;
    ArrayControlli<Bottone> Command1;
    // The answer boxes, their headings and the help button (complement windows).
    ArrayControlli<Etichetta> Label4;
    ArrayControlli<Etichetta> Label6;
    Bottone* Command2 = nullptr;

    bool ConSottinteso = false;
    QString Sottinteso;
    // False after a draw that found no sentence in the list in use.
    bool FraseInCorso() const { return fraseInCorso_; }

    // Draws a sentence from the list in use and lays it out.
    void CaricaFrase() override;

    // The captions of every word label, in index order.
    QString CaptionsLabel3() const override;

    // The pronoun buttons: the click, and the check of each grammatical person (1..6) for the
    // button Index.
    void Command1_Click(int Index);
    void ControllaSoggetto(int persona, int Index);
    void ControllaSoggetto1(int Index) { ControllaSoggetto(1, Index); }
    void ControllaSoggetto2(int Index) { ControllaSoggetto(2, Index); }
    void ControllaSoggetto3(int Index) { ControllaSoggetto(3, Index); }
    void ControllaSoggetto4(int Index) { ControllaSoggetto(4, Index); }
    void ControllaSoggetto5(int Index) { ControllaSoggetto(5, Index); }
    void ControllaSoggetto6(int Index) { ControllaSoggetto(6, Index); }

    // The pronouns each person's button accepts.
    static const std::array<QStringList, 6>& PronomiPersona();
    static bool PronomeDellaPersona(const QString& sottinteso, int persona);

    // Shows the hidden labels (the implied subject) in green and lays the words out again against
    // the window's full width.
    void SistemaLabel();

    const VarianteFrase& variante() const { return variante_; }

protected:
    // Creates Label3(0) as designed: Verdana regular of the given size at the given place, white,
    // sizing itself, with the program's own pointer.
    Etichetta* CreaPrimaEtichetta(int left, int top, double punti);
    // Creates the pronoun frame with its six buttons, hidden.
    void CreaPronomi(const ProgettoPronomi& p);
    void DistruggiControlliEsercizio() override;

    // Gives the word labels (and the pronoun buttons) the system's pointer when the settings ask
    // for it.
    void ApplicaCursoreDiSistema();

    // Connected to every word label, designed or created.
    virtual void Label3_Click(int Index) { (void)Index; }
    // What the window does after the layout.
    virtual void CodaFrase() {}
    // What finishes the sentence when the right pronoun is named (after the count).
    virtual void SottintesoNominato(int persona) { (void)persona; }

    // Reads a line into the word labels: creation, captions, tags, layout.
    void CostruisciFrase(const QString& riga);
    void Azzera(Azzeramento passo);
    // The level menu's lock (windows with a level menu).
    void BloccaLivelli(bool bloccato);

private:
    VarianteFrase variante_;
    bool fraseInCorso_ = false;
};
