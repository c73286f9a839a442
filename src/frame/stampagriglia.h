#pragma once
// The results grid on paper: one text line per row with the columns side by side, a line between
// rows, a rule between columns and a box around the whole, all in twips from (left, top).
#include "platform/griglia.h"
#include "platform/stampante.h"

// The longest beginning of the text whose printed width fits in `larghezza` twips.
QString TagliaTesto(const Stampante& stampante, const QString& testo, double larghezza);

// Draws the whole grid, header row included, as a ruled table; leaves the document open.
void StampaGriglia(Stampante& stampante, const ModelloGriglia& griglia, double left, double top);
