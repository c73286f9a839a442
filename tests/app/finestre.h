#pragma once
// Helpers for driving the windows in tests.
#include "platform/finestra.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

// The menu bar action reached by the captions given (top level first), or null.
inline QAction* AzioneMenu(const Finestra& f, const QStringList& percorso)
{
    if (!f.widget() || percorso.isEmpty()) return nullptr;
    QList<QAction*> azioni = f.widget()->menuBar()->actions();
    QAction* trovata = nullptr;
    for (const QString& c : percorso) {
        trovata = nullptr;
        for (QAction* a : azioni)
            if (a->text() == c) trovata = a;
        if (!trovata) return nullptr;
        azioni = trovata->menu() ? trovata->menu()->actions() : QList<QAction*>{};
    }
    return trovata;
}

// The pointer moved over a widget (no button held), at a point inside it.
inline void MuoviSopra(QWidget* w, QPoint punto = QPoint(3, 3))
{
    QMouseEvent e(QEvent::MouseMove, QPointF(punto), QPointF(w->mapToGlobal(punto)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
