#pragma once
// The about window: credits, terms of use and "Chiudi" back to the menu.
#include "core/programma.h"
#include "platform/controlli.h"
#include "platform/finestra.h"

#include <QPointer>

class FormInfo : public Finestra {
    Q_OBJECT
public:
    explicit FormInfo(Programma& p);

    static constexpr Colore ColoreFinestra = 0x00C0FFFF;
    static const QString TestoCrediti;
    static const QString TestoCondizioni;


    void Command1_Click();

    struct Controlli {
        Etichetta* Label1 = nullptr;
        Etichetta* Label3 = nullptr;
        Etichetta* Label4 = nullptr;
        Bottone* Command1 = nullptr;
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
