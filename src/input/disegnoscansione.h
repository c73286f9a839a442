#pragma once
// The geometry of the scan shapes, in twips: the bar under the word being judged and the frame
// drawn around a label. Pure functions; the windows read the labels' positions afresh at every
// call, since the re-layout may have moved them.
#include <QRect>

// The underline bar under `parola` (its Left, Top, Width, Height): it starts at the word's left
// edge, leaves out the trailing blank of the caption (`larghezzaSpazio`, the width of a label
// holding one blank) and lies below the word by a seventh of the word's height (rounded down).
// The bar keeps its own height.
QRect BarraSotto(const QRect& parola, int larghezzaSpazio, int altezzaBarra);

// A frame around `etichetta` whose outline is `bordo` thick: `bordo` added as it stands to the
// twips geometry on every side.
QRect CorniceIntorno(const QRect& etichetta, int bordo);
