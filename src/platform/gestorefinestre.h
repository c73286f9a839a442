#pragma once
// The program's windows as one list: which of them are loaded, and what ends the program when the
// user closes the last one.
#include <functional>
#include <vector>

class Finestra;

// Knows which windows are loaded and what ends the program.
class GestoreFinestre {
public:
    void Registra(Finestra* f);
    void Rimuovi(Finestra* f);
    bool QualcunaCaricata() const;
    std::vector<Finestra*> Caricate() const;

    // Called when the last loaded window was closed by the user (the program ends, unsaved).
    std::function<void()> FineProgramma;

private:
    std::vector<Finestra*> finestre_;
};
