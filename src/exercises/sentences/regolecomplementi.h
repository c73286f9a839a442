#pragma once
// The rules of the complement exercises that need no window: which part comes next, which boxes
// the scanning highlight may stop on, how a sentence goes on once a part is placed, and what a
// right placement earns. Pure functions, shared by the mouse windows and their scanning copies.
#include <QString>

#include <functional>
#include <optional>

namespace complementi {

// The part cursor's value in the pronoun phase: no part index can take it, so a sentence of any
// length keeps its parts apart from the phase.
inline constexpr int FasePronome = -1;

// A part still to place for the scanning highlight: shown, with a caption that is not blank.
bool DaCollocare(bool visibile, const QString& didascalia);

// The first part from `da` to n - 1 still to place; nothing when none is left. The search never
// goes past the last part.
std::optional<int> ParteDaCollocare(int da, int n, const std::function<bool(int)>& daCollocare);

// How a sentence goes on after a right placement.
enum class Seguito {
    AltreParti, // parts are left to place
    Pronomi,    // every part is placed, the subject box is empty and the subject is implied
    Finita,     // the sentence is finished
};

// The pronoun phase is only for a sentence that has an implied subject: a sentence with neither
// a subject part nor an implied subject is finished by its last part, so that no pronoun is judged
// against a subject left over from an earlier sentence.
Seguito SeguitoFrase(bool restanoParti, bool soggettoVuoto, bool conSottinteso);

// Which boxes the scanning highlight stops on.
enum class SceltaCaselle {
    Visibili,      // every shown box
    VisibiliVuote, // the shown boxes still empty; every shown box while the part to place has no
                   // empty box of its own role
};

// Whether a box can be chosen. `vuotaPerLaParte`: the box of the part to place's role is shown and
// still empty. A second part of a role already placed finds its box filled: the filled boxes are
// then offered again, so that the sentence can be finished in sentence order.
bool CasellaSceglibile(SceltaCaselle regola, bool visibile, bool vuota, bool vuotaPerLaParte);

// How the right placements of a sentence score.
enum class Punteggio {
    OgniRisposta, // a point and the right-answer sound at every right placement
    SenzaAiuto,   // a point per right placement while the help is unused, one at the end when it
                  // was used; the sound only at the end
};

struct Premio {
    bool punto = false;
    bool suono = false;
    friend bool operator==(const Premio&, const Premio&) = default;
};

// What one right placement earns, given whether the help was used for the sentence and how the
// sentence goes on after it.
Premio PremioGiusto(Punteggio punteggio, bool aiutoUsato, Seguito seguito);

} // namespace complementi
