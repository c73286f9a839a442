#pragma once
// The role boxes of the complement and subject-predicate windows: one answer box Label4(i) per role (0 subject,
// 1 predicate, 2 direct object, then the complements), each under its heading Label6(i). A word
// label dropped on a box is handed to the window with the box's index.
#include "platform/arraycontrolli.h"
#include "platform/colore.h"
#include "platform/controlli.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// Design of one box and its heading, twips.
struct ProgettoCasella {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Colore sfondo = colore::Bianco;
    QString intestazione{}; // Label6's caption
    int leftIntestazione = 0;
    int topIntestazione = 0;
    int widthIntestazione = 0;
    int heightIntestazione = 0;
    bool visibile = true; // box and heading shown as designed
};

struct CarattereCaselle {
    QString famiglia = QStringLiteral("Verdana");
    double puntiCaselle = 9.75;
    double puntiIntestazioni = 9.75;
    bool grassettoIntestazioni = true;
};

class CaselleRuoli : public QObject {
    Q_OBJECT
public:
    ArrayControlli<Etichetta> Label4;
    ArrayControlli<Etichetta> Label6;

    // The drop of a word label on box `casella`.
    std::function<void(int casella, Etichetta* origine)> Label4_DragDrop{};

    CaselleRuoli();

    void Crea(QWidget* area, const std::vector<ProgettoCasella>& caselle, const CarattereCaselle& carattere = {});
    bool Create() const { return Label4.Esiste(0); }
    void Dimentica()
    {
        Label4.Dimentica();
        Label6.Dimentica();
    }

    // Boxes and headings 0..ultima shown (the others as they are).
    void Mostra(int ultima);
    // Every box emptied.
    void Svuota();
    // Brings the headings in front of the boxes.
    void IntestazioniDavanti();
};
