#pragma once
// "soggetto sottinteso": the sentence is shown without its subject, and the learner names the hidden
// subject with one of six pronoun buttons; the right one reveals it in green inside the sentence.
// With the mouse (Form15) the learner clicks a button; by keys and switches (Form15s) the scan
// walks the buttons that are still enabled and the select key judges the highlighted one.
#include "exercises/sentences/finestrafrase.h"
#include "input/elementicontrolli.h"

#include <QPoint>

#include <cstdint>

struct ProgettoSottinteso {
    QPoint istruzione{};        // Label1
    QPoint primaParola{};       // Label3(0)
    ProgettoPronomi pronomi{};
    bool clicPronomi = true;          // a click on a button is judged
    bool puntatorePersonale = true;   // the buttons show the program's own pointer
    VarianteFrase variante;
};

class FinestraSottinteso : public FinestraFrase {
    Q_OBJECT
public:
    FinestraSottinteso(Programma& programma, const ProgettoFinestra& progetto, ProgettoSottinteso sottinteso);

    struct Controlli {
        Etichetta* Label1 = nullptr;
    };
    const Controlli& controlli() const { return c2_; }
    PannelloPronomi Pronomi;

protected:
    void CreaControlliEsercizio() override;
    void SottintesoNominato(int persona) override;
    // Every line needs an implied subject a button names.
    bool Completabile(const RigaFrase& riga) const override { return SottintesoNominabile(riga); }

private:
    ProgettoSottinteso sottinteso_;
    Controlli c2_;
};

class Form15 : public FinestraSottinteso {
    Q_OBJECT
public:
    Form15(Programma& programma, const ProgettoFinestra& progetto);
};

class Form15s : public FinestraSottinteso {
    Q_OBJECT
public:
    Form15s(Programma& programma, const ProgettoFinestra& progetto);

    // The highlighted button, and whether the subject has been found.
    std::int16_t BoxCorrente = 0;
    bool FraseCompletata = false;

    void CaricaFrase() override;
    // The select key: the next sentence once this one is finished, else the highlighted button
    // judged (a button already judged wrong is not judged again).
    void Confermato();
    // The highlighted button in the scan colour, the others grey (all grey while no sentence is
    // drawn).
    void SistemaShape();

protected:
    void CodaFrase() override { SistemaShape(); }
    void SottintesoNominato(int persona) override;
    ElementiScansione* ElementiScansionati() override { return &elementi_; }

private:
    ElementiControlli<Bottone> elementi_;
};
