#pragma once
// The implied-subject panel: the frame Frame1 "Soggetto sottinteso" with the six pronoun buttons
// Command1 (0 "io", 1 "tu", 2 third person singular, 3 "noi", 4 "voi", 5 "essi - esse - loro"),
// and which pronouns each grammatical person's button accepts.
#include "platform/arraycontrolli.h"
#include "platform/colore.h"
#include "platform/controlli.h"

#include <QCursor>
#include <QStringList>

#include <array>
#include <optional>

// Design of a window's pronoun frame.
struct ProgettoPronomi {
    int left = 120;
    int top = 0;
    int width = 0;
    int height = 0;
    std::array<int, 3> colonne{}; // left of the three button columns, inside the frame
    std::array<int, 2> righe{360, 840}; // top of the two button rows, inside the frame
    QString titolo = QStringLiteral("Soggetto sottinteso"); // the frame's caption
    QString caption2{};             // caption of the third-person button
    bool grassetto = false;
    Colore sfondo = 0xC0E0FF;     // the frame's background
    bool visibile = false;        // shown as designed
};

class PannelloPronomi {
public:
    static constexpr Colore ColoreBottone = colore::GrigioChiaro;

    Cornice* Frame1 = nullptr;
    ArrayControlli<Bottone> Command1;

    // Creates the frame with its six buttons.
    void Crea(QWidget* area, const ProgettoPronomi& p, const std::optional<QCursor>& puntatore);
    bool Creato() const { return Frame1 != nullptr; }
    void Dimentica()
    {
        Frame1 = nullptr;
        Command1.Dimentica();
    }

    // Every button grey and enabled again.
    void Azzera();
    void Abilita(bool si);
    void setPuntatore(const std::optional<QCursor>& puntatore);

    // The pronouns each person's button (1..6) accepts.
    static const std::array<QStringList, 6>& PronomiPersona();
    static bool PronomeDellaPersona(const QString& sottinteso, int persona);
    // Whether one of the buttons names the implied subject.
    static bool Nominato(const QString& sottinteso);
};
