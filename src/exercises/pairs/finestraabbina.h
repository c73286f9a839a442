#pragma once
// "abbina   soggetto / predicato": three to nine rows, each with a predicate box on the right; the
// subjects of the same pairs stand on the left, shuffled among the rows. The learner matches every
// subject with its predicate: Form3 by dragging a subject onto a box, Form3s row by row from the
// top, selecting the framed box for the framed subject. The number of rows is chosen in a panel
// opened from "numero coppie".
#include "exercises/pairs/finestracoppie.h"
#include "exercises/pairs/regolecoppie.h"
#include "input/elementicontrolli.h"

#include <array>
#include <cstdint>

// What a list lacks when it cannot fill even the smallest exercise: Form3 needs pairs with three
// different subjects, Form3s three pairs.
inline const QString MancanzaPocheSoggetti =
    QStringLiteral("abbastanza coppie con soggetti diversi (ne servono almeno 3)");
inline const QString MancanzaPocheCoppie =
    QStringLiteral("abbastanza coppie di soggetto e predicato (ne servono almeno 3)");

// Where the two windows' rows stand, twips.
struct ProgettoAbbina {
    int leftSoggetti = 240;
    int widthSoggetti = 0;
    int leftCaselle = 0;
    int widthCaselle = 0;
};

class FinestraAbbina : public FinestraCoppie {
    Q_OBJECT
public:
    static constexpr int Righe = coppie::RigheMassime;
    static constexpr Colore Bianco = colore::Bianco;

    FinestraAbbina(Programma& programma, const ProgettoFinestra& progetto, ProgettoAbbina abbina,
                   ProgettoCoppie coppie);

    // Label3(i) the subject of item a(i), Label4(i) its predicate box; row k lies at 240 + 720 k.
    ArrayControlli<Etichetta> Label3;
    ArrayControlli<Etichetta> Label4;

    // The number-of-pairs panel: Frame1 with the scroll bar HScroll1, the number Label1 and "Chiudi".
    struct Pannello {
        Cornice* Frame1 = nullptr;
        BarraOrizzontale* HScroll1 = nullptr;
        Etichetta* Label1 = nullptr;
        Bottone* Command4 = nullptr;
    };
    const Pannello& pannello() const { return c2_; }

    // Entry k: the subject label standing on row k.
    std::array<std::int16_t, Righe> SoggettoDellaRiga{};

    // The rows of the exercise on screen: NumeroRighe, or fewer when the list has fewer items its
    // draw tells apart; 0 when there is no exercise.
    int RigheInUso() const { return righeInUso_; }

    // The next item is a whole exercise.
    void NuovoEsercizio();
    void ProssimoElemento() override { NuovoEsercizio(); }
    void ScombiccheraPosti();

    // The number-of-pairs panel.
    void mnuOpzioni_Click() override;
    void HScroll1_Change();
    void Command4_Click();

protected:
    void CreaControlliEsercizio() override;
    void PassiCaricamento() override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    // What a window does besides when an exercise starts, before the draw and once it is shown.
    virtual void InizioEsercizio() {}
    virtual void EsercizioMostrato() {}

    // The result row of a match: right with the pair's text, wrong with the subject and the box's text.
    QStringList Riga(const QString& coppia, bool giusta) const;
    // Subject label `soggetto` matched with box `casella`: right when, as seen, they make one of the
    // exercise's sentences not made yet, which is then made. A matched box takes no other match.
    bool Abbina(int soggetto, int casella) { return abbinamento_.Abbina(soggetto, casella); }

    const ProgettoAbbina abbina_;

private:
    void CreaPannello();
    Pannello c2_;
    int righeInUso_ = 0;
    // The sentences drawn for the rows in use, as the learner reads them, and which are made.
    coppie::Abbinamento abbinamento_;
};

// The mouse window: any subject onto any box, in any order.
class Form3 : public FinestraAbbina {
    Q_OBJECT
public:
    static constexpr Colore GialloChiaro = 0xC0FFFF;

    Form3(Programma& programma, const ProgettoFinestra& progetto);

    // Pairs matched in the exercise on screen.
    std::int16_t CoppieFatte = 0;

    // The drop of a label on box Index.
    void Label4_DragDrop(int Index, Etichetta* Source);

protected:
    void Attivazione() override;
    void InizioEsercizio() override;
};

// The scanning window: the rows in order from the top; Shape1 frames the row's subject, Shape2
// the box the keys move over; "avanti" (Command1) lights up in the scan colour when every row is
// matched, and the next select starts a new exercise. Every new exercise, whatever starts it,
// puts "avanti" out.
class Form3s : public FinestraAbbina {
    Q_OBJECT
public:
    static constexpr int BordoSoggetto = 9;
    static constexpr int BordoCasella = 12;
    static constexpr Colore ColoreBottoneNormale = colore::GrigioChiaro;

    Form3s(Programma& programma, const ProgettoFinestra& progetto);

    std::int16_t RigaCorrente = 0;
    std::int16_t CasellaEvidenziata = 0;
    // Every row of the exercise on screen is matched: "avanti" shows the scan colour.
    bool AvantiAcceso() const { return avantiAcceso_; }

    struct Controlli {
        Forma* Shape1 = nullptr;
        Forma* Shape2 = nullptr;
        Bottone* Command1 = nullptr;
    };
    const Controlli& controlli() const { return c3_; }

    // The select key, on the highlighted box.
    void Confermato();
    // The two frames from RigaCorrente and CasellaEvidenziata.
    void SistemaShape();

protected:
    void CreaControlliEsercizio() override;
    void Attivazione() override;
    void InizioEsercizio() override;
    void EsercizioMostrato() override;
    ElementiScansione* ElementiScansionati() override { return &caselle_; }
    RegoleScansione RegoleTasti() const override;

private:
    // "avanti" lit in the scan colour, or back to grey: the finished state and what shows it.
    void accendiAvanti(bool acceso);

    Controlli c3_;
    ElementiControlli<Etichetta> caselle_;
    bool avantiAcceso_ = false;
};
