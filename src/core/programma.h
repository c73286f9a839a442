#pragma once
// The program-wide state: the five settings, the hand-over values to the exercise windows, the
// counters, the random generator and the services. One object, created by main and handed to
// every window by reference; a test makes a fresh one per case.
#include "platform/colore.h"
#include "platform/gestorefinestre.h"
#include "platform/servizi.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>

// Input modes.
constexpr std::int16_t ModoMouse = 0;
constexpr std::int16_t ModoScansioneManuale = 1;
constexpr std::int16_t ModoScansioneAutomatica = 2;
constexpr std::int16_t ModoFrecce = 3;

// The title of every message box of the program.
inline const QString TitoloProgramma = QStringLiteral("Frasolino - 1°");

// The maker's web site, named in the settings folder's notice and in the credits.
inline const QString IndirizzoSito = QStringLiteral("https://frasolino.example.org");

// The automatic-scanning timer interval in milliseconds for a speed in quarter seconds: the
// speed times 250, within 250..32767 (what a 16-bit interval holds).
int IntervalloScansione(std::int16_t velocita);

struct Impostazioni {
    bool SuoniAttivati = true;
    bool CursoreDiSistema = false;
    std::int16_t ModalitaInput = ModoMouse;
    std::int16_t VelocitaScansione = 4;
    double ColoreScansione = 255;
    bool operator==(const Impostazioni&) const = default;
};

class Programma {
public:
    // cartellaProgramma: where data/ lives; radiceImpostazioni: the settings root folder.
    Programma(std::unique_ptr<Servizi> servizi, QString cartellaProgramma, QString radiceImpostazioni);
    // The settings' names below refer to this object's own fields: it is never copied or moved.
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;
    Programma(Programma&&) = delete;
    Programma& operator=(Programma&&) = delete;

    // Settings.
    Impostazioni impostazioni;
    bool& SuoniAttivati = impostazioni.SuoniAttivati;
    bool& CursoreDiSistema = impostazioni.CursoreDiSistema;
    std::int16_t& ModalitaInput = impostazioni.ModalitaInput;
    std::int16_t& VelocitaScansione = impostazioni.VelocitaScansione;
    double& ColoreScansione = impostazioni.ColoreScansione;
    Colore ColoreScansioneRgb() const { return colore::daDouble(ColoreScansione); }

    QString MessaggioTornaMenu;

    // Hand-over to the exercise windows.
    QString FileEsercizio;
    std::int16_t NumeroComplemento = 0;

    // Counters and the item drawn last.
    std::int16_t Esatti = 0;
    std::int16_t Errati = 0;
    std::int16_t IndiceFrase = 0;

    // A uniform random number in [0, 1).
    double Rnd();
    // The integer part of Rnd() * n (0..n-1); 0 when n <= 0.
    int Casuale(int n);
    void Semina(std::uint32_t seme) { generatore_.seed(seme); }

    // Shows the main menu (loading it afresh); set by the shell, called by the exercise windows'
    // way back.
    std::function<void()> MostraMenu;

    Servizi& servizi() { return *servizi_; }
    GestoreFinestre& finestre() { return finestre_; }

    const QString& CartellaProgramma() const { return cartellaProgramma_; }
    // The program's folder followed by a relative path written with '/' separators.
    QString PercorsoDati(const QString& relativo) const;
    const QString& RadiceImpostazioni() const { return radiceImpostazioni_; }

private:
    std::unique_ptr<Servizi> servizi_;
    GestoreFinestre finestre_;
    QString cartellaProgramma_;
    QString radiceImpostazioni_;
    std::mt19937 generatore_;
};
