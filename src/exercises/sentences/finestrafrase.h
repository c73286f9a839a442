#pragma once
// A window that shows one sentence at a time as a row of word labels, built from a tagged line of
// its list (CaricaFrase). The window is made of parts: the word row (every sentence window), and,
// where the window has them, the pronoun panel and the role boxes. What the windows do differently
// when a sentence starts (which controls they reset, how they keep a hidden subject, which lines
// they draw) is data of the window (VarianteFrase); what they do after the layout is a virtual tail.
#include "exercises/sentences/pannellopronomi.h"
#include "exercises/sentences/rigafrase.h"
#include "exercises/sentences/rigaparole.h"
#include "frame/caselleruoli.h"
#include "frame/finestrafrasi.h"

#include <QStringList>

#include <optional>
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
    NascondiAvanti,         // the "Avanti" panel hidden
};

// What a pronoun button does when pressed in a sentence without an implied subject.
enum class PronomeSenzaSottinteso {
    Rosso,      // counted wrong, turns red, stays enabled
    Disabilita, // counted wrong, disabled
};

// Where the "frase" cell of a result row comes from.
enum class FonteFrase { TestoFrase, CaptionsLabel3 };

struct VarianteFrase {
    std::vector<Azzeramento> azzeramento{};
    DidascaliaSottinteso didascaliaSottinteso = DidascaliaSottinteso::Invariata;
    PronomeSenzaSottinteso pronomeSenzaSottinteso = PronomeSenzaSottinteso::Rosso;
    // Lines holding "[" anywhere are passed over by the draw (a window without pronoun buttons).
    bool saltaRigheConSottinteso = false;
    FonteFrase frase = FonteFrase::TestoFrase;
    // The wrap limit of the re-flow after the implied subject is revealed: the window's full width,
    // or the same limit as the sentence's first layout.
    bool riflussoAllaLarghezza = true;
    // The status bar's height set at every activation (twips; 0: as the frame made it).
    int altezzaBarra = 0;
};

// Colours of the sentence windows (0x00BBGGRR).
namespace colorifrase {
inline constexpr Colore Bianco = colore::Bianco;
inline constexpr Colore Verde = 0x80FF80;
inline constexpr Colore Rosa = 0xC0C0FF;
inline constexpr Colore Rosso = 0x0000FF;
inline constexpr Colore Bottone = PannelloPronomi::ColoreBottone;
} // namespace colorifrase

// The text of the notice shown when the list in use holds no sentence to draw.
inline const QString MessaggioNessunaFrase =
    QStringLiteral("La lista in uso non contiene nessuna frase: scegli un'altra lista.");

class FinestraFrase : public FinestraFrasi {
    Q_OBJECT
public:
    FinestraFrase(Programma& programma, const ProgettoFinestra& progetto, VarianteFrase variante,
                  QObject* parent = nullptr);

    // The sentence's word labels Parole.Label3; element 0 belongs to the design.
    RigaParole Parole;

    bool ConSottinteso = false;
    QString Sottinteso{};
    // False after a draw that found no sentence in the list in use.
    bool FraseInCorso() const { return fraseInCorso_; }

    // Draws a sentence from the list in use and lays it out.
    void CaricaFrase() override;

    // The captions of every word label, in index order.
    QString CaptionsLabel3() const { return Parole.Captions(); }

    // The result row of this window for an answer: the level (windows whose grid has a level
    // column), the sentence, the error text.
    QStringList RigaRisultato(const QString& errori) const;

    // The pronoun buttons (windows with a pronoun panel): the click, and the check of each
    // grammatical person (1..6) for the button Index.
    void Command1_Click(int Index);
    void ControllaSoggetto(int persona, int Index);
    void ControllaSoggetto1(int Index) { ControllaSoggetto(1, Index); }
    void ControllaSoggetto2(int Index) { ControllaSoggetto(2, Index); }
    void ControllaSoggetto3(int Index) { ControllaSoggetto(3, Index); }
    void ControllaSoggetto4(int Index) { ControllaSoggetto(4, Index); }
    void ControllaSoggetto5(int Index) { ControllaSoggetto(5, Index); }
    void ControllaSoggetto6(int Index) { ControllaSoggetto(6, Index); }

    // Shows the hidden labels (the implied subject) in green and lays the words out again.
    void SistemaLabel();

    const VarianteFrase& variante() const { return variante_; }

protected:
    // The parts a window has besides the word row; given once, in the window's constructor.
    // A click on a pronoun button is judged only where `clic` says so (the scanning windows judge
    // the highlighted button instead).
    void UsaPronomi(PannelloPronomi& pronomi, bool clic = true);
    void UsaCaselle(CaselleRuoli& caselle);
    PannelloPronomi* pronomi() const { return pronomi_; }
    CaselleRuoli* caselle() const { return caselle_; }

    // Gives the word labels (and the pronoun buttons) the system's pointer when the settings ask
    // for it.
    void ApplicaCursoreDiSistema();
    // Every activation: the pointers, the status bar's height, a fresh grid, a new sentence.
    void Attivazione() override;

    // Connected to every word label, designed or created.
    virtual void Label3_Click(int Index) { (void)Index; }
    // What the window does after the layout.
    virtual void CodaFrase() {}
    // What finishes the sentence when the right pronoun is named (after the count).
    virtual void SottintesoNominato(int persona) { (void)persona; }
    // The help button shown again (windows that have one).
    virtual void MostraAiuto() {}
    // Whether the learner can finish the line in this window; the draw passes over the others. A
    // window with role boxes needs a box for the role of every shown part; one that names an implied
    // subject with its pronoun buttons needs a subject a button names.
    virtual bool Completabile(const RigaFrase& riga) const;
    // The implied subject of the line can be named with the pronoun buttons the window offers.
    bool SottintesoNominabile(const RigaFrase& riga) const;
    // Whether the window offers its pronoun buttons to name an implied subject (windows that have
    // them; some only from a level on).
    virtual bool PronomiOfferti() const { return pronomi_ != nullptr; }
    // Whether the words of the line, laid out as the window lays them out at its design size, all
    // stand on its client area clear of every control shown in front of them (boxes, panels, the
    // status bar), so that each can be seen and reached.
    bool EntraNellArea(const RigaFrase& riga) const;
    // What the window hides when the list in use gives no sentence: nothing of an earlier sentence
    // (bar, frame, highlight, help) stays until a sentence is drawn.
    virtual void SenzaFrase() {}

    void Azzera(Azzeramento passo);
    // The level menu's lock (windows with a level menu).
    void BloccaLivelli(bool bloccato);

private:
    VarianteFrase variante_;
    PannelloPronomi* pronomi_ = nullptr;
    CaselleRuoli* caselle_ = nullptr;
    bool fraseInCorso_ = false;
};
