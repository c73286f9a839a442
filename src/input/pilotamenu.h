#pragma once
// The main menu's keys and scan. The menu's entries form a grid of three columns and eight rows
// (index = column x 8 + row; "Esci", index 22, stands in column 2, row 7, below the sounds check
// box, which the keys and the scan never reach). The arrows move on that grid; manual and automatic
// scanning walk the entries in index order; the select key launches the highlighted entry.
#include "elementicontrolli.h"
#include "pilotascansione.h"

#include "platform/controlli.h"

#include <cstdint>
#include <functional>

namespace menu {

// Where an arrow key (37-40) leads from entry voce on the grid of numero entries; any other key
// leaves it where it is.
int VoceDopoFreccia(int tasto, int voce, int numero);

// The menu's keys: Space selects in arrow mode too, the automatic holder pauses for any key going
// down, and its release launches only in automatic scanning.
RegoleScansione Regole();

// The menu's entries as scanned items: the highlight moves from one entry to the next (the entry
// left gets the window's colour back), the arrows follow the grid, the select key launches.
AzioniScansione Azioni(const Programma& programma, ArrayControlli<Etichetta>& voci, const std::int16_t& evidenziata,
                       Colore sfondo, std::function<void(std::int16_t)> avvia);

} // namespace menu
