#pragma once
// The program's own pictures: its large pointers, the splash picture and the icon. Each is read
// from the "immagini" folder beside the program; when the file is missing or unreadable a picture
// drawn here takes its place, so a window never lacks one.
#include "core/programma.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own pointer: a 32 x 32 colour arrow with its hot spot at (3, 1).
QCursor CursorePersonale(const Programma& p);
// The splash button's own pointer.
QCursor CursoreAvvio(const Programma& p);
// The pointer of the menu's sounds check box: a 32 x 32 arrow carrying a tick.
QCursor CursoreSpunta(const Programma& p);
// The splash window's picture (201 x 197 pixels).
QPixmap ImmagineAvvio(const Programma& p);
// The icon every window of the program carries (the drawn splash picture stands in for it).
QIcon IconaProgramma(const Programma& p);

// The drawn stand-ins, also used when the files are missing.
QPixmap DisegnoCursore(bool conSpunta);
QPixmap DisegnoAvvio();

inline constexpr int CursoreLato = 32;
inline constexpr QPoint CursorePunta{3, 1};
