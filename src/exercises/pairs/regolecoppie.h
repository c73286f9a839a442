#pragma once
// The rules of the two pair exercises that need no window: which items can be drawn and how they
// are drawn, where the boxes and words of a pair stand, which box and word the scanning frames
// name, how a word is judged, how the subjects are shuffled among the rows of a matching exercise,
// how a match is judged and what its result rows say. Every random choice comes from the caller's
// generator.
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace coppie {

// The integer part of a uniform random number in [0, 1) times n: 0..n-1.
using Casuale = std::function<int(int)>;
// Whether item n (1-based) of the list can be used.
using Utilizzabile = std::function<bool(int)>;

// An item can be used when it has both a subject and a predicate: without a subject there is
// nothing to show, without a predicate the pair can never be finished.
bool CoppiaUtilizzabile(const QString& soggetto, const QString& predicato);

// One item at random among the usable items 1..numero, each with the same chance; nothing when
// none can be used.
std::optional<int> EstraiCoppia(int numero, const Utilizzabile& utilizzabile, const Casuale& casuale);

// How many different keys the usable items 1..numero have.
int ChiaviDiverse(int numero, const Utilizzabile& utilizzabile, const std::function<QString(int)>& chiave);

// Up to `quanti` items at random among the usable items 1..numero, no two with the same key (the
// subject's text, or the item number). Each is drawn with the same chance among the usable items
// whose key is not taken yet. Fewer come back when the list has fewer different keys.
std::vector<int> EstraiCoppie(int numero, int quanti, const Utilizzabile& utilizzabile,
                              const std::function<QString(int)>& chiave, const Casuale& casuale);

// ---- subject and predicate placement --------------------------------------------------------

inline const QString TagSinistra = QStringLiteral("Sinistra1");
inline const QString TagDestra = QStringLiteral("Sinistra2");

// Where the two boxes (Label4) and the two words (Label3) stand, with their position tags;
// index 0 is the subject, 1 the predicate.
struct Posti {
    std::array<int, 2> caselle{};
    std::array<QString, 2> tagCaselle;
    std::array<int, 2> parole{};
    std::array<QString, 2> tagParole;
    bool operator==(const Posti&) const = default;
};

// A new placement. The box order comes from the order chosen (1 subject box on the left, 2 on the
// right, 3 at random; any other value leaves the boxes and their tags as they are), then the words
// stand each under its own box or crosswise, at random. Each word takes the tag of its box.
Posti ScombiccheraPosti(Posti attuali, int sinistra, int destra, int livello, const Casuale& casuale);

// The index (0 or 1) named by the tags for a phase or word position: in position 1 the element
// tagged as standing on the left, otherwise the other one. With no element tagged on the left the
// index stays as it was.
int IndiceDaTag(int posizione, const QString& tag0, const QString& tag1, int attuale);

// How a word placed on a box is judged.
enum class Esito {
    Niente,     // the word was placed already: nothing happens
    Sbagliata,  // the word belongs to the other box
    Collocata,  // right, and the other word is still to place
    Completata, // right, and both boxes are now filled: the item is finished
};

// The captions of the two boxes and the two words of a pair.
struct StatoCoppia {
    std::array<QString, 2> caselle;
    std::array<QString, 2> parole;
    bool Finita() const { return parole[0].isEmpty() && parole[1].isEmpty(); }
};

// Word `parola` placed on box `casella`: a right word moves from the word label into its box.
Esito Colloca(StatoCoppia& stato, int parola, int casella);

// ---- pair matching -----------------------------------------------------------------------------

inline constexpr int RigheMinime = 3;
inline constexpr int RigheMassime = 9;

// The rows of an exercise: the rows chosen, or fewer when fewer items could be drawn; 0 when not
// even the smallest exercise can be made.
int RigheInUso(int numeroRighe, int estratte);

// The subjects shuffled among the rows: entry k is the subject standing on row k. Each row takes
// a subject at random, or the next one not yet placed after it, wrapping to the first.
std::vector<int> MescolaRighe(int righe, const Casuale& casuale);

// A text as the learner reads it: blanks at either end left out, a run of blanks read as one.
QString TestoVisto(const QString& testo);

// The sentences of a matching exercise: subject label i and box i show the subject and the
// predicate of sentence i. A match joins a subject label with a box. It is right when both are
// still free and, read as the learner sees them (case counts), they make a sentence not made yet,
// whatever its index: that sentence is made, the subject and the box are taken. The free subjects
// then still show the subjects of the sentences not made and the free boxes their predicates, so
// every free subject has a box that makes a sentence: the exercise can always be finished.
class Abbinamento {
public:
    struct Frase {
        QString soggetto;
        QString predicato;
    };
    Abbinamento() = default;
    explicit Abbinamento(const std::vector<Frase>& frasi);

    bool Abbina(int soggetto, int casella);

private:
    std::vector<Frase> frasi_; // as seen
    std::vector<bool> fatte_, soggettiPresi_, casellePrese_;
};

// Columns 1 to 3 of a matching result row: the number of rows, then the pair's text under
// "frasi esatte" or "frasi errate", a blank in the other.
QStringList RigaAbbinamento(int righe, const QString& coppia, bool giusta);

// ---- scan frames -------------------------------------------------------------------------------

// A frame around a control: its corner moved up and left by `scostamento`, its size grown by twice
// `margine` (both the frames' pixel thicknesses, taken as twips as the frames were designed).
QRect Riquadro(const QRect& controllo, int scostamento, int margine);

} // namespace coppie
