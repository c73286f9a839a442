#pragma once
// Start-up and leaving the program.
#include <QString>

#include <memory>

class BloccoIstanza;
class Programma;
class QApplication;
class QWidget;
class RegistroFinestre;

// Starts the program: single instance, settings folders and file, random seed, splash window;
// then runs the event loop. Returns the program's exit code.
int Main(QApplication& applicazione);

// What a started program holds while it runs: the single-instance lock and its windows.
struct Sessione {
    Sessione();
    ~Sessione();
    std::unique_ptr<BloccoIstanza> blocco; // released last
    std::unique_ptr<RegistroFinestre> finestre;
};

// The name of the lock that keeps a second copy from starting.
inline const QString NomeBloccoIstanza = QStringLiteral("frasolino-1");

// The start-up steps, in order: refuse a second copy (message box "Error", no window opened:
// the result is then null); set the way-back prompt; create the settings folders; read the
// settings; show the splash window. The random generator was seeded from the clock when the
// Programma was made.
std::unique_ptr<Sessione> AvviaProgramma(Programma& p, const QString& nomeBlocco = NomeBloccoIstanza);

// The confirmed exit: asks "Vuoi uscire dal programma?"; on Yes saves the settings and ends the
// program at once (through GestoreFinestre::FineProgramma); on No nothing changes.
void EsciDalProgramma(Programma& p, QWidget* owner);
