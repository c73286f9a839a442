#pragma once
// The configuration window: input mode, automatic-scanning speed, highlight colour and the choice
// of the system pointer. Every change goes into the settings at once; "&Esci" saves them and
// brings the menu back.
#include "core/programma.h"
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"
#include "platform/finestra.h"
#include "platform/vocemenu.h"

#include <QPointer>

#include <cstdint>

class FormConfigura : public Finestra {
    Q_OBJECT
public:
    explicit FormConfigura(Programma& p);

    static constexpr int PassoPagina = 4; // a click in the scroll bar's track: one second

    // "Velocità scansione: " and the speed in seconds with two decimals and the system's decimal
    // separator, then " secondi".
    static QString TestoVelocita(std::int16_t velocita);

    // Brings the controls in line with the settings.
    void ImpostaConfigurazioni();

    // Controls, valid while the window is loaded; Option4's index is the input mode.
    ArrayControlli<Opzione> Option4;

    // Handlers.
    void Option4_Click(int k);
    void CheckDisabilitaMousePersonalizzato_Click();
    void HScroll3_Change();
    void Command1_Click();
    void mnuEsci_Click();

    struct Controlli {
        Cornice* FramePunt = nullptr;
        CasellaSpunta* CheckDisabilitaMousePersonalizzato = nullptr;
        Etichetta* Label7 = nullptr;
        BarraOrizzontale* HScroll3 = nullptr;
        Bottone* Command1 = nullptr;
        Etichetta* LabelPerColore = nullptr;
        VoceMenu* mnuEsci = nullptr;
    };
    const Controlli& controlli() const { return c_; }

protected:
    void CreaControlli() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    Programma& p_;
    Controlli c_;
};
