#pragma once
// The items of a scan laid over an array of controls (labels or buttons): the array gives the count,
// a field of the window holds the cursor, and the highlight paints every element in its normal colour
// and the one under the cursor in the scan colour. A window supplies only what is its own: which
// elements can be chosen, what a selection does, its finished state and its next item, and, where
// the highlight is not a colour, how it is drawn.
#include "elementiscansione.h"

#include "core/programma.h"
#include "platform/arraycontrolli.h"
#include "platform/colore.h"

#include <cstdint>
#include <functional>
#include <optional>

struct AzioniScansione {
    std::function<bool(int)> sceglibile{};              // none: every element
    std::function<void()> seleziona{};
    std::function<bool()> finito{};                      // none: never finished
    std::function<void()> prossimo{};
    std::function<void(int precedente)> evidenzia{};     // none: ColoraArray with the normal colour
    std::function<std::optional<int>(int tasto, int cursore)> freccia{}; // none: a single row
};

// Paints every element of the array in the normal colour, then the element at the cursor in the
// scan colour; elements that are hidden or disabled are painted too.
template <class T>
void ColoraArray(const ArrayControlli<T>& array, int cursore, Colore normale, Colore scansione)
{
    for (T& c : array) c.setBackColor(normale);
    if (array.Esiste(cursore)) array(cursore).setBackColor(scansione);
}

template <class T>
class ElementiControlli : public ElementiScansione {
public:
    ElementiControlli(const Programma& programma, ArrayControlli<T>& array, std::int16_t& cursore, Colore normale,
                      AzioniScansione azioni)
        : programma_(programma), array_(array), cursore_(cursore), normale_(normale), azioni_(std::move(azioni))
    {
    }

    int Numero() const override { return array_.Count(); }
    bool Sceglibile(int i) const override
    {
        return array_.Esiste(i) && (!azioni_.sceglibile || azioni_.sceglibile(i));
    }
    int Cursore() const override { return cursore_; }
    void setCursore(int c) override { cursore_ = static_cast<std::int16_t>(c); }
    void Evidenzia(int precedente) override
    {
        if (azioni_.evidenzia)
            azioni_.evidenzia(precedente);
        else
            ColoraArray(array_, cursore_, normale_, programma_.ColoreScansioneRgb());
    }
    void Seleziona() override
    {
        // The selection may close the window: take a copy of what is called.
        const auto seleziona = azioni_.seleziona;
        if (seleziona) seleziona();
    }
    bool Finito() const override { return azioni_.finito && azioni_.finito(); }
    void Prossimo() override
    {
        const auto prossimo = azioni_.prossimo;
        if (prossimo) prossimo();
    }
    std::optional<int> Freccia(int tasto, int cursore) const override
    {
        return azioni_.freccia ? azioni_.freccia(tasto, cursore) : std::nullopt;
    }

private:
    const Programma& programma_;
    ArrayControlli<T>& array_;
    std::int16_t& cursore_;
    Colore normale_;
    AzioniScansione azioni_;
};
