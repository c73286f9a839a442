#pragma once
// The keys and the scan of one window: its three focus holders, its scan timer Timer1 and the
// driver that joins them to the window's items. Created with the window's controls (on the window's
// client area) and gone with them; the window's items live in the window object and outlast it.
#include "elementiscansione.h"
#include "pilotascansione.h"

#include "platform/controlli.h"
#include "platform/temporizzatore.h"

#include <QObject>
#include <QPointer>

class Programma;

class ScansioneFinestra : public QObject {
    Q_OBJECT
public:
    ScansioneFinestra(const Programma& programma, QWidget* area, ElementiScansione& elementi,
                      RegoleScansione regole = {});

    CasellaFuoco* PictureFrecce() const { return frecce_; }
    CasellaFuoco* PictureScansioneManuale() const { return manuale_; }
    CasellaFuoco* PictureScansioneAutomatica() const { return automatica_; }
    Temporizzatore* Timer1() const { return timer_; }
    PilotaScansione& pilota() { return *pilota_; }

    // At the window's activation: the interval of the mode, the timer on in every keyboard mode,
    // the keys to the holder of the mode.
    void Avvia();
    // The timer off (a dialog, the grid, the unload) and on again.
    void Ferma();
    void Riprendi();
    // Sets the window's keys aside while something covers its items (the results grid, a panel):
    // the focus holders take no key and no focus, and the ticks leave the focus where it is.
    // Given back, the keys go to the holder of the mode at once.
    void Sospendi(bool si);

private:
    QPointer<CasellaFuoco> frecce_;
    QPointer<CasellaFuoco> manuale_;
    QPointer<CasellaFuoco> automatica_;
    QPointer<Temporizzatore> timer_;
    PilotaScansione* pilota_ = nullptr;
};
