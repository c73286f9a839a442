#pragma once
// How much of a list file the exercise windows read. A window keeps at most 1000 sentences or
// pairs; a list is read up to its 1000th line (a pair list up to its 1000th record) and never
// beyond its first 4 MiB, so that no file, however large, can hold a window up or fill the memory.
// 4 MiB leave every one of 1000 lines room for a sentence far longer than a window can show.
#include <QtGlobal>

inline constexpr qsizetype ByteMassimiLista = 4 * 1024 * 1024;
