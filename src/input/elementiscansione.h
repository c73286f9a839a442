#pragma once
// What a window tells the scanning driver about the items it scans. The driver owns the keys, the
// timer and the steps; the window owns its items, its cursor field, its drawing and what a
// selection means.
#include <optional>

class ElementiScansione {
public:
    virtual ~ElementiScansione() = default;

    // How many items there are now (read afresh at every step).
    virtual int Numero() const = 0;
    // Whether item i can be chosen; the steps pass over the items that cannot.
    virtual bool Sceglibile(int /*i*/) const { return true; }

    // The window's cursor field: the highlighted item, 0..Numero()-1.
    virtual int Cursore() const = 0;
    virtual void setCursore(int c) = 0;

    // Draws the highlight at the cursor, after every step (also when the cursor did not move).
    // precedente is where the cursor stood before the step.
    virtual void Evidenzia(int precedente) = 0;

    // The select key: the window judges or launches the highlighted item.
    virtual void Seleziona() = 0;

    // The finished state: the current item is solved and the next step or select key starts the
    // next item (Prossimo) instead; the automatic scan stands still meanwhile.
    virtual bool Finito() const { return false; }
    virtual void Prossimo() {}

    // Where an arrow key (37-40) leads from the cursor, for a window whose items do not form a
    // single row. Nothing: Right and Down step forward, Left and Up step backward.
    virtual std::optional<int> Freccia(int /*tasto*/, int /*cursore*/) const { return std::nullopt; }
};
