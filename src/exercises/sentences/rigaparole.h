#pragma once
// The row of word labels Label3 that shows one sentence: element 0 is designed, the others are
// created for each sentence, laid out left to right and wrapped at a limit.
#include "exercises/sentences/rigafrase.h"
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"

#include <QCursor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// What the hidden label of an implied subject reads.
enum class DidascaliaSottinteso {
    Vuota,     // an empty caption
    Pronome,   // the pronoun and one blank, revealed when the subject is named
    Invariata, // the caption the label already had
};

class RigaParole {
public:
    ArrayControlli<Etichetta> Label3;

    // Creates Label3(0) as designed: Verdana regular of the given size at the given place, white,
    // sizing itself, with the given pointer.
    Etichetta* Crea(QWidget* area, int left, int top, double punti, const std::optional<QCursor>& puntatore);
    bool Creata() const { return Label3.Esiste(0); }

    // Builds the labels of a read line: one per part, captions and tags, the implied subject hidden
    // with the caption `didascalia` says, the row wrapped at `limite`. Labels left from an earlier
    // sentence go first.
    void Costruisci(const RigaFrase& riga, int limite, DidascaliaSottinteso didascalia);
    // Lays the shown labels out again from Label3(0), wrapping at `limite`.
    void Riordina(int limite);
    // Where the labels of a read line would stand at the window's design size (twips), wrapped at
    // `limite`: one rectangle per part, of width 0 for a hidden implied subject.
    std::vector<QRect> Disposizione(const RigaFrase& riga, int limite) const;
    // Removes the labels created for a sentence; Label3(0) stays.
    void TogliCreate() { Label3.UnloadCreati(); }

    void Abilita(bool si);
    void setPuntatore(const std::optional<QCursor>& puntatore);
    // Every label's caption, in index order.
    QString Captions() const;
    // The index of the first label after `dopo` that shows something (visible, caption not empty);
    // none when there is none.
    std::optional<int> PrimaVisibile(int dopo = -1) const;

private:
    // Labels 0..numero-1 placed from Label3(0), wrapping at `limite`.
    void disponi(int numero, int limite);

    // Label3(0)'s font and place as designed.
    QFont carattere_;
    QPoint prima_;
};
