#pragma once
// The splash window: the title over a white-to-green gradient, a picture, the release date and
// the "Avvio" button that opens the menu.
#include "core/programma.h"
#include "platform/controlli.h"
#include "platform/finestra.h"

#include <QPointer>

class FormAvvio : public Finestra {
    Q_OBJECT
public:
    explicit FormAvvio(Programma& p);

    static constexpr Colore ColoreFinestra = 0x00C00000;
    static constexpr Colore ColoreTitolo = 0x00800000;
    static constexpr int BandeSfumatura = 256;
    // The colour of gradient band i (0 at the top, white; 255 at the bottom, pure green).
    static constexpr Colore ColoreBanda(int i) { return colore::Rgb(255 - i, 255, 255 - i); }

    // The gradient has been painted (from the first activation after the load on).
    bool SfumaturaDipinta() const { return sfumatura_; }

    void BottoneAvvio_Click();

    struct Controlli {
        Etichetta* Label2 = nullptr;
        Etichetta* Label1 = nullptr;
        Immagine* Image1 = nullptr;
        Bottone* BottoneAvvio = nullptr;
    };
    const Controlli& controlli() const { return c_; }

protected:
    void CreaControlli() override;
    void DistruggiControlli() override { sfumatura_ = false; }
    void Form_Load() override;
    void Form_Activate() override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void DipingiSfumatura(QWidget* superficie);

    Programma& p_;
    bool sfumatura_ = false;
    Controlli c_;
};
