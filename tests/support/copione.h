#pragma once
// A script of keys for a scanning window, on the focus holder of the mode in use: S Space, E Enter,
// R L U D the arrows, P and Q Space going down and coming up, T a tick of the scan (only while the
// timer is on, as the clock ticks).
#include "input/scansionefinestra.h"
#include "tastiera.h"

#include <QString>

inline void Copione(ScansioneFinestra& s, const QString& tasti)
{
    CasellaFuoco* casella = s.pilota().CasellaDelModo();
    for (const QChar c : tasti) {
        switch (c.unicode()) {
        case 'S': tastiera::Batti(casella, Qt::Key_Space); break;
        case 'E': tastiera::Batti(casella, Qt::Key_Return); break;
        case 'R': tastiera::Batti(casella, Qt::Key_Right); break;
        case 'L': tastiera::Batti(casella, Qt::Key_Left); break;
        case 'U': tastiera::Batti(casella, Qt::Key_Up); break;
        case 'D': tastiera::Batti(casella, Qt::Key_Down); break;
        case 'P': tastiera::Premi(casella, Qt::Key_Space); break;
        case 'Q': tastiera::Rilascia(casella, Qt::Key_Space); break;
        case 'T':
            if (s.Timer1()->Enabled()) s.Timer1()->Scatta();
            break;
        default: break;
        }
    }
}
