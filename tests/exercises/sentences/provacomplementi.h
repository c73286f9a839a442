#pragma once
// What the complement windows' tests share: a real drag's events sent to a target, and the
// "errori" cells of the results grid.
#include "exercises/sentences/finestracomplementi.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <memory>

// Sends a drag-enter, a drag-move and a drop naming `parte` to `bersaglio`, as a real drag over it
// does; false when the target is not on screen (a real drag cannot reach it) or refuses the drag.
inline bool Trascina(Etichetta& parte, QWidget& bersaglio)
{
    if (!bersaglio.isVisible()) return false;
    std::unique_ptr<QMimeData> dati(parte.DatiTrascinamento());
    const QPoint punto(bersaglio.width() / 2, bersaglio.height() / 2);
    QDragEnterEvent entra(punto, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &entra);
    if (!entra.isAccepted()) return false;
    QDragMoveEvent muovi(punto, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &muovi);
    QDropEvent rilascio(QPointF(punto), Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &rilascio);
    return rilascio.isAccepted();
}

// The "errori" cell of every result row.
inline QStringList Errori(const FinestraComplementi& f)
{
    const ModelloGriglia& g = f.cornice().Griglia->Modello();
    QStringList e;
    for (int r = 1; r < g.Rows(); ++r) e << g.TextMatrix(r, 2);
    return e;
}
