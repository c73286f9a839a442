#pragma once
// Small services every window calls: the right and wrong answer sounds, a random colour, the
// colour and file dialogs and opening a document. None keeps anything between calls.
#include "core/programma.h"
#include "platform/colore.h"

#include <QString>

#include <array>
#include <cstdint>

class Etichetta;
class QWidget;

// One of the four right-answer sounds at random; nothing when the sounds are off.
void SuonoGiusto(Programma& p);
// The wrong-answer sound; nothing when the sounds are off.
void SuonoSbagliato(Programma& p);

// The colours ColoreCasuale draws from, slots 1..18 (slot 0 is never used). Repeated colours
// come up more often.
inline constexpr std::array<Colore, 19> Colori = {
    0x000000,                                                 // 0: never drawn
    0xC0C0FF, 0x8080FF, 0x8080FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, // 1..6
    0x00FFFF, 0x0040C0, 0xFFC0C0, 0x00C000, 0x0080FF, 0x80C0FF, // 7..12
    0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFFC0FF, 0xFF00FF, // 13..18
};
// A colour drawn with equal chance from slots 1..18 of Colori.
Colore ColoreCasuale(Programma& p);

// The colour dialog. On OK the chosen colour goes into the target's ForeColor and the result is
// true; on cancel the target is left as it was and the result is false.
bool ScegliColore(Programma& p, QWidget* owner, Etichetta& bersaglio);

// Longest path the file dialog hands back (its buffer holds 250 characters with the closing NUL).
inline constexpr int LunghezzaMassimaPercorso = 249;

// The open (modo 1) or save (any other modo) file dialog. filtro: description and pattern pairs
// separated by '|' (or by NUL characters). Returns the chosen path, or an empty text on cancel,
// for an initial name longer than 250 characters, and for a path too long for the buffer.
QString FinestraFile(Programma& p, QWidget* owner, std::int16_t modo, const QString& titolo,
                     const QString& nomeIniziale, const QString& filtro, const QString& cartellaIniziale,
                     const QString& estensione);

// Opens a document with the desktop's application for it; false when it could not (see
// Servizi::ApriDocumento). Says nothing itself.
bool ApriDocumento(Programma& p, QWidget* owner, const QString& percorso);
