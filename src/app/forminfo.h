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

    Etichetta* Label1() const { return label1_; }
    Etichetta* Label3() const { return label3_; }
    Etichetta* Label4() const { return label4_; }
    Bottone* Command1() const { return command1_; }

    void Command1_Click();

protected:
    void CreaControlli() override;
    void DistruggiControlli() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    Programma& p_;
    QPointer<Etichetta> label1_, label3_, label4_;
    QPointer<Bottone> command1_;
};
