#pragma once
// Key events as the keyboard sends them, delivered straight to a widget.
#include "platform/registrotasti.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tastiera {

inline QString Testo(Qt::Key k)
{
    switch (k) {
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Return: return QStringLiteral("\r");
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_A: return QStringLiteral("a");
    default: return QString();
    }
}

// A key going down; ripetuto marks the keyboard's auto-repeat while the key is held.
inline void Premi(QWidget* w, Qt::Key k, bool ripetuto = false, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, k, m, Testo(k), ripetuto);
    QApplication::sendEvent(w, &e);
}

inline void Rilascia(QWidget* w, Qt::Key k, bool ripetuto = false, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyRelease, k, m, Testo(k), ripetuto);
    QApplication::sendEvent(w, &e);
}

inline void Batti(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    Premi(w, k, false, m);
    Rilascia(w, k, false, m);
}

// Every key up again, in the program's record of the keys that are down.
inline void LasciaTutti()
{
    if (RegistroTasti* r = RegistroTasti::Installato()) r->Azzera();
}

// A key held down: the press, then `ripetizioni` auto-repeat release/press pairs, no real release.
inline void Tieni(QWidget* w, Qt::Key k, int ripetizioni)
{
    Premi(w, k);
    for (int i = 0; i < ripetizioni; ++i) {
        Rilascia(w, k, true);
        Premi(w, k, true);
    }
}

} // namespace tastiera
