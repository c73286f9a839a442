#pragma once
// The bar of the scanning sentence windows: an outline shape drawn under the word being judged,
// with the hidden label LabelDim that measures one blank, so that the bar leaves out the blank
// that ends every caption.
#include "platform/colore.h"
#include "platform/controlli.h"

struct ProgettoBarra {
    int width = 1455;           // design size of the bar (its height is 15 for good)
    int bordo = 9;              // BorderWidth, pixels
    Colore colore = 0;          // design outline colour
    bool visibile = true;
    int larghezzaSpazio = 150;  // LabelDim's design width
};

class BarraParola {
public:
    Forma* Shape = nullptr;
    Etichetta* LabelDim = nullptr;

    void Crea(QWidget* area, const ProgettoBarra& p);
    bool Creata() const { return Shape != nullptr; }

    // The bar under `parola`, from the word's position and size as they are now (the re-layout may
    // have changed them). It lies under the word labels, in the layer of the frames; its
    // visibility is the caller's.
    void Sotto(const Etichetta& parola);
};
