#pragma once
// The keyboard and switch driver every scanning window shares. It listens to the window's three
// focus holders and its timer, reads the input mode afresh at every key and tick, moves the cursor
// over the window's items and hands the select key over to the window.
//
//   mode 1, manual scanning   PictureScansioneManuale: Space steps forward, Enter selects
//   mode 2, automatic         Timer1 steps forward; PictureScansioneAutomatica: a key going down
//                             pauses the scan (a key that types a character, or any key, as the
//                             window's rules say), its release resumes it and, for Space, selects
//   mode 3, arrows            PictureFrecce: Right/Down forward, Left/Up backward, Enter selects
//
// Every tick gives the focus back to the holder of the mode. In the window's finished state a key
// that would step or select starts the next item instead, and the tick does not step.
#include "elementiscansione.h"

#include <QObject>
#include <QPointer>

#include <cstdint>

class CasellaFuoco;
class Programma;
class Temporizzatore;

// Where windows differ in how the keys act.
struct RegoleScansione {
    // The manual holder acts when the key is released, so a held Space makes a single step.
    bool ManualeAlRilascio = false;
    // The automatic holder pauses on the key down of any key, instead of on the key press of a key
    // that types a character.
    bool PausaSuOgniTasto = false;
    // In arrow mode Space selects as Enter does.
    bool SpazioSelezionaConFrecce = false;
    // The automatic holder's release of Space selects only in automatic scanning.
    bool RilascioSelezionaSoloInAutomatica = false;
};

class PilotaScansione : public QObject {
    Q_OBJECT
public:
    PilotaScansione(const Programma& programma, ElementiScansione& elementi, CasellaFuoco& frecce,
                    CasellaFuoco& manuale, CasellaFuoco& automatica, Temporizzatore& timer,
                    RegoleScansione regole = {}, QObject* parent = nullptr);

    // Starts the scan as the window opens: in automatic scanning the interval from the speed;
    // the timer on in every mode but the mouse; the focus at once on the holder of the mode.
    void Avvia();

    // The focus now on the holder of the mode (none in mouse mode), unless the window's keys are
    // set aside.
    void DaiIlFuoco();

    // Sets the window's keys aside while something covers its items (the results grid): the ticks
    // then leave the focus where it is.
    void setSospeso(bool si) { sospeso_ = si; }

    // One step of the cursor and the drawing of the highlight.
    void PassoAvanti();
    void PassoIndietro();

    // The holder that takes the keys in the present mode; none in mouse mode.
    CasellaFuoco* CasellaDelModo() const;

    // The handlers, connected by the constructor; public so that a window or a test can call them.
    void PictureFrecce_KeyDown(int codice, int maiuscole);
    void PictureScansioneManuale_KeyDown(int codice, int maiuscole);
    void PictureScansioneManuale_KeyUp(int codice, int maiuscole);
    void PictureScansioneAutomatica_KeyPress(int carattere);
    void PictureScansioneAutomatica_KeyDown(int codice, int maiuscole);
    void PictureScansioneAutomatica_KeyUp(int codice, int maiuscole);
    void Timer1_Timer();

private:
    std::int16_t modo() const;
    void sposta(int nuovo);
    void manuale(int codice);
    void seleziona();
    bool ripetuto() const;
    bool premutoQui() const;

    const Programma& programma_;
    ElementiScansione& elementi_;
    QPointer<CasellaFuoco> frecce_;
    QPointer<CasellaFuoco> manuale_;
    QPointer<CasellaFuoco> automatica_;
    QPointer<Temporizzatore> timer_;
    RegoleScansione regole_;
    bool sospeso_ = false;
};
