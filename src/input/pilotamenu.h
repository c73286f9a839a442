#pragma once
// The main menu's keys and scan. The menu's entries form a grid of three columns and eight rows
// (index = column x 8 + row; "Esci", index 22, stands in column 2, row 7, below the sounds check
// box, which the keys and the scan never reach). The arrows move on that grid; manual and automatic
// scanning walk the entries in index order; the select key launches the highlighted entry.
//
// The menu hands over its controls and a few callbacks; the driver lives as long as those
// controls (give it a parent that goes with them). The menu's load puts the highlight on entry 0
// and starts the timer; the driver moves the highlight from there.
#include "elementiscansione.h"
#include "pilotascansione.h"

#include "platform/colore.h"

#include <QObject>

#include <cstdint>
#include <functional>

class CasellaFuoco;
class Programma;
class Temporizzatore;

// What the menu window hands to its driver.
struct CollegamentiMenu {
    CasellaFuoco& PictureFrecce;
    CasellaFuoco& PictureScansioneManuale;
    CasellaFuoco& PictureScansioneAutomatica;
    Temporizzatore& Timer1;
    // The window's field naming the highlighted entry.
    std::int16_t& VoceEvidenziata;
    // How many entries the menu holds (its label array's count).
    std::function<int()> NumeroVoci;
    // Paints entry i's background.
    std::function<void(int, Colore)> ColoraVoce;
    // The window's present background colour, which an entry gets back when it loses the highlight.
    std::function<Colore()> ColoreFinestra;
    // Launches entry k (the menu's launcher).
    std::function<void(std::int16_t)> AvviaEsercizi;
};

class PilotaMenu : public QObject, private ElementiScansione {
    Q_OBJECT
public:
    PilotaMenu(const Programma& programma, CollegamentiMenu collegamenti, QObject* parent = nullptr);

    PilotaScansione& pilota() { return pilota_; }

    // Where an arrow key (37-40) leads from entry voce on the grid of numero entries; any other
    // key leaves it where it is.
    static int VoceDopoFreccia(int tasto, int voce, int numero);

private:
    int Numero() const override;
    int Cursore() const override;
    void setCursore(int c) override;
    void Evidenzia(int precedente) override;
    void Seleziona() override;
    std::optional<int> Freccia(int tasto, int cursore) const override;

    const Programma& programma_;
    CollegamentiMenu c_;
    PilotaScansione pilota_;
};
