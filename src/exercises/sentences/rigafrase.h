#pragma once
// Reading a tagged sentence line: parts separated by "#", each text followed by its role, e.g.
// "il gatto#0#mangia#1#il topo#2#". A part whose text begins with "[" is the implied subject:
// it belongs to the sentence but is not shown. Pure functions, shared by every sentence window.
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// The character that closes every chunk of a line and the one that marks an implied subject.
inline constexpr QChar SeparatoreRiga = QLatin1Char('#');
inline constexpr QChar SegnoSottinteso = QLatin1Char('[');

struct ParteFrase {
    // The trimmed text chunk. For an implied subject: the whole trimmed chunk, brackets included.
    QString testo;
    // The implied subject's pronoun: the trimmed chunk without its first and last character
    // (empty for a chunk of one character). Empty for a shown part.
    QString pronome;
    bool sottinteso = false;
    // The trimmed role chunk; absent when the line ended before the role was closed.
    std::optional<QString> ruolo;

    // What a shown part's label reads: the text and one blank.
    QString Didascalia() const { return testo + QLatin1Char(' '); }
};

// The largest line a window draws: at most 60 parts (each a word label of its own: sixty short words
// already fill a window's sentence area, and the scanning cursor steps over them one by one) and at
// most 1000 characters once trimmed (several times what the sentence area shows).
inline constexpr int MassimoPartiRiga = 60;
inline constexpr int MassimoCaratteriRiga = 1000;

struct RigaFrase {
    // A line beyond the bounds above: it is read no further, has no parts and is not drawn.
    bool troppoGrande = false;
    // Whether a window can draw the line: within the bounds, with at least one shown part that has
    // a character one can see.
    bool Disegnabile() const;
    // The role a window's label of part k carries, read by its leading number: the part's own, or,
    // for a last part whose role was never closed, the first part's (its label is a copy of the
    // first one); nothing for a lone part without a role, whose label keeps what it had.
    std::optional<double> RuoloParte(std::size_t k) const;
    // Whether a shown part has the role.
    bool RuoloMostrato(double ruolo) const;

    // The line as it is read: trimmed, its first character upper-cased.
    QString testo;
    std::vector<ParteFrase> parti;
    bool ConSottinteso = false;
    // The pronoun of the last implied subject of the line; absent when the line has none.
    std::optional<QString> Sottinteso;
    // The shown parts' texts, each followed by one blank.
    QString TestoFrase;
};

// Reads one stored line. Text after the last "#" is dropped. A line beyond the bounds is not read
// past them.
RigaFrase LeggiRigaFrase(const QString& riga);

// The role read by its leading number: leading blanks skipped, the longest decimal prefix
// (sign, digits, decimal point, exponent) taken; 0 when the text does not start with a number.
double RuoloIniziale(const QString& tag);

// The wrap limit of a sentence in a window of the given outer width (twips): 80 % of the width
// rounded to a whole number, taken down to a multiple of 8.
int LimiteACapo(double larghezzaFinestra);

// Where a word label goes after the one before it: on the same row right after it, or, when its
// right edge would reach the limit, at the left margin two of its own heights below the previous
// label's top.
QPoint PosizioneSeguente(const QPoint& precedente, int larghezzaPrecedente, int larghezza, int altezza,
                         int margineSinistro, int limite);

// Where the word labels of a sentence go, given their sizes in order: the first at `prima`, each
// other one after the one before it as PosizioneSeguente says, with the first one's left as the
// margin.
std::vector<QPoint> PosizioniParole(const std::vector<QSize>& dimensioni, const QPoint& prima, int limite);
